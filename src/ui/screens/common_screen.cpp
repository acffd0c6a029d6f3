#include "ui/screens/common_screen.h"

#include "app/session.h"
#include "model/convert.h"
#include "ui/help_topics.h"
#include "ui/screens/widgets.h"
#include "ui/solid_fill.h"
#include "ui/ui_text.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace kv508::ui {

namespace {

using S = QStringList;

QFrame *NewLine(QWidget *parent, const QString &name, bool vertical) {
  auto *line = new QFrame(parent);
  line->setObjectName(name);
  // The lines that tie Resume Time and PTT SCAN Clear to SCAN show whether they apply.
  FillSolid(line, QPalette::WindowText);
  if (vertical)
    line->setFixedWidth(2);
  else
    line->setFixedSize(12, 2);
  return line;
}

template <class T> Access<T> Common(T CommonSetup::*member) {
  return Field(&RadioSettings::Common, member);
}

// A box of label-and-list rows.
QGridLayout *Rows(QGroupBox *box, std::initializer_list<std::pair<QString, QComboBox *>> rows) {
  auto *grid = new QGridLayout(box);
  int row = 0;
  for (const auto &[label, list] : rows) {
    grid->addWidget(NewLabel(box, label), row, 0);
    grid->addWidget(list, row++, 1);
  }
  return grid;
}

} // namespace

CommonScreen::CommonScreen(ScreenContext &context)
    : PanelScreen(context, "fraCommon", kHelpCommon) {
  auto *layout = new QGridLayout(panel_.get());
  layout->addWidget(BuildStart(), 0, 0);
  layout->addWidget(BuildScanning(), 1, 0, 2, 1);
  layout->addWidget(BuildDisplay(), 0, 1, 2, 1);
  layout->addWidget(BuildWeather(), 2, 1);
  layout->addWidget(BuildUnits(), 3, 0);
  layout->setRowStretch(4, 1);
  layout->setColumnStretch(2, 1);
}

QGroupBox *CommonScreen::BuildStart() {
  auto *box = new QGroupBox(tr("Starting TX Mode"), panel_.get());
  auto *txPo = NewList(box, QStringLiteral("cmbCommonTXPo"),
                       S{tr("Lo Po Only"), tr("Lo Po on Changing CH"), tr("Last TX Po")});
  binder_.ListIndex(txPo, tr("TX Po Display"), Common(&CommonSetup::TxPoDisplay));
  Rows(box, {{tr("TX Po Display"), txPo}});
  return box;
}

QGroupBox *CommonScreen::BuildScanning() {
  auto *box = new QGroupBox(tr("Scanning Function"), panel_.get());
  scan_ = NewList(box, QStringLiteral("cmbCommonScan"), OffOnChoices());
  auto *resume = NewList(box, QStringLiteral("cmbCommonResume"),
                         S{tr("Off"), tr("1Sec"), tr("2Sec"), tr("3Sec"), tr("4Sec"), tr("5Sec")});
  auto *pttScan = NewList(box, QStringLiteral("cmbCommonPTTSCAN"), OffOnChoices());
  auto *dual = NewList(box, QStringLiteral("cmbCommonDual"), OffOnChoices());
  QLabel *resumeLabel = NewLabel(box, tr("Resume Time"), QStringLiteral("lblCommonResume"));
  QLabel *pttLabel = NewLabel(box, tr("PTT SCAN Clear"), QStringLiteral("lblCommonPTTSCAN"));
  scanGroup_ = {resumeLabel, resume, pttLabel, pttScan};
  scanLines_ = {NewLine(box, QStringLiteral("linScan_0"), true),
                NewLine(box, QStringLiteral("linScan_1"), false),
                NewLine(box, QStringLiteral("linScan_2"), false)};
  binder_.OnOff(scan_, tr("SCAN"), Common(&CommonSetup::Scan),
                Binder::Hooks{}.Enabling([this] { EnableScanGroup(); }));
  binder_.ListIndex(resume, tr("Resume Time"), Common(&CommonSetup::ResumeTime));
  binder_.OnOff(pttScan, tr("PTT SCAN Clear"), Common(&CommonSetup::PttScanClear));
  binder_.OnOff(dual, tr("Dual Watch"), Common(&CommonSetup::DualWatch));
  auto *grid = new QGridLayout(box);
  grid->addWidget(NewLabel(box, tr("SCAN")), 0, 0, 1, 3);
  grid->addWidget(scan_, 0, 3);
  grid->addWidget(scanLines_[0], 1, 0, 2, 1, Qt::AlignHCenter);
  grid->addWidget(scanLines_[1], 1, 1);
  grid->addWidget(resumeLabel, 1, 2);
  grid->addWidget(resume, 1, 3);
  grid->addWidget(scanLines_[2], 2, 1);
  grid->addWidget(pttLabel, 2, 2);
  grid->addWidget(pttScan, 2, 3);
  grid->addWidget(NewLabel(box, tr("Dual Watch")), 3, 0, 1, 3);
  grid->addWidget(dual, 3, 3);
  return box;
}

QGroupBox *CommonScreen::BuildDisplay() {
  auto *box = new QGroupBox(tr("Display"), panel_.get());
  auto *time = NewList(box, QStringLiteral("cmbCommonTimedisplay"), S{tr("UTC"), tr("Local")});
  auto *offset = NewList(box, QStringLiteral("cmbCommonOffset"), {});
  int value = -24;
  for (const std::string &text : OffsetTimeList())
    offset->addItem(ToQt(text), value++);
  auto *format = NewList(box, QStringLiteral("cmbCommonFormat"),
                         S{QStringLiteral("12H"), QStringLiteral("24H")});
  binder_.OnOff(time, tr("Time Display"), Common(&CommonSetup::TimeDisplay));
  // A stored offset outside the list keeps the list's selection, as the other lists do.
  binder_.ItemValue(offset, tr("Offset"), Common(&CommonSetup::OffsetTime),
                    Binder::Missing::KeepSelection);
  binder_.OnOff(format, tr("Format"), Common(&CommonSetup::Format));
  auto *grid = new QGridLayout(box);
  grid->addWidget(time, 0, 0);
  grid->addWidget(NewLabel(box, tr("Offset")), 1, 0);
  grid->addWidget(offset, 1, 1);
  grid->addWidget(NewLabel(box, tr("Format")), 2, 0);
  grid->addWidget(format, 2, 1);
  return box;
}

QGroupBox *CommonScreen::BuildWeather() {
  auto *box = new QGroupBox(tr("Weather CH Function"), panel_.get());
  auto *weater = NewList(box, QStringLiteral("cmbCommonWeater"),
                         S{tr("Off"), tr("On Wx"), tr("On Scan"), tr("Wx and Scan")});
  binder_.ListIndex(weater, tr("Weather Alert"), Common(&CommonSetup::Weater));
  Rows(box, {{tr("Weather Alert"), weater}});
  return box;
}

QGroupBox *CommonScreen::BuildUnits() {
  auto *box = new QGroupBox(tr("Units of Measure"), panel_.get());
  auto *sog = NewList(box, QStringLiteral("cmbCommonSOG"), S{tr("KTS"), tr("MPH"), tr("KMH")});
  auto *distance =
      NewList(box, QStringLiteral("cmbCommonDistance"), S{tr("Nm"), tr("Sm"), tr("Km")});
  binder_.ListIndex(sog, tr("SOG"), Common(&CommonSetup::Sog));
  binder_.ListIndex(distance, tr("Distance"), Common(&CommonSetup::Distance));
  Rows(box, {{tr("SOG"), sog}, {tr("Distance"), distance}});
  return box;
}

void CommonScreen::EnableScanGroup() {
  const bool on = scan_->currentIndex() != 0;
  for (QWidget *w : scanGroup_)
    w->setEnabled(on);
  for (QFrame *line : scanLines_)
    ShowLit(line, on);
}

} // namespace kv508::ui

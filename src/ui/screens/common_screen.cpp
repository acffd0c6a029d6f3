#include "ui/screens/common_screen.h"

#include "app/session.h"
#include "model/convert.h"
#include "ui/screens/binder.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/setup_widgets.h"
#include "ui/screens/widget_props.h"
#include "ui/solid_fill.h"
#include "ui/ui_text.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

constexpr int kHelpTopic = 1091;
// The lines that tie Resume Time and PTT SCAN Clear to SCAN show whether they apply.
const QColor kLineOn(0x12, 0x46, 0x7E);
const QColor kLineOff(0xA0, 0xA0, 0xA0);

using S = QStringList;

QFrame *NewLine(QWidget *parent, const QString &name, bool vertical) {
  auto *line = new QFrame(parent);
  line->setObjectName(name);
  if (vertical)
    line->setFixedWidth(2);
  else
    line->setFixedSize(12, 2);
  return line;
}

} // namespace

CommonScreen::CommonScreen(ScreenContext &context)
    : panel_(new QWidget), binder_(new Binder(context.session(), panel_)) {
  panel_->setObjectName(QStringLiteral("fraCommon"));
  SetHelpTopic(panel_, kHelpTopic);
  Binder &b = *binder_;

  auto *start = new QGroupBox(QStringLiteral("Starting TX Mode"), panel_);
  auto *txPo = NewList(start, QStringLiteral("cmbCommonTXPo"),
                       S{QStringLiteral("Lo Po Only"), QStringLiteral("Lo Po on Changing CH"),
                         QStringLiteral("Last TX Po")});
  b.ListIndex(txPo, [](RadioData &d) -> std::int16_t & { return d.Common.TxPoDisplay; });
  auto *startGrid = new QGridLayout(start);
  startGrid->addWidget(NewLabel(start, QStringLiteral("TX Po Display")), 0, 0);
  startGrid->addWidget(txPo, 0, 1);

  auto *scanning = new QGroupBox(QStringLiteral("Scanning Function"), panel_);
  scan_ = NewList(scanning, QStringLiteral("cmbCommonScan"), kOffOnChoices);
  auto *resume = NewList(scanning, QStringLiteral("cmbCommonResume"),
                         S{QStringLiteral("Off"), QStringLiteral("1Sec"), QStringLiteral("2Sec"),
                           QStringLiteral("3Sec"), QStringLiteral("4Sec"), QStringLiteral("5Sec")});
  auto *pttScan = NewList(scanning, QStringLiteral("cmbCommonPTTSCAN"), kOffOnChoices);
  auto *dual = NewList(scanning, QStringLiteral("cmbCommonDual"), kOffOnChoices);
  QLabel *resumeLabel =
      NewLabel(scanning, QStringLiteral("Resume Time"), QStringLiteral("lblCommonResume"));
  QLabel *pttLabel =
      NewLabel(scanning, QStringLiteral("PTT SCAN Clear"), QStringLiteral("lblCommonPTTSCAN"));
  scanGroup_ = {resumeLabel, resume, pttLabel, pttScan};
  scanLines_ = {NewLine(scanning, QStringLiteral("linScan_0"), true),
                NewLine(scanning, QStringLiteral("linScan_1"), false),
                NewLine(scanning, QStringLiteral("linScan_2"), false)};
  b.OnOff(
      scan_, [](RadioData &d) -> bool & { return d.Common.Scan; }, [this] { EnableScanGroup(); });
  b.ListIndex(resume, [](RadioData &d) -> std::int16_t & { return d.Common.ResumeTime; });
  b.OnOff(pttScan, [](RadioData &d) -> bool & { return d.Common.PttScanClear; });
  b.OnOff(dual, [](RadioData &d) -> bool & { return d.Common.DualWatch; });
  auto *scanGrid = new QGridLayout(scanning);
  scanGrid->addWidget(NewLabel(scanning, QStringLiteral("SCAN")), 0, 0, 1, 3);
  scanGrid->addWidget(scan_, 0, 3);
  scanGrid->addWidget(scanLines_[0], 1, 0, 2, 1, Qt::AlignHCenter);
  scanGrid->addWidget(scanLines_[1], 1, 1);
  scanGrid->addWidget(resumeLabel, 1, 2);
  scanGrid->addWidget(resume, 1, 3);
  scanGrid->addWidget(scanLines_[2], 2, 1);
  scanGrid->addWidget(pttLabel, 2, 2);
  scanGrid->addWidget(pttScan, 2, 3);
  scanGrid->addWidget(NewLabel(scanning, QStringLiteral("Dual Watch")), 3, 0, 1, 3);
  scanGrid->addWidget(dual, 3, 3);

  auto *display = new QGroupBox(QStringLiteral("Display"), panel_);
  auto *time = NewList(display, QStringLiteral("cmbCommonTimedisplay"),
                       S{QStringLiteral("UTC"), QStringLiteral("Local")});
  QStringList offsets;
  for (const std::string &text : OffsetTimeList())
    offsets << ToQt(text);
  auto *offset = NewList(display, QStringLiteral("cmbCommonOffset"), {});
  for (int i = 0; i < offsets.size(); ++i)
    offset->addItem(offsets[i], i - 24);
  auto *format = NewList(display, QStringLiteral("cmbCommonFormat"),
                         S{QStringLiteral("12H"), QStringLiteral("24H")});
  b.OnOff(time, [](RadioData &d) -> bool & { return d.Common.TimeDisplay; });
  b.ItemValue(offset, [](RadioData &d) -> std::int16_t & { return d.Common.OffsetTime; });
  b.OnOff(format, [](RadioData &d) -> bool & { return d.Common.Format; });
  auto *displayGrid = new QGridLayout(display);
  displayGrid->addWidget(time, 0, 0);
  displayGrid->addWidget(NewLabel(display, QStringLiteral("Offset")), 1, 0);
  displayGrid->addWidget(offset, 1, 1);
  displayGrid->addWidget(NewLabel(display, QStringLiteral("Format")), 2, 0);
  displayGrid->addWidget(format, 2, 1);

  auto *weather = new QGroupBox(QStringLiteral("Weather CH Function"), panel_);
  auto *weater = NewList(weather, QStringLiteral("cmbCommonWeater"),
                         S{QStringLiteral("Off"), QStringLiteral("On Wx"),
                           QStringLiteral("On Scan"), QStringLiteral("Wx and Scan")});
  b.ListIndex(weater, [](RadioData &d) -> std::int16_t & { return d.Common.Weater; });
  auto *weatherGrid = new QGridLayout(weather);
  weatherGrid->addWidget(NewLabel(weather, QStringLiteral("Weather Alert")), 0, 0);
  weatherGrid->addWidget(weater, 0, 1);

  auto *units = new QGroupBox(QStringLiteral("Units of Measure"), panel_);
  auto *sog = NewList(units, QStringLiteral("cmbCommonSOG"),
                      S{QStringLiteral("KTS"), QStringLiteral("MPH"), QStringLiteral("KMH")});
  auto *distance = NewList(units, QStringLiteral("cmbCommonDistance"),
                           S{QStringLiteral("Nm"), QStringLiteral("Sm"), QStringLiteral("Km")});
  b.ListIndex(sog, [](RadioData &d) -> std::int16_t & { return d.Common.Sog; });
  b.ListIndex(distance, [](RadioData &d) -> std::int16_t & { return d.Common.Distance; });
  auto *unitsGrid = new QGridLayout(units);
  unitsGrid->addWidget(NewLabel(units, QStringLiteral("SOG")), 0, 0);
  unitsGrid->addWidget(sog, 0, 1);
  unitsGrid->addWidget(NewLabel(units, QStringLiteral("Distance")), 1, 0);
  unitsGrid->addWidget(distance, 1, 1);

  auto *layout = new QGridLayout(panel_);
  layout->addWidget(start, 0, 0);
  layout->addWidget(scanning, 1, 0, 2, 1);
  layout->addWidget(display, 0, 1, 2, 1);
  layout->addWidget(weather, 2, 1);
  layout->addWidget(units, 3, 0);
  layout->setRowStretch(4, 1);
  layout->setColumnStretch(2, 1);
}

void CommonScreen::Fill(const ScreenRequest &) { binder_->Fill(); }

void CommonScreen::EnableScanGroup() {
  const bool on = scan_->currentIndex() != 0;
  for (QWidget *w : scanGroup_)
    w->setEnabled(on);
  for (QFrame *line : scanLines_)
    FillSolid(line, on ? kLineOn : kLineOff);
}

} // namespace kv508::ui

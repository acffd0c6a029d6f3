#include "ui/screens/weather_screen.h"

#include "app/session.h"
#include "model/convert.h"
#include "report/channel_grid_text.h"
#include "ui/help_topics.h"
#include "ui/layout_rules.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/widget_props.h"
#include "ui/screens/widgets.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

constexpr int kNameLength = 16;
QString EnableHint() {
  return QCoreApplication::translate("WeatherScreen", "Select[x]Enable/[]Disable.");
}
QString NameHint() {
  return QCoreApplication::translate("WeatherScreen", "A maximum of 12 characters");
}
const QString kMarker = QStringLiteral(">");
const QString kNoMarker = QStringLiteral(" ");

// The boxes have no caption of their own: the one with the focus shows ">".
class FocusMarker : public QObject {
public:
  using QObject::QObject;
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
      if (auto *box = qobject_cast<QCheckBox *>(watched))
        box->setText(event->type() == QEvent::FocusIn ? kMarker : kNoMarker);
    }
    return false;
  }
};

} // namespace

WeatherScreen::WeatherScreen(ScreenContext &context) : PanelScreen(context, "fraWeather") {
  QWidget *p = panel_.get();
  marker_ = new FocusMarker(p);
  auto *grid = new QGridLayout;
  grid->addWidget(NewLabel(p, tr("Enable")), 0, 1);
  grid->addWidget(NewLabel(p, tr("Scan Memory")), 0, 2);
  grid->addWidget(NewLabel(p, tr("CH Name")), 0, 3);
  for (int i = 0; i < kRows; ++i)
    AddRow(grid, i);
  grid->setColumnMinimumWidth(3, ToPixels(2400));
  auto *layout = new QVBoxLayout(p);
  layout->addLayout(grid);
  layout->addStretch(1);
}

void WeatherScreen::AddRow(QGridLayout *grid, int i) {
  QWidget *p = panel_.get();
  Row &row = rows_[static_cast<std::size_t>(i)];
  row.label = NewLabel(p, ToQt(WxChannelLabel(i)));
  row.enable = NewBox(p, Indexed("chkWxEnable", i), kNoMarker, kHelpChannelEnable);
  SetHint(row.enable, EnableHint());
  row.scan = NewBox(p, Indexed("chkWxScan", i), kNoMarker, kHelpScanMemory);
  row.name = new QLineEdit(p);
  row.name->setObjectName(Indexed("txtWxName", i));
  Restrict(row.name, kNameAlphabet, kNameLength);
  FitChars(row.name, kNameLength, QLatin1Char('W'));
  SetHint(row.name, NameHint());
  SetHelpTopic(row.name, kHelpChannelName);
  row.enable->installEventFilter(marker_);
  row.scan->installEventFilter(marker_);

  // The column headings name a row's edits.
  binder_.Check(row.enable, tr("Enable"), Rec(i, &ChannelRecord::Enable),
                Binder::Hooks{}.Enabling([this, i] { ApplyRowRule(i); }));
  binder_.Check(row.scan, tr("Scan Memory"), Rec(i, &ChannelRecord::ScanMemory));
  binder_.Text(row.name, tr("CH Name"), Rec(i, &ChannelRecord::ChTag));

  grid->addWidget(row.label, i + 1, 0);
  grid->addWidget(row.enable, i + 1, 1, Qt::AlignHCenter);
  grid->addWidget(row.scan, i + 1, 2, Qt::AlignHCenter);
  grid->addWidget(row.name, i + 1, 3);
}

ChannelRecord &WeatherScreen::Record(RadioData &data, int row) {
  return data.CHWX.Contains(row) ? data.CHWX[row] : missing_;
}

void WeatherScreen::ApplyRowRule(int i) {
  const Row &row = rows_[static_cast<std::size_t>(i)];
  const bool exists = session().data.CHWX.Contains(i);
  row.enable->setEnabled(exists);
  row.scan->setEnabled(exists && row.enable->isChecked());
  row.name->setEnabled(exists && row.enable->isChecked());
}

} // namespace kv508::ui

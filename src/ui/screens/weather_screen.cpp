#include "ui/screens/weather_screen.h"

#include "app/session.h"
#include "report/channel_grid_text.h"
#include "ui/layout_rules.h"
#include "ui/screens/binder.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

constexpr int kHelpEnable = 1028;
constexpr int kHelpScan = 1033;
constexpr int kHelpName = 1034;
constexpr int kNameLength = 16;
const QString kEnableHint = QStringLiteral("Select[x]Enable/[]Disable.");
const QString kNameHint = QStringLiteral("A maximum of 12 characters");
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

QString Indexed(const char *name, int i) {
  return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(i);
}

} // namespace

WeatherScreen::WeatherScreen(ScreenContext &context)
    : context_(context), panel_(std::make_unique<QWidget>()) {
  panel_->setObjectName(QStringLiteral("fraWeather"));
  binder_ = new Binder(context_.session(), panel_.get());
  auto *marker = new FocusMarker(panel_.get());

  auto *grid = new QGridLayout;
  grid->addWidget(new QLabel(QStringLiteral("Enable"), panel_.get()), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Scan Memory"), panel_.get()), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("CH Name"), panel_.get()), 0, 3);
  for (int i = 0; i < kRows; ++i) {
    Row &row = rows_[i];
    row.label = new QLabel(ToQt(WxChannelLabel(i)), panel_.get());
    row.enable = new QCheckBox(kNoMarker, panel_.get());
    row.enable->setObjectName(Indexed("chkWxEnable", i));
    SetHint(row.enable, kEnableHint);
    SetHelpTopic(row.enable, kHelpEnable);
    row.scan = new QCheckBox(kNoMarker, panel_.get());
    row.scan->setObjectName(Indexed("chkWxScan", i));
    SetHelpTopic(row.scan, kHelpScan);
    row.name = new QLineEdit(panel_.get());
    row.name->setObjectName(Indexed("txtWxName", i));
    // The column headings name a row's edits.
    row.enable->setProperty("editName", QStringLiteral("Enable"));
    row.scan->setProperty("editName", QStringLiteral("Scan Memory"));
    row.name->setProperty("editName", QStringLiteral("CH Name"));
    Restrict(row.name, kNameAlphabet, kNameLength);
    SetHint(row.name, kNameHint);
    SetHelpTopic(row.name, kHelpName);
    row.enable->installEventFilter(marker);
    row.scan->installEventFilter(marker);

    binder_->Check(
        row.enable, [this, i](RadioData &d) -> bool & { return Record(d, i).Enable; },
        [this, i] { ApplyRowRule(i); });
    binder_->Check(row.scan, [this, i](RadioData &d) -> bool & { return Record(d, i).ScanMemory; });
    binder_->Text(row.name,
                  [this, i](RadioData &d) -> std::string & { return Record(d, i).ChTag; });

    grid->addWidget(row.label, i + 1, 0);
    grid->addWidget(row.enable, i + 1, 1, Qt::AlignHCenter);
    grid->addWidget(row.scan, i + 1, 2, Qt::AlignHCenter);
    grid->addWidget(row.name, i + 1, 3);
  }
  grid->setColumnMinimumWidth(3, ToPixels(2400));
  auto *layout = new QVBoxLayout(panel_.get());
  layout->addLayout(grid);
  layout->addStretch(1);
}

WeatherScreen::~WeatherScreen() = default;

QWidget *WeatherScreen::Panel() { return panel_.get(); }

ChannelRecord &WeatherScreen::Record(RadioData &data, int row) {
  return data.CHWX.Contains(row) ? data.CHWX[row] : missing_;
}

void WeatherScreen::ApplyRowRule(int i) {
  const Row &row = rows_[i];
  const bool exists = context_.session().data.CHWX.Contains(i);
  row.enable->setEnabled(exists);
  row.scan->setEnabled(exists && row.enable->isChecked());
  row.name->setEnabled(exists && row.enable->isChecked());
}

void WeatherScreen::Fill(const ScreenRequest &) { binder_->Fill(); }

void WeatherScreen::Refill() { binder_->Fill(); }

} // namespace kv508::ui

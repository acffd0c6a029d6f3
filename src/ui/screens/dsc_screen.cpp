#include "ui/screens/dsc_screen.h"

#include "app/session.h"
#include "link/transfer.h"
#include "ui/screens/binder.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/dsc_advanced_pages.h"
#include "ui/screens/dsc_basic_page.h"
#include "ui/screens/screen_context.h"
#include "ui/screens/setup_widgets.h"
#include "ui/screens/widget_props.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

constexpr int kHelpTopic = 1092;
const char *const kDisplayRows[] = {"Individual ACK Menu", "Individual ACK Message Menu",
                                    "POS Request ACK Menu"};

QWidget *BuildDisplayPage(Binder &binder) {
  auto *page = new QWidget;
  page->setObjectName(QStringLiteral("fraDscDisplay"));
  auto *grid = new QGridLayout(page);
  for (int k = 0; k < 3; ++k) {
    auto *box = NewList(page, Indexed("cmbDscDisplay", k), kOffOnChoices);
    binder.OnOff(box,
                 [k](RadioData &d) -> bool & { return d.DscDisplay[static_cast<std::size_t>(k)]; });
    grid->addWidget(NewLabel(page, QLatin1String(kDisplayRows[k])), k, 0);
    grid->addWidget(box, k, 1);
  }
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(2, 1);
  return page;
}

} // namespace

std::string ClearQuestion(int mode) {
  std::string what;
  switch (mode) {
  case kClearMmsi:
    what = "The User MMSI and its setting count in the radio will be erased.";
    break;
  case kClearDscLog:
    what = "The DSC log in the radio will be erased.";
    break;
  case kClearDistressLog:
    what = "The distress log in the radio will be erased.";
    break;
  case kClearIndividual:
    what = "The individual directory in the radio will be erased.";
    break;
  case kClearGroup:
    what = "The group directory in the radio will be erased.";
    break;
  case kClearWaypoint:
    what = "The waypoint directory in the radio will be erased.";
    break;
  case kClearDscTxLog:
    what = "The DSC TX log in the radio will be erased.";
    break;
  default:
    what = "The DSC log, the distress log, the DSC TX log and the individual, group and "
           "waypoint directories in the radio will be erased.";
    break;
  }
  return what + "\r\nDo you want to continue?";
}

DscScreen::DscScreen(ScreenContext &context)
    : context_(context), panel_(new QWidget), binder_(new Binder(context.session(), panel_)) {
  panel_->setObjectName(QStringLiteral("fraDsc"));
  SetHelpTopic(panel_, kHelpTopic);
  tabs_ = new QTabWidget(panel_);
  tabs_->setObjectName(QStringLiteral("tabDsc"));
  basic_ = new DscBasicPage(context.session(), panel_, *binder_);
  const DscAdvancedPages advanced = BuildDscAdvancedPages(*binder_);
  tabs_->addTab(basic_, QStringLiteral("Basic Setup"));
  tabs_->addTab(advanced.first, QStringLiteral("Advanced Setup1"));
  tabs_->addTab(advanced.second, QStringLiteral("Advanced Setup2"));
  tabs_->addTab(BuildDisplayPage(*binder_), QStringLiteral("Display Setup"));
  auto *layout = new QVBoxLayout(panel_);
  layout->addWidget(tabs_);
  PageChosen(0);
  QObject::connect(tabs_, &QTabWidget::currentChanged, panel_,
                   [this](int page) { PageChosen(page); });

  QObject::connect(basic_->ClearButton(), &QPushButton::clicked, panel_, [this] {
    RunClear(kClearMmsi);
    basic_->ShowCount();
  });
  for (int k = 0; k < static_cast<int>(advanced.clearButtons.size()); ++k) {
    QObject::connect(advanced.clearButtons[static_cast<std::size_t>(k)], &QPushButton::clicked,
                     panel_, [this, k] { RunClear(ClearLogMode(k)); });
  }
}

void DscScreen::Fill(const ScreenRequest &) {
  basic_->ShowStored();
  binder_->Fill();
}

void DscScreen::PageChosen(int page) {
  // A refused User MMSI keeps the user on its page.
  CommitLineEdit *mmsi = basic_->UserMmsi();
  if (page != 0 && mmsi->IsEdited() && !mmsi->Commit()) {
    tabs_->setCurrentIndex(0);
    mmsi->setFocus(Qt::OtherFocusReason);
    return;
  }
  for (int i = 0; i < tabs_->count(); ++i)
    tabs_->widget(i)->setEnabled(i == page);
}

bool DscScreen::RunClear(int mode) {
  Session &session = context_.session();
  if (session.state.Busy || !panel_->isEnabled())
    return false;
  // An OK/Cancel question with the critical icon has Cancel as its default.
  if (session.host.Message(Icon::Critical, "Clear Data", ClearQuestion(mode), Buttons::OkCancel) !=
      Answer::Ok)
    return false;
  if (!context_.CommitActiveEdit() || !context_.RunTransfer(mode))
    return false;
  context_.ShowSelectedNodeAgain();
  session.state.DataChanged = true;
  return true;
}

} // namespace kv508::ui

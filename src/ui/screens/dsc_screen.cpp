#include "ui/screens/dsc_screen.h"

#include "app/session.h"
#include "app/transfer_mode.h"
#include "ui/help_topics.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/dsc_advanced_pages.h"
#include "ui/screens/dsc_basic_page.h"
#include "ui/screens/widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv508::ui {

namespace {

const char *const kDisplayRows[] = {QT_TRANSLATE_NOOP("DscScreen", "Individual ACK Menu"),
                                    QT_TRANSLATE_NOOP("DscScreen", "Individual ACK Message Menu"),
                                    QT_TRANSLATE_NOOP("DscScreen", "POS Request ACK Menu")};

QWidget *BuildDisplayPage(Binder &binder) {
  auto *page = new QWidget;
  page->setObjectName(QStringLiteral("fraDscDisplay"));
  auto *grid = new QGridLayout(page);
  for (int k = 0; k < 3; ++k) {
    auto *box = NewList(page, Indexed("cmbDscDisplay", k), OffOnChoices());
    const QString row = DscScreen::tr(kDisplayRows[k]);
    binder.OnOff(box, row, Field(&RadioSettings::DscDisplay, k));
    grid->addWidget(NewLabel(page, row), k, 0);
    grid->addWidget(box, k, 1);
  }
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(2, 1);
  return page;
}

std::string ErasedArea(int mode) {
  switch (mode) {
  case kClearMmsi:
    return "The User MMSI and its setting count";
  case kClearDscLog:
    return "The DSC log";
  case kClearDistressLog:
    return "The distress log";
  case kClearIndividual:
    return "The individual directory";
  case kClearGroup:
    return "The group directory";
  case kClearWaypoint:
    return "The waypoint directory";
  case kClearDscTxLog:
    return "The DSC TX log";
  default:
    return "The DSC log, the distress log, the DSC TX log and the individual, group and "
           "waypoint directories";
  }
}

std::string ClearQuestion(int mode) {
  return ErasedArea(mode) + " in the radio will be erased.\r\nDo you want to continue?";
}
} // namespace

DscScreen::DscScreen(ScreenContext &context) : PanelScreen(context, "fraDsc", kHelpDsc) {
  QWidget *p = panel_.get();
  tabs_ = new QTabWidget(p);
  tabs_->setObjectName(QStringLiteral("tabDsc"));
  // Every tab shows in full: scroll arrows would hide one and take no focus.
  tabs_->tabBar()->setUsesScrollButtons(false);
  tabs_->tabBar()->setElideMode(Qt::ElideNone);
  basic_ = new DscBasicPage(context, binder_);
  const DscAdvancedPages advanced = BuildDscAdvancedPages(binder_);
  tabs_->addTab(basic_, tr("Basic Setup"));
  tabs_->addTab(advanced.first, tr("Advanced Setup1"));
  tabs_->addTab(advanced.second, tr("Advanced Setup2"));
  tabs_->addTab(BuildDisplayPage(binder_), tr("Display Setup"));
  auto *layout = new QVBoxLayout(p);
  layout->addWidget(tabs_);
  PageChosen(0);
  QObject::connect(tabs_, &QTabWidget::currentChanged, p, [this](int page) { PageChosen(page); });

  QPushButton *mmsiClear = basic_->ClearButton();
  QObject::connect(mmsiClear, &QPushButton::clicked, p, [this, mmsiClear] {
    RunClear(kClearMmsi, tr("MMSI Clear"), mmsiClear);
    basic_->ShowCount();
  });
  for (const ClearButton &clear : advanced.clearButtons) {
    QObject::connect(clear.button, &QPushButton::clicked, p,
                     [this, clear] { RunClear(clear.mode, clear.name, clear.button); });
  }
}

void DscScreen::AfterFill() { basic_->ShowStored(); }

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

bool DscScreen::RunClear(int mode, const QString &name, const QPushButton *button) {
  Session &s = session();
  if (!Editable())
    return false;
  // An OK/Cancel question with the critical icon has Cancel as its default.
  if (s.host.Message(Icon::Critical, "Clear Data", ClearQuestion(mode), Buttons::OkCancel) !=
      Answer::Ok)
    return false;
  return context_.CommitActiveEdit() && context_.RunClear(mode, Place(name, button));
}

} // namespace kv508::ui

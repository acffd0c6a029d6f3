#include "ui/model_menu.h"

#include "app/config.h"
#include "app/new_data.h"
#include "app/user_prefs.h"
#include "ui/edit_controller.h"
#include "ui/file_commands.h"
#include "ui/navigator.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kv508::ui {

ModelMenu::ModelMenu(WindowParts parts, FileCommands &files, std::filesystem::path globalIni,
                     std::function<void(const QString &)> shown)
    : QObject(&parts.window), parts_(parts), files_(files), globalIni_(std::move(globalIni)),
      shown_(std::move(shown)) {}

void ModelMenu::AddModelMenu(QMenu *editMenu) {
  modelMenu_ = editMenu->addMenu(tr("&Model"));
  modelMenu_->setObjectName(QStringLiteral("mnuEditModel"));
  for (int i = 0; i < 10; ++i) {
    QAction *a = modelMenu_->addAction(tr("model %1").arg(i + 1));
    a->setObjectName(QStringLiteral("mnuModel_%1").arg(i));
    a->setCheckable(true);
    a->setEnabled(false);
    a->setVisible(false);
    connect(a, &QAction::triggered, this, [this, i] {
      SyncModels();
      ChangeModel(i);
    });
    models_[static_cast<std::size_t>(i)] = a;
  }
  // The Model submenu shows when there is a choice.
  modelMenu_->menuAction()->setVisible(false);
}

void ModelMenu::AddDestinationMenu(QMenuBar *bar) {
  destinationMenu_ = bar->addMenu(tr("&Destination"));
  destinationMenu_->setObjectName(QStringLiteral("mnuDestination"));
  for (int i = 0; i < kDestinationEntries; ++i) {
    QAction *a = destinationMenu_->addAction(QStringLiteral("DST%1").arg(i));
    a->setObjectName(QStringLiteral("mnuDst_%1").arg(i));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, i] {
      SyncDestinations();
      ChangeDestination(i);
    });
    destinations_[static_cast<std::size_t>(i)] = a;
  }
  destinationMenu_->setEnabled(false);
}

void ModelMenu::Offer(const std::vector<int> &offered, bool showMenu) {
  for (int index : offered) {
    if (index < 1 || index > 10)
      continue;
    QAction *a = models_[static_cast<std::size_t>(index - 1)];
    a->setText(ToQt(ModelMenuCaption(index)));
    a->setEnabled(true);
    a->setVisible(true);
  }
  modelMenu_->menuAction()->setVisible(showMenu);
  SyncModels();
}

void ModelMenu::SyncModels() {
  const int variant = parts_.session.model.ModelVariant;
  for (int i = 0; i < 10; ++i)
    models_[static_cast<std::size_t>(i)]->setChecked(i + 1 == variant);
  shown_(ToQt(ModelName(variant)));
}

void ModelMenu::SyncDestinations() {
  const DestinationMenu &menu = parts_.session.destinations;
  destinationMenu_->setEnabled(menu.Enabled);
  for (int i = 0; i < kDestinationEntries; ++i) {
    QAction *a = destinations_[static_cast<std::size_t>(i)];
    const std::string &caption = menu.Captions[static_cast<std::size_t>(i)];
    a->setText(ToQt(caption));
    a->setVisible(!caption.empty());
    a->setChecked(menu.Checked == i);
  }
}

void ModelMenu::ChangeModel(int menuIndex) {
  Session &session = parts_.session;
  const int index = menuIndex + 1;
  if (index == session.model.ModelVariant)
    return;
  const Answer answer = parts_.host.Message(
      Icon::Exclamation, session.state.TitleText,
      "Do you want to program the " + ModelName(index) + " series?", Buttons::OkCancel);
  if (answer != Answer::Ok || !parts_.navigator.CommitActiveEdit() || !files_.SaveChangesFirst())
    return;
  ModelSelection selection;
  selection.ModelVariant = static_cast<std::int16_t>(index);
  selection.AtisCapable = ReadAtisCapable(globalIni_, index);
  selection.TitleText = TitleTextFor(index);
  ApplyModelSelection(session, selection);
  SyncModels();
  prefs::SetLastModel(session.settings, index);
  // The question about unsaved data was asked before the model changed.
  files_.StartNew();
}

void ModelMenu::ChangeDestination(int menuIndex) {
  Session &session = parts_.session;
  if (menuIndex < 0 || menuIndex >= kDestinationEntries)
    return;
  const std::string caption = session.destinations.Captions[static_cast<std::size_t>(menuIndex)];
  if (session.destinations.Checked != menuIndex) {
    const Answer answer =
        parts_.host.Message(Icon::Exclamation, session.state.TitleText,
                            "Do you want to change to " + caption + "?", Buttons::OkCancel);
    if (answer != Answer::Ok)
      return;
  }
  if (!parts_.navigator.CommitActiveEdit() || !files_.SaveChangesFirst())
    return;
  {
    ReplacingData replacing(session);
    WorkingScope working(parts_.host);
    parts_.navigator.ShowGeneral();
    parts_.host.RepaintPause(500);
    NewData(session, false);
    LoadDestination(session, menuIndex);
    parts_.edits.Loaded();
  }
  parts_.navigator.Hint(QString());
}

} // namespace kv508::ui

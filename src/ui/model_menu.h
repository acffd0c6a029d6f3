#pragma once

// Edit > Model and the Destination menu: the models global.ini offers and the
// destination images of the model in use. Changing either replaces the data.

#include "app/session.h"
#include "ui/window_parts.h"
#include <QCoreApplication>

#include <QObject>

#include <array>
#include <filesystem>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace kv508::ui {

class FileCommands;

class ModelMenu : public QObject {
  Q_DECLARE_TR_FUNCTIONS(ModelMenu)

public:
  // `shown` receives the name of the model in use for the status bar.
  ModelMenu(WindowParts parts, FileCommands &files, std::filesystem::path globalIni,
            std::function<void(const QString &)> shown);
  void AddModelMenu(QMenu *editMenu);
  void AddDestinationMenu(QMenuBar *bar);

  // The start-up choice: the models offered, the one in use.
  void Offer(const std::vector<int> &offered, bool showMenu);
  void ChangeModel(int menuIndex);
  void ChangeDestination(int menuIndex);
  // The Destination menu follows the session's destination list.
  void SyncDestinations();
  void SyncModels();

private:
  WindowParts parts_;
  FileCommands &files_;
  std::filesystem::path globalIni_;
  std::function<void(const QString &)> shown_;
  QMenu *modelMenu_ = nullptr;
  QMenu *destinationMenu_ = nullptr;
  std::array<QAction *, 10> models_{};
  std::array<QAction *, kDestinationEntries> destinations_{};
};

} // namespace kv508::ui

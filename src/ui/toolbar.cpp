// The toolbar of frmMain: its buttons run the menu entries of the same
// commands, and only while those are enabled.

#include "ui/toolbar.h"

#include "ui/svg_picture.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace kv508::ui {

void CreateToolBar(QMainWindow &window) {
  QToolBar *bar = window.addToolBar(QObject::tr("Toolbar"));
  bar->setObjectName(QStringLiteral("Toolbar1"));
  bar->setMovable(false);
  bar->setIconSize(QSize(20, 20));
  // The program's own pictures rather than the desktop theme's: drawn in the
  // palette's ink, they read in a light and in a dark scheme alike.
  const auto icon = [](const char *own) { return SvgIcon(QLatin1String(own)); };
  struct Button {
    const char *key; // null: a separator
    const char *tip;
    QIcon icon;
    const char *menuEntry;
  };
  const QIcon program = icon(":/icons/program.svg");
  const QIcon read = icon(":/icons/read.svg");
  const Button buttons[] = {
      {"New", "New", icon(":/icons/new.svg"), "mnuFileNew"},
      {"Open", "Open...", icon(":/icons/open.svg"), "mnuFileOpen"},
      {"Save", "Save", icon(":/icons/save.svg"), "mnuFileSave"},
      {nullptr, nullptr, {}, nullptr},
      {"Print", "Print", icon(":/icons/print.svg"), "mnuFilePrint"},
      {nullptr, nullptr, {}, nullptr},
      {"Program", "Program to Radio", program, "mnuTransferProgram"},
      {"Program2", "Program to Radio", program, "mnuTransferProgram"},
      {"Read", "Read from Radio", read, "mnuTransferRead"},
      {"Read2", "Read from Radio", read, "mnuTransferRead"},
  };
  for (const Button &b : buttons) {
    if (!b.key) {
      bar->addSeparator();
      continue;
    }
    QAction *a = bar->addAction(b.icon, QLatin1String(b.key));
    a->setObjectName(QLatin1String(b.key));
    a->setToolTip(QLatin1String(b.tip));
    a->setStatusTip(QLatin1String(b.tip));
    const QString entry = QLatin1String(b.menuEntry);
    a->setProperty("menuEntry", entry);
    // The two transfer buttons say what they do beside their pictures.
    if (entry.startsWith(QLatin1String("mnuTransfer"))) {
      if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(a)))
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    // A button runs its menu entry, and only while that entry is enabled.
    QObject::connect(a, &QAction::triggered, &window, [&window, entry] {
      QAction *menuAction = window.menuBar()->findChild<QAction *>(entry);
      if (menuAction && menuAction->isEnabled())
        menuAction->trigger();
    });
  }
}

} // namespace kv508::ui

// The toolbar of frmMain: its buttons run the menu entries of the same
// commands, and only while those are enabled.

#include "ui/toolbar.h"

#include "ui/svg_picture.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace kv508::ui {

void CreateToolBar(QMainWindow &window) {
  QToolBar *bar = window.addToolBar(QCoreApplication::translate("Toolbar", "Toolbar"));
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
      {QT_TRANSLATE_NOOP("Toolbar", "New"), QT_TRANSLATE_NOOP("Toolbar", "New"),
       icon(":/icons/new.svg"), "mnuFileNew"},
      {QT_TRANSLATE_NOOP("Toolbar", "Open"), QT_TRANSLATE_NOOP("Toolbar", "Open..."),
       icon(":/icons/open.svg"), "mnuFileOpen"},
      {QT_TRANSLATE_NOOP("Toolbar", "Save"), QT_TRANSLATE_NOOP("Toolbar", "Save"),
       icon(":/icons/save.svg"), "mnuFileSave"},
      {nullptr, nullptr, {}, nullptr},
      {QT_TRANSLATE_NOOP("Toolbar", "Print"), QT_TRANSLATE_NOOP("Toolbar", "Print"),
       icon(":/icons/print.svg"), "mnuFilePrint"},
      {nullptr, nullptr, {}, nullptr},
      {QT_TRANSLATE_NOOP("Toolbar", "Program"), QT_TRANSLATE_NOOP("Toolbar", "Program to Radio"),
       program, "mnuTransferProgram"},
      {"Program2", QT_TRANSLATE_NOOP("Toolbar", "Program to Radio"), program, "mnuTransferProgram"},
      {QT_TRANSLATE_NOOP("Toolbar", "Read"), QT_TRANSLATE_NOOP("Toolbar", "Read from Radio"), read,
       "mnuTransferRead"},
      {"Read2", QT_TRANSLATE_NOOP("Toolbar", "Read from Radio"), read, "mnuTransferRead"},
  };
  for (const Button &b : buttons) {
    if (!b.key) {
      bar->addSeparator();
      continue;
    }
    QAction *a = bar->addAction(b.icon, QCoreApplication::translate("Toolbar", b.key));
    a->setObjectName(QLatin1String(b.key));
    a->setToolTip(QCoreApplication::translate("Toolbar", b.tip));
    a->setStatusTip(a->toolTip());
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

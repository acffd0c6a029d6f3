#include "ui/help_menu.h"

#include "app/session.h"
#include "ui/about_dialog.h"
#include "ui/help_topics.h"
#include "ui/help_window.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_host.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>

namespace kv508::ui {

HelpMenu::HelpMenu(WindowParts parts) : QObject(&parts.window), parts_(parts) {}

void HelpMenu::AddMenu(QMenuBar *bar) {
  QMenu *help = bar->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  const auto add = [&](const char *name, const QString &text, void (HelpMenu::*command)()) {
    QAction *a = help->addAction(text);
    a->setObjectName(QLatin1String(name));
    connect(a, &QAction::triggered, this, command);
    return a;
  };
  contents_ = add("mnuHelpContents", tr("&Contents"), &HelpMenu::Contents);
  add("mnuHelpBackups", tr("Show &Backup Folder"), &HelpMenu::ShowBackupFolder);
  help->addSeparator();
  add("mnuHelpAbout", tr("&About KMT Version"), &HelpMenu::About);
}

void HelpMenu::SetHelpFile(std::filesystem::path file) {
  helpFile_ = std::move(file);
  contents_->setEnabled(!helpFile_.empty());
}

void HelpMenu::Contents() { ShowTopic(kHelpContents, parts_.session.state.TitleText); }

void HelpMenu::ForFocus() {
  const int topic = HelpTopicFor(QApplication::focusWidget());
  ShowTopic(topic > 0 ? topic : kHelpContents, parts_.session.state.TitleText);
}

void HelpMenu::ShowTopic(int topic, const std::string &messageTitle) {
  if (helpFile_.empty()) {
    parts_.host.Message(Icon::Information, messageTitle,
                        "Unable to display Help Contents. There is no Help associated with this "
                        "project.",
                        Buttons::Ok);
    return;
  }
  if (!window_)
    window_ = new HelpWindow(&parts_.window);
  window_->ShowTopic(QtFromPath(helpFile_), topic);
}

void HelpMenu::ShowBackupFolder() { ShowBackupFolder(parts_, &parts_.window); }

void HelpMenu::ShowBackupFolder(const WindowParts &parts, QWidget *parent) {
  const std::filesystem::path &folder = parts.session.backups.folder;
  const std::string &title = parts.session.state.TitleText;
  std::error_code ec;
  if (!folder.empty())
    std::filesystem::create_directories(folder, ec);
  if (folder.empty()) {
    parts.host.Message(Icon::Exclamation, title,
                       "Backups are off: there is no per-user data folder.", Buttons::Ok);
  } else if (ec || !parts.dialogs.ShowFolder(parent, QtFromPath(folder))) {
    // Without a file manager the path still lets the user get there.
    if (parts.host.Message(Icon::Exclamation, title,
                           "The backup folder " + folder.string() +
                               " cannot be opened.\r\nCopy its path to the clipboard?",
                           Buttons::YesNo) == Answer::Yes)
      QGuiApplication::clipboard()->setText(QtFromPath(folder));
  }
}

void HelpMenu::About() {
  AboutDialog about(&parts_.window);
  about.exec();
  parts_.ActivateAgain();
}

void HelpMenu::CloseHelp() {
  if (window_)
    window_->close();
}

} // namespace kv508::ui

#pragma once

// What the window tests share: common dialogs answered from a script, a
// program folder built by code, and a main window started over them.

#include "fake_host.h"
#include "model/radio_data.h"
#include "ui/edit_controller.h"
#include "ui/file_commands.h"
#include "ui/help_menu.h"
#include "ui/main_window.h"
#include "ui/model_menu.h"
#include "ui/navigator.h"
#include "ui/port_menu.h"
#include "ui/radio_commands.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QTreeWidget;

namespace kv508::testing {

// global.ini texts: model 1 with ATIS, and models 1 and 2.
inline const std::string kAtisIni = "[model1]\nuse=1\natis=True\n";
inline const std::string kTwoModelsIni = kAtisIni + "[model2]\nuse=1\natis=False\n";
// The MID table every program folder gets: a few countries.
inline const std::string kMidTable = "mid,country\n219,Denmark\n232,United Kingdom\n257,Norway\n";

// Records what was asked in `asked` ("open:"/"save:" and the filter, "folder:"
// and the folder, "printer", "noprinter", "device") and answers from the script.
class ScriptedDialogs : public ui::UiDialogs {
public:
  QString OpenFileName(QWidget *, const QString &filter, const QString &folder) override {
    return Ask(QStringLiteral("open:") + filter, folder, openAnswers);
  }
  QString SaveFileName(QWidget *, const QString &filter, const QString &folder, const QString &,
                       const QString &title) override {
    titles << title;
    return Ask(QStringLiteral("save:") + filter, folder, saveAnswers);
  }
  bool SetUpPrinter(QWidget *, QPrinter &p) override {
    asked << QStringLiteral("printer");
    return printer && printer(p);
  }
  bool PrinterInstalled() override { return printerInstalled; }
  NoPrinterChoice NoPrinter(QWidget *) override {
    asked << QStringLiteral("noprinter");
    return noPrinterChoice;
  }
  QString DevicePath(QWidget *, const QString &) override {
    asked << QStringLiteral("device");
    return device;
  }
  bool ShowFolder(QWidget *, const QString &folder) override {
    asked << QStringLiteral("folder:") + folder;
    return folderShown;
  }
  // The own MMSI typed again and the check's findings are answered here
  // (the same MMSI, Program Anyway) unless a test drives the real dialogs.
  Repeat RepeatOwnMmsi(QWidget *parent, const QString &typed, const QString &info) override {
    repeats << info;
    return realDialogs ? UiDialogs::RepeatOwnMmsi(parent, typed, info) : repeatAnswer;
  }
  FindingsAnswer ShowFindings(QWidget *parent, const std::vector<Finding> &findings,
                              const QString &note, bool beforeProgram) override {
    QStringList lines;
    for (const Finding &finding : findings)
      lines << QString::fromStdString(FindingLine(finding));
    findingsShown.push_back(lines);
    if (realDialogs)
      return UiDialogs::ShowFindings(parent, findings, note, beforeProgram);
    if (!beforeProgram)
      return {};
    return {FindingsAnswer::Choice::ProgramAnyway, -1};
  }
  // Answers from openAnswers too: the backup chosen.
  QString ChooseBackup(QWidget *, const std::filesystem::path &folder,
                       const std::function<void()> &) override {
    return Ask(QStringLiteral("backups"), ui::QtFromPath(folder), openAnswers);
  }

  std::deque<QString> openAnswers; // then cancelled
  std::deque<QString> saveAnswers; // then cancelled
  std::function<bool(QPrinter &)> printer;
  QString device;
  bool printerInstalled = true;
  NoPrinterChoice noPrinterChoice = NoPrinterChoice::Cancel;
  bool folderShown = true;
  QStringList asked;
  QStringList titles;  // of each save dialog
  QStringList folders; // the folder each file dialog started in
  bool realDialogs = false;
  Repeat repeatAnswer = Repeat::Same;
  QStringList repeats;                    // the kind and country each repeat showed
  std::vector<QStringList> findingsShown; // the lines of each findings list

private:
  QString Ask(const QString &what, const QString &folder, std::deque<QString> &answers) {
    asked << what;
    folders << folder;
    if (answers.empty())
      return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

std::string ReadAll(const QString &path);
// Every message shown, as "title: text", with "!" before an exclamation.
QString Said(const FakeHost &host);

class ProgramFolder {
public:
  ProgramFolder() { dir_.setAutoRemove(true); }
  std::filesystem::path Path() const;
  QString File(const QString &name) const { return dir_.filePath(name); }
  void WriteText(const QString &name, const std::string &text) const;
  void WriteBytes(const QString &name, const MemoryImage &image) const {
    WriteText(name, std::string(image.begin(), image.end()));
  }

private:
  QTemporaryDir dir_;
};

struct WindowFixture {
  explicit WindowFixture(const std::string &globalIni = kAtisIni,
                         const std::string &arguments = "");
  // Runs the start-up sequence; false when it ended the program.
  bool Start();
  ui::MainWindow &Window() { return *window; }
  Session &S() { return window->session(); }
  QAction *Action(const char *name) { return window->findChild<QAction *>(QLatin1String(name)); }
  // Marks the data changed and scripts the answer to the next question.
  void ChangeDataAndAnswer(Answer answer) {
    S().state.DataChanged = true;
    host.answers.push_back(answer);
  }

  // Shows the window and makes it active, so that focus moves as for a user.
  bool Activate();
  // Selects the tree node as if clicked.
  void ShowNode(const QString &key) { window->navigator().SelectNodeByKey(key); }
  template <class T> T *Widget(const QString &name) { return window->findChild<T *>(name); }
  // Focus, then typed keys / a paste from the clipboard.
  static void Type(QWidget *widget, const QString &text);
  static void Paste(QWidget *widget, const QString &text);
  // Moves the focus to the tree, as a user leaving the field does.
  void Leave() { window->tree().setFocus(Qt::TabFocusReason); }
  // Chooses a list entry with the keyboard (Home, then Down).
  static void Choose(QComboBox *box, int index);
  QString StatusHint();

  FakeHost host;
  MemoryUserSettings settings;
  ScriptedDialogs dialogs;
  ProgramFolder folder;
  std::string arguments;
  std::filesystem::path backupFolder;  // none by default
  std::filesystem::path journalFolder; // none by default
  std::unique_ptr<ui::MainWindow> window;
};

// Declares the fixture `f` over a global.ini and arguments and runs start-up,
// failing the test when start-up ended the program.
#define KV508_START_WINDOW(f, ...)                                                                 \
  WindowFixture f{__VA_ARGS__};                                                                    \
  QVERIFY(f.Start())

// A screen to look at: a tree node and, for the DSC screen, its page.
struct ScreenShown {
  QString key;
  int page; // of the DSC screen; -1 for none
};
// Every kind of screen once, the DSC screen with each page; channel groups,
// channels and directory entries need every group switched on.
QList<ScreenShown> EveryScreen();
// Shows the screen and lets it lay itself out.
void ShowScreen(WindowFixture &f, const ScreenShown &screen);

// What a screen reader says a control is.
QString Name(QWidget *w);
// The object name, else the class.
QString Id(const QWidget *w);
// What Tab must reach in `container`: every visible, enabled widget that takes
// the focus by Tab and hands it to no other.
QList<QWidget *> Controls(QWidget *container);
// What keeps `container` from keyboard and screen-reader use: a control
// without a name, one Tab skips or visits twice, one out of reading order (above
// or left of one Tab reached before it). Tab starts at `from` and must come
// back to it; with none it starts at the focus inside `container` and must
// come round to it.
QStringList KeyboardFaults(QWidget *container, QWidget *from = nullptr);

// The texts of the tree in order, children indented by two blanks per level,
// children of channel groups and directories left out.
QStringList TreeOutline(QTreeWidget &tree);

} // namespace kv508::testing

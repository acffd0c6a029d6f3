// File > New, Open and Save in a running main window (offscreen), each timed
// from the menu command until the window is enabled again and has painted. The
// window runs on the real host, so the pauses it makes are the program's own;
// the file dialogs answer with one file, saved by the window itself at the start.
//
//   window_bench RUNS PROGRAM_DIR FILE.dat
//
// Prints one line per command: its name and the milliseconds of every run
// (process_bench reads them).

#include "app/user_settings.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"
#include "ui/ui_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace kv508;

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class BenchHost : public ui::QtHost {
public:
  // A message would wait for a click; the benchmark says what it was and goes on.
  Answer Message(Icon, const std::string &, const std::string &text, Buttons buttons) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
};

class OneFile : public ui::UiDialogs {
public:
  QString OpenFileName(QWidget *, const QString &, const QString &) override { return file; }
  QString SaveFileName(QWidget *, const QString &, const QString &, const QString &,
                       const QString &) override {
    return file;
  }
  bool SetUpPrinter(QWidget *, QPrinter &) override { return false; }
  bool PrinterInstalled() override { return false; }
  NoPrinterChoice NoPrinter(QWidget *) override { return NoPrinterChoice::Cancel; }
  QString DevicePath(QWidget *, const QString &) override { return {}; }
  QString ChooseBackup(QWidget *, const std::filesystem::path &,
                       const std::function<void()> &) override {
    return {};
  }
  QString file;
};

// Counts the window's enabled-state changes: every command that greys the
// window ends when it is enabled again.
class EnabledChanges : public QObject {
public:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::EnabledChange)
      ++count;
    return false;
  }
  int count = 0;
};

double TimeCommand(QWidget &window, EnabledChanges &changes, const char *action) {
  const int before = changes.count;
  bool givenUp = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&givenUp] { givenUp = true; });
  guard.start(10000);
  const auto start = Clock::now();
  window.findChild<QAction *>(QLatin1String(action))->trigger();
  // New runs once the menu has closed: wait until the window was greyed and is enabled again.
  while ((changes.count - before < 2 || !window.isEnabled()) && !givenUp)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
  const double ms = MsSince(start);
  if (givenUp)
    std::fprintf(stderr, "%s did not finish\n", action);
  return ms;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: window_bench RUNS PROGRAM_DIR FILE.dat\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform warns that it cannot raise a window; that is not news here.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
      std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QApplication app(argc, argv);
  const int runs = std::max(1, std::atoi(argv[1]));

  BenchHost host;
  MemoryUserSettings settings;
  OneFile dialogs;
  dialogs.file = QString::fromLocal8Bit(argv[3]);
  ui::MainWindow::Options options;
  options.programDir = argv[2];
  ui::MainWindow window(host, settings, dialogs, options);
  if (!window.StartUp())
    return 1;
  window.show();
  QCoreApplication::processEvents();
  EnabledChanges changes;
  window.installEventFilter(&changes);
  window.findChild<QAction *>(QStringLiteral("mnuFileSaveAs"))->trigger();

  const char *commands[] = {"mnuFileNew", "mnuFileOpen", "mnuFileSave"};
  std::vector<double> ms[3];
  for (int i = 0; i < runs; ++i) {
    for (int c = 0; c < 3; ++c)
      ms[c].push_back(TimeCommand(window, changes, commands[c]));
  }
  const char *names[] = {"new", "open", "save"};
  for (int c = 0; c < 3; ++c) {
    std::printf("%s", names[c]);
    for (double m : ms[c])
      std::printf(" %.3f", m);
    std::printf("\n");
  }
  return 0;
}

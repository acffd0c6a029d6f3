// How long the editing screens take to appear: the group grid of a bank with
// all 240 channels enabled, the expansion grid, a channel panel, the weather
// panel, and a rebuild of the navigation tree. Each show is timed from the
// tree selection until the window has painted; the screen in between is the
// General screen, so every timed show is a real fill. Prints the median.
//
//   screens_bench [repetitions]    (default 50; offscreen unless QT_QPA_PLATFORM is set)

#include "app/host.h"
#include "app/session.h"
#include "app/user_settings.h"
#include "ui/edit_controller.h"
#include "ui/main_window.h"
#include "ui/nav_tree.h"
#include "ui/navigator.h"
#include "ui/ui_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace kv508;

namespace {

class BenchHost : public Host {
public:
  Answer Message(Icon, const std::string &, const std::string &text, Buttons buttons) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
  void Yield() override {}
  void Pause(int) override {}
  std::int64_t NowMs() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
};

class NoDialogs : public ui::UiDialogs {
public:
  QString OpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
  QString SaveFileName(QWidget *, const QString &, const QString &, const QString &,
                       const QString &) override {
    return {};
  }
  bool SetUpPrinter(QWidget *, QPrinter &) override { return false; }
  bool PrinterInstalled() override { return false; }
  NoPrinterChoice NoPrinter(QWidget *) override { return NoPrinterChoice::Cancel; }
  QString DevicePath(QWidget *, const QString &) override { return {}; }
  QString ChooseBackup(QWidget *, const std::filesystem::path &,
                       const std::function<void()> &) override {
    return {};
  }
};

double MedianMs(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples.empty() ? 0.0 : samples[samples.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

  QTemporaryDir folder;
  QFile ini(QDir(folder.path()).filePath(QStringLiteral("global.ini")));
  if (!ini.open(QIODevice::WriteOnly) || ini.write("[model1]\nuse=1\natis=True\n") < 0)
    return 1;
  ini.close();

  BenchHost host;
  MemoryUserSettings settings;
  NoDialogs dialogs;
  ui::MainWindow::Options options;
  options.programDir = QFile::encodeName(folder.path()).toStdString();
  ui::MainWindow window(host, settings, dialogs, options);
  if (!window.StartUp())
    return 1;
  window.show();
  QApplication::processEvents();

  RadioData &data = window.session().data;
  for (ChannelRecord &r : data.CHUSA)
    r.Enable = true;
  for (int g = 0; g < 4; ++g)
    data.ChannelGroups[g].Enable = true;
  window.Refresh();
  ui::Navigator &navigator = window.navigator();

  const auto timeShow = [&](const char *key) {
    std::vector<double> samples;
    for (int i = 0; i < repetitions; ++i) {
      navigator.SelectNodeByKey(QStringLiteral("General"));
      QApplication::processEvents();
      QElapsedTimer timer;
      timer.start();
      navigator.SelectNodeByKey(QString::fromLatin1(key));
      QApplication::processEvents();
      samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return MedianMs(samples);
  };
  const auto report = [](const char *what, double ms) {
    std::printf("%-40s %8.2f ms\n", what, ms);
  };

  report("group grid PU (240 rows)", timeShow("PU"));
  report("expansion grid ExpChannel (64 rows)", timeShow("ExpChannel"));
  report("channel panel PU 17", timeShow("PU 17"));
  report("weather panel PW", timeShow("PW"));

  std::vector<double> samples;
  for (int i = 0; i < repetitions; ++i) {
    QElapsedTimer timer;
    timer.start();
    ui::BuildTree(window.tree(), data, true);
    samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  report("tree rebuild (BuildTree)", MedianMs(samples));

  // The cost of one undo step: a copy of the settings (all channels named) and
  // the comparison with the previous one that every recorded action makes.
  for (ChannelRecord &r : data.CHUSA)
    r.ChTag = "HARBOUR MASTER";
  const auto timeEach = [&](const std::function<void()> &work) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
      QElapsedTimer timer;
      timer.start();
      work();
      times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return MedianMs(times);
  };
  RadioSettings copy;
  const auto reportUs = [](const char *what, double ms) {
    std::printf("%-40s %8.1f us\n", what, ms * 1000.0);
  };
  reportUs("undo snapshot (copy of the settings)", timeEach([&] { copy = RadioSettings(data); }));
  bool same = false;
  reportUs("undo compare (equal settings)", timeEach([&] { same = copy == data; }));
  if (!same)
    std::printf("the snapshot differs from the settings\n");
  // The whole step: choose a list entry, record it, undo it.
  navigator.SelectNodeByKey(QStringLiteral("Common"));
  QApplication::processEvents();
  report("undo of one list choice (with redraw)", timeEach([&] {
           window.edits().Apply(
               {"Dual Watch", "Common", "cmbCommonDual"},
               [](RadioData &d) { d.Common.DualWatch = !d.Common.DualWatch; }, StepKind::Edit);
           window.edits().Undo();
           QApplication::processEvents();
         }));
  return 0;
}

// kv508-screenshots: opens the main window, the transfer dialog during a read
// of the simulated radio, the report window and the about box, and saves a
// picture of each; with a second argument it also prints the report into that
// PDF file. scripts/screenshot runs it under Xvfb for the README.

#include "app/config.h"
#include "app/user_prefs.h"
#include "report/report.h"
#include "ui/help_menu.h"
#include "ui/main_window.h"
#include "ui/navigator.h"
#include "ui/print_commands.h"
#include "ui/qt_host.h"
#include "ui/report_printer.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QPdfWriter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

// Answers every question with its first button and takes pictures on cue.
class ShowHost : public kv508::ui::QtHost {
public:
  kv508::Answer Message(kv508::Icon, const std::string &, const std::string &,
                        kv508::Buttons buttons) override {
    return buttons == kv508::Buttons::YesNoCancel ? kv508::Answer::No : kv508::Answer::Ok;
  }
  void Progress(int percent) override {
    if (onProgress)
      onProgress(percent);
  }
  std::function<void(int)> onProgress;
};

void Save(QWidget *widget, const QDir &folder, const char *name) {
  QApplication::processEvents();
  const QString path = folder.filePath(QLatin1String(name));
  if (!widget->grab().save(path))
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  else
    std::printf("%s\n", qPrintable(path));
}

// Runs fn once the modal window that opens next is up.
void WhenOpen(std::function<void()> fn) { QTimer::singleShot(300, std::move(fn)); }

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
  QDir().mkpath(out.path());

  ShowHost host;
  kv508::MemoryUserSettings settings;
  kv508::prefs::SetPortSource(settings, "sim");
  kv508::ui::QtDialogs dialogs;
  kv508::ui::MainWindow::Options options;
  options.programDir =
      kv508::LocateProgramFolder(kv508::ui::PathFromQt(QApplication::applicationDirPath()));
  kv508::ui::MainWindow window(host, settings, dialogs, options);
  if (!window.StartUp())
    return 1;
  // At the size a first start gives.
  window.show();

  QTimer::singleShot(500, [&] {
    Save(&window, out, "main-window.png");

    bool shot = false;
    host.onProgress = [&](int percent) {
      if (shot || percent < 40)
        return;
      shot = true;
      if (QWidget *d = window.findChild<QDialog *>(QStringLiteral("frmRadio")))
        Save(d, out, "transfer-dialog.png");
    };
    WhenOpen([&] {
      if (auto *d = window.findChild<QDialog *>(QStringLiteral("frmRadio")))
        d->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    window.findChild<QAction *>(QStringLiteral("mnuTransferRead"))->trigger();
    host.onProgress = nullptr;

    QTreeWidget &tree = window.tree();
    tree.expandItem(tree.topLevelItem(0));
    tree.expandItem(tree.topLevelItem(2));
    tree.expandItem(tree.topLevelItem(2)->child(0));
    Save(&window, out, "main-window-after-read.png");

    // The editing screens, with the settings just read.
    const struct {
      const char *node;
      const char *file;
      int dscPage;
    } screens[] = {
        {"PU", "screen-group-grid.png", -1},
        {"PU 40", "screen-channel.png", -1},
        {"ExpChannel", "screen-exp-grid.png", -1},
        {"E 1", "screen-exp-channel.png", -1},
        {"PW", "screen-weather.png", -1},
        {"Usable", "screen-usable.png", -1},
        {"Common", "screen-common.png", -1},
        {"DSC", "screen-dsc-basic.png", -1},
        {"DSC", "screen-dsc-advanced.png", 2},
        {"DSC", "screen-dsc-calls.png", 1},
        {"ATIS", "screen-atis.png", -1},
        {"SM", "screen-directory.png", -1},
        {"SM 2", "screen-directory-entry.png", -1},
    };
    for (const auto &screen : screens) {
      window.navigator().SelectNodeByKey(QLatin1String(screen.node));
      if (screen.dscPage >= 0) {
        if (auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabDsc")))
          tabs->setCurrentIndex(screen.dscPage);
      }
      Save(&window, out, screen.file);
    }
    window.navigator().SelectNodeByKey(QStringLiteral("General"));

    WhenOpen([&] {
      if (auto *d = window.findChild<QDialog *>(QStringLiteral("frmPrn"))) {
        QTimer::singleShot(1200, [&, d] {
          Save(d, out, "report-window.png");
          d->accept();
        });
      }
    });
    window.printing().PrintToFile();

    WhenOpen([&] {
      if (QWidget *about = QApplication::activeModalWidget()) {
        Save(about, out, "about.png");
        about->close();
      }
    });
    window.help().About();

    // A sample of the printed report, when asked for.
    if (argc > 2) {
      QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
      pdf.setPageSize(QPageSize(QPageSize::A4));
      kv508::ui::PrintReport(
          kv508::BuildReport(window.session().data, window.session().model), pdf,
          {QDate::currentDate().toString(Qt::ISODate), QStringLiteral("radio read")});
    }
    window.session().state.DataChanged = false;
    window.close();
  });
  return QApplication::exec();
}

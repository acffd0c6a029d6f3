// kv508-screenshots: opens the main window, the transfer dialog during a read
// of the simulated radio, the editing screens, the check's list, the repeat of
// the own MMSI, the report window, the preview of a CSV import, Compare with
// Radio after a few edits, Test Connection and the about box, and saves a
// picture of each, and the cards as cards.pdf; with a second argument it also
// prints the report into that PDF file.
// With --dark first it takes the main window, the transfer dialog and three
// screens in the dark scheme instead (*-dark.png); with --scaled the main
// window at twice the size of a pixel (main-window-200.png).
// scripts/screenshot runs it under Xvfb for the README.

#include "app/config.h"
#include "app/user_prefs.h"
#include "report/report.h"
#include "ui/exchange_commands.h"
#include "ui/help_menu.h"
#include "ui/main_window.h"
#include "ui/navigator.h"
#include "ui/print_commands.h"
#include "ui/qt_host.h"
#include "ui/report_printer.h"
#include "ui/translations.h"
#include "ui/ui_dialogs.h"
#include "ui/ui_text.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <utility>

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

// The file dialogs answer with the file a picture needs.
class ShowDialogs : public kv508::ui::QtDialogs {
public:
  QString OpenFileName(QWidget *, const QString &, const QString &) override { return open; }
  QString SaveFileName(QWidget *, const QString &, const QString &, const QString &,
                       const QString &) override {
    return save;
  }
  QString open;
  QString save;
};

// Contacts as a spreadsheet keeps them, for the import's preview.
const char kContacts[] = "Name;MMSI;Position;Notes\r\n"
                         "HARBOUR;232000123;1;VHF 12\r\n"
                         "PILOT BOAT;232000456;2;\r\n"
                         "\"MARINA; FUEL\";232001111;3;\r\n"
                         "\"BLUE \"\"HERON\"\"\";235009876;4;\r\n"
                         "WINDSONG;23200;5;\r\n";

// Runs fn once the modal window that opens next is up.
void WhenOpen(std::function<void()> fn) { QTimer::singleShot(300, std::move(fn)); }

// Runs fn on the dialog of that name once it is shown, however long that takes.
void WhenShown(QWidget &window, const char *name, std::function<void(QDialog &)> fn) {
  auto *poll = new QTimer(&window);
  QObject::connect(poll, &QTimer::timeout, poll, [&window, name, fn, poll] {
    auto *dialog = window.findChild<QDialog *>(QLatin1String(name));
    if (!dialog || !dialog->isVisible())
      return;
    poll->stop();
    poll->deleteLater();
    fn(*dialog);
  });
  poll->start(100);
}

// Reads the simulated radio, saving the transfer dialog once it is under way
// as `dialogFile` (none: no picture), and opens the tree on the channel list.
void ReadWithDialog(kv508::ui::MainWindow &window, ShowHost &host, const QDir &out,
                    const char *dialogFile) {
  bool shot = dialogFile == nullptr;
  host.onProgress = [&](int percent) {
    if (shot || percent < 40)
      return;
    shot = true;
    if (QWidget *d = window.findChild<QDialog *>(QStringLiteral("frmRadio")))
      Save(d, out, dialogFile);
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
}

// The main window, then a read of the simulated radio with its dialog.
void ShootRead(kv508::ui::MainWindow &window, ShowHost &host, const QDir &out) {
  Save(&window, out, "main-window.png");

  ReadWithDialog(window, host, out, "transfer-dialog.png");
  Save(&window, out, "main-window-after-read.png");
}

void ShootScreens(kv508::ui::MainWindow &window, const QDir &out) {
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
}

void ShootChecks(kv508::ui::MainWindow &window, ShowDialogs &dialogs, const QDir &out) {
  kv508::RadioData &data = window.session().data;
  // Two entries the check warns about: a group among the Memory IDs, and
  // the MMSI of entry 2 once more. Then the list File > Check Settings shows.
  data.CHMMSID[4] = {.Enable = true, .TagName = "FLEET", .Mmsid = "0232000010"};
  data.CHMMSID[5] = {.Enable = true, .TagName = "", .Mmsid = data.CHMMSID[2].Mmsid};
  window.Refresh();
  window.navigator().SelectNodeByKey(QStringLiteral("SM 4"));
  Save(&window, out, "screen-directory-warning.png");
  WhenOpen([&] {
    if (auto *d = window.findChild<QDialog *>(QStringLiteral("frmCheck"))) {
      Save(d, out, "check-dialog.png");
      d->reject();
    }
  });
  window.findChild<QAction *>(QStringLiteral("mnuFileCheck"))->trigger();
  WhenOpen([&] {
    if (auto *d = window.findChild<QDialog *>(QStringLiteral("frmMmsiConfirm"))) {
      d->findChild<QLineEdit *>(QStringLiteral("txtMmsiAgain"))->setText(QStringLiteral("2570"));
      Save(d, out, "mmsi-confirm.png");
      d->reject();
    }
  });
  dialogs.RepeatOwnMmsi(&window, QStringLiteral("257000123"),
                        QString::fromUtf8("Ship \u00B7 Norway"));
  window.navigator().SelectNodeByKey(QStringLiteral("General"));
}

// Compare with Radio after three edits, then Test Connection.
void ShootCompare(kv508::ui::MainWindow &window, const QDir &out) {
  kv508::RadioData &data = window.session().data;
  data.CHUSA[32].ChTag = "CALL16";
  data.CHMMSID[4] = {.Enable = true, .TagName = "PILOT", .Mmsid = "2320007770"};
  data.DscBasic.BeepOut[2] = !data.DscBasic.BeepOut[2];
  WhenOpen([&] {
    if (auto *d = window.findChild<QDialog *>(QStringLiteral("frmRadio")))
      d->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
  });
  WhenShown(window, "frmCompare", [&](QDialog &d) {
    d.resize(600, 300);
    Save(&d, out, "compare-window.png");
    d.reject();
  });
  window.findChild<QAction *>(QStringLiteral("mnuTransferCompare"))->trigger();
  WhenShown(window, "frmTestConnection", [&](QDialog &d) {
    d.findChild<QPushButton *>(QStringLiteral("cmdTest"))->click();
    Save(&d, out, "test-connection.png");
    d.reject();
  });
  window.findChild<QAction *>(QStringLiteral("mnuOptionsTestConnection"))->trigger();
}

// The report window, the import's preview, the cards and the about box.
void ShootDialogs(kv508::ui::MainWindow &window, ShowDialogs &dialogs, const QDir &out) {
  WhenOpen([&] {
    if (auto *d = window.findChild<QDialog *>(QStringLiteral("frmPrn"))) {
      QTimer::singleShot(1200, [&, d] {
        Save(d, out, "report-window.png");
        d->accept();
      });
    }
  });
  window.printing().PrintToFile();

  QTemporaryDir files;
  dialogs.open = files.filePath(QStringLiteral("contacts.csv"));
  QFile contacts(dialogs.open);
  if (contacts.open(QIODevice::WriteOnly))
    contacts.write(kContacts);
  contacts.close();
  WhenOpen([&] {
    if (auto *d = window.findChild<QDialog *>(QStringLiteral("frmImport"))) {
      Save(d, out, "import-dialog.png");
      d->reject();
    }
  });
  window.exchange().Import(kv508::ExchangeKind::Individual);
  dialogs.save = out.filePath(QStringLiteral("cards.pdf"));
  window.exchange().ExportCardsPdf();

  WhenOpen([&] {
    if (QWidget *about = QApplication::activeModalWidget()) {
      Save(about, out, "about.png");
      about->close();
    }
  });
  window.help().About();
}

// A read, then the window with its tree open on the channel list, saved with
// the suffix; with `all` also the transfer dialog and three screens.
void ShootLook(kv508::ui::MainWindow &window, ShowHost &host, const QDir &out,
               const QString &suffix, bool all) {
  const auto name = [&](const char *base) {
    return (QLatin1String(base) + suffix + QStringLiteral(".png")).toLatin1();
  };
  ReadWithDialog(window, host, out, all ? name("transfer-dialog").constData() : nullptr);
  window.navigator().SelectNodeByKey(QStringLiteral("PU"));
  Save(&window, out, name("main-window").constData());
  if (!all)
    return;
  for (const auto &[node, file] : {std::pair{"PU 40", "screen-channel"},
                                   {"DSC", "screen-dsc-basic"},
                                   {"Common", "screen-common"}}) {
    window.navigator().SelectNodeByKey(QLatin1String(node));
    Save(&window, out, name(file).constData());
  }
}

} // namespace

int main(int argc, char **argv) {
  const QString look = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  const bool dark = look == QLatin1String("--dark");
  const bool scaled = look == QLatin1String("--scaled");
  if (dark || scaled) {
    --argc;
    ++argv;
  }
  if (scaled)
    qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  // KV508_LANGUAGE=de takes the pictures in German.
  kv508::ui::InstallTranslations(qEnvironmentVariable("KV508_LANGUAGE", QStringLiteral("en")));
  const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
  QDir().mkpath(out.path());

  ShowHost host;
  kv508::MemoryUserSettings settings;
  kv508::prefs::SetPortSource(settings, "sim");
  if (dark)
    kv508::prefs::SetAppearanceChoice(settings, kv508::prefs::Appearance::Dark);
  ShowDialogs dialogs;
  kv508::ui::MainWindow::Options options;
  options.programDir =
      kv508::LocateProgramFolder(kv508::ui::PathFromQt(QApplication::applicationDirPath()));
  kv508::ui::MainWindow window(host, settings, dialogs, options);
  if (!window.StartUp())
    return 1;
  // At the size a first start gives.
  window.show();

  if (dark || scaled) {
    QTimer::singleShot(500, [&] {
      ShootLook(window, host, out, dark ? QStringLiteral("-dark") : QStringLiteral("-200"), dark);
      window.session().state.DataChanged = false;
      window.close();
    });
    return QApplication::exec();
  }
  QTimer::singleShot(500, [&] {
    ShootRead(window, host, out);
    ShootScreens(window, out);
    ShootChecks(window, dialogs, out);
    ShootCompare(window, out);
    ShootDialogs(window, dialogs, out);
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

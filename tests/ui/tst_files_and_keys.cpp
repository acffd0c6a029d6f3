// The file dialogs' start folders and default extensions, Recent Files, files
// dropped on the window, and the keyboard shortcuts of the File menu.

#include "ui_test_support.h"

#include "app/hex_file.h"
#include "files/dat_file.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace kv508;
using namespace kv508::testing;

namespace {

// A settings file and an image, both told apart by a Memory ID name.
QString WriteSettingsFile(WindowFixture &f, const QString &name, const char *tag) {
  const QString path = f.folder.File(name);
  RadioData kept = f.S().data;
  f.S().data.CHMMSID[1] = {.Enable = true, .TagName = tag, .Mmsid = "2320001230"};
  SaveFileAs(f.S(), ui::PathFromQt(path));
  f.S().data = kept;
  return path;
}

QString WriteImageFile(WindowFixture &f, const QString &name, const char *tag) {
  const QString path = f.folder.File(name);
  RadioData kept = f.S().data;
  f.S().data.CHMMSID[1] = {.Enable = true, .TagName = tag, .Mmsid = "2320001230"};
  SaveHexFile(f.S(), ui::PathFromQt(path));
  f.S().data = kept;
  return path;
}

void Drop(QWidget &window, const QString &file) {
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(file)});
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
}

// Once frmPrn shows its text, saves it and closes it; `done` tells the test.
void SaveReportWhenReady(WindowFixture &f, bool &done) {
  auto *timer = new QTimer(&f.Window());
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [&f, &done, timer] {
    auto *window = f.Window().findChild<QDialog *>(QStringLiteral("frmPrn"));
    if (!window || !window->isEnabled() || !window->isVisible())
      return;
    timer->deleteLater();
    window->findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
    done = true;
    window->accept();
  });
  timer->start();
}

QString DocumentsOrHome() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QStringList RecentEntries(WindowFixture &f) {
  auto *menu = f.Window().findChild<QMenu *>(QStringLiteral("mnuFileRecent"));
  emit menu->aboutToShow();
  QStringList texts;
  for (QAction *a : menu->actions())
    texts << a->text();
  return texts;
}

} // namespace

class FilesAndKeysTest : public QObject {
  Q_OBJECT
private slots:
  void saveDialogsAddTheirExtension_data();
  void saveDialogsAddTheirExtension();
  void dialogsStartInTheLastFolder();
  void recentFiles();
  void dropOpensSettingsAndImages_data();
  void dropOpensSettingsAndImages();
  void shortcutsTriggerTheirActions_data();
  void shortcutsTriggerTheirActions();
};

void FilesAndKeysTest::saveDialogsAddTheirExtension_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("written");
  QTest::newRow("settings") << QStringLiteral("dat") << QStringLiteral("boat1.dat");
  QTest::newRow("image") << QStringLiteral("hex") << QStringLiteral("boat1.hex");
  QTest::newRow("report") << QStringLiteral("txt") << QStringLiteral("boat1.txt");
  QTest::newRow("own extension kept") << QStringLiteral("dat") << QStringLiteral("boat1.v2");
}

void FilesAndKeysTest::saveDialogsAddTheirExtension() {
  QFETCH(QString, kind);
  QFETCH(QString, written);
  KV508_START_WINDOW(f, kAtisIni, "/D");
  const QString typed =
      f.folder.File(written.endsWith(QLatin1String(".v2")) ? written : QStringLiteral("boat1"));
  f.dialogs.saveAnswers.push_back(typed);
  if (kind == QLatin1String("dat")) {
    f.Action("mnuFileSaveAs")->trigger();
    QCOMPARE(f.S().state.CurrentFilePath, ui::PathFromQt(f.folder.File(written)).string());
  } else if (kind == QLatin1String("hex")) {
    f.Window().SaveImageCommand();
  } else {
    bool done = false;
    SaveReportWhenReady(f, done);
    f.Action("mnuFilePrintToFile")->trigger();
    QVERIFY(done);
  }
  QVERIFY2(QFileInfo::exists(f.folder.File(written)), qPrintable(written));
  QVERIFY(!QFileInfo::exists(f.folder.File(QStringLiteral("boat1"))));
  QVERIFY(f.host.messages.empty());
}

void FilesAndKeysTest::dialogsStartInTheLastFolder() {
  KV508_START_WINDOW(f, kAtisIni, "/D");
  const QString documents = DocumentsOrHome();
  f.Action("mnuFileOpen")->trigger();
  f.Window().OpenImageCommand();
  QCOMPARE(f.dialogs.folders, QStringList({documents, documents}));

  // A settings file saved in one folder: settings dialogs start there, image ones do not.
  QDir(ui::QtFromPath(f.folder.Path())).mkpath(QStringLiteral("boats"));
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("boats/one.dat")));
  f.Action("mnuFileSaveAs")->trigger();
  f.dialogs.folders.clear();
  f.Action("mnuFileOpen")->trigger();
  f.Window().OpenImageCommand();
  QCOMPARE(f.dialogs.folders,
           QStringList(
               {QFileInfo(f.folder.File(QStringLiteral("boats"))).absoluteFilePath(), documents}));
  QVERIFY(!f.dialogs.folders.contains(ui::QtFromPath(f.folder.Path())));
}

void FilesAndKeysTest::recentFiles() {
  KV508_START_WINDOW(f);
  QVERIFY(!f.Window().findChild<QMenu *>(QStringLiteral("mnuFileRecent"))->isEnabled());
  QStringList saved;
  for (int i = 1; i <= 9; ++i) {
    saved.prepend(f.folder.File(QStringLiteral("boat%1.dat").arg(i)));
    f.dialogs.saveAnswers.push_back(saved.front());
    f.Action("mnuFileSaveAs")->trigger();
  }
  // Saving boat5 again moves it to the top; the ninth file pushed boat1 out.
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("boat5.dat")));
  f.Action("mnuFileSaveAs")->trigger();
  QStringList expected;
  const QStringList order = {QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("8"),
                             QStringLiteral("7"), QStringLiteral("6"), QStringLiteral("4"),
                             QStringLiteral("3"), QStringLiteral("2")};
  for (int i = 0; i < order.size(); ++i)
    expected << QStringLiteral("&%1 %2").arg(i + 1).arg(
        f.folder.File(QStringLiteral("boat%1.dat").arg(order[i])));
  QCOMPARE(RecentEntries(f), expected);
  QCOMPARE(f.settings.Get("Files", "Recent1", ""),
           ui::PathFromQt(f.folder.File(QStringLiteral("boat5.dat"))).string());

  // A missing file is dropped with a message and nothing is read.
  const QString gone = f.folder.File(QStringLiteral("boat9.dat"));
  QFile::remove(gone);
  f.S().data.CHMMSID[7].TagName = "KEEP";
  auto *menu = f.Window().findChild<QMenu *>(QStringLiteral("mnuFileRecent"));
  menu->actions().at(1)->trigger();
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].text,
           "The file " + ui::PathFromQt(gone).string() +
               " is no longer there.\r\nIt has been taken off the Recent Files list.");
  QCOMPARE(f.S().data.CHMMSID[7].TagName, std::string("KEEP"));
  QVERIFY(!RecentEntries(f).join(QLatin1Char('\n')).contains(gone));
  QCOMPARE(RecentEntries(f).size(), 7);

  // An entry still there opens as File > Open would.
  f.S().state.CurrentFilePath.clear();
  RecentEntries(f);
  menu->actions().at(2)->trigger();
  QCOMPARE(f.S().state.CurrentFilePath,
           ui::PathFromQt(f.folder.File(QStringLiteral("boat7.dat"))).string());
  QCOMPARE(RecentEntries(f).first(),
           QStringLiteral("&1 ") + f.folder.File(QStringLiteral("boat7.dat")));
}

void FilesAndKeysTest::dropOpensSettingsAndImages_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("settings file") << QStringLiteral("dropped.dat");
  QTest::newRow("image") << QStringLiteral("dropped.hex");
  QTest::newRow("not ours") << QStringLiteral("dropped.txt");
}

void FilesAndKeysTest::dropOpensSettingsAndImages() {
  QFETCH(QString, name);
  KV508_START_WINDOW(f);
  QString file;
  if (name.endsWith(QLatin1String(".dat")))
    file = WriteSettingsFile(f, name, "DROPPED");
  else if (name.endsWith(QLatin1String(".hex")))
    file = WriteImageFile(f, name, "DROPPED");
  else
    file = WriteSettingsFile(f, name, "DROPPED");
  const bool ours = !name.endsWith(QLatin1String(".txt"));
  Drop(f.Window(), file);
  QCOMPARE(f.S().data.CHMMSID[1].TagName, std::string(ours ? "DROPPED" : ""));
  QCOMPARE(f.S().state.CurrentFilePath, ours ? ui::PathFromQt(file).string() : std::string());
  QVERIFY(f.host.messages.empty());
  QVERIFY(f.Window().isEnabled());
}

void FilesAndKeysTest::shortcutsTriggerTheirActions_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QKeySequence>("keys");
  QTest::newRow("new") << QStringLiteral("mnuFileNew") << QKeySequence(Qt::CTRL | Qt::Key_N);
  QTest::newRow("open") << QStringLiteral("mnuFileOpen") << QKeySequence(Qt::CTRL | Qt::Key_O);
  QTest::newRow("save") << QStringLiteral("mnuFileSave") << QKeySequence(Qt::CTRL | Qt::Key_S);
  QTest::newRow("save as") << QStringLiteral("mnuFileSaveAs")
                           << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
  QTest::newRow("print") << QStringLiteral("mnuFilePrint") << QKeySequence(Qt::CTRL | Qt::Key_P);
  QTest::newRow("exit") << QStringLiteral("mnuFileExit") << QKeySequence(Qt::CTRL | Qt::Key_Q);
}

void FilesAndKeysTest::shortcutsTriggerTheirActions() {
  QFETCH(QString, action);
  QFETCH(QKeySequence, keys);
  KV508_START_WINDOW(f);
  QVERIFY(f.Activate());
  QSignalSpy triggered(f.Action(action.toLatin1().constData()), &QAction::triggered);
  int others = 0;
  for (QAction *a : f.Window().findChildren<QAction *>()) {
    if (a->objectName() != action && a->objectName().startsWith(QLatin1String("mnuFile")))
      connect(a, &QAction::triggered, [&others] { ++others; });
  }
  QTest::keySequence(&f.Window(), keys);
  QCOMPARE(triggered.count(), 1);
  QCOMPARE(others, 0);
}

QTEST_MAIN(FilesAndKeysTest)
#include "tst_files_and_keys.moc"

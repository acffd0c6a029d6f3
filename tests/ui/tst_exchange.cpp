// File > Export as CSV and Import from CSV through the menus and frmImport, an
// import as one undo step, refused files that change nothing, and the cards.

#include "ui_test_support.h"

#include "image/decode.h"
#include "model/tables.h"
#include "sim/demo_image.h"
#include "ui/screens/screen_grid.h"
#include "ui/ui_text.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeWidget>

#include <cerrno>
#include <cstring>

using namespace kv508;
using namespace kv508::testing;

namespace {

const char *const kLists[] = {"Individual", "Group", "Expansion", "Channels"};

std::string Label(int slot) { return ChannelTable()[static_cast<std::size_t>(slot)].Label; }

// The simulated radio's memory with every USA channel switched on and named.
void LoadDemo(WindowFixture &f) {
  RadioData &data = f.S().data;
  data.Image = sim::DemoRadioMemory();
  DecodeImage(data);
  for (int i = data.CHUSA.Lower(); i <= data.CHUSA.Upper(); ++i) {
    data.CHUSA[i].Enable = true;
    data.CHUSA[i].ChTag = "PORT OPS " + Label(i);
  }
  f.Window().edits().Loaded();
  f.Window().Refresh();
}

// Chooses `file` in File > Import from CSV > `list`; `inDialog` sees frmImport,
// which is then cancelled if still open. False when no frmImport came.
bool RunImport(WindowFixture &f, const QString &list, const QString &file,
               const std::function<void(QDialog &)> &inDialog) {
  f.dialogs.openAnswers = {file};
  bool seen = false;
  QObject scope; // a timer left over from a file refused without the dialog dies here
  QTimer::singleShot(0, &scope, [&] {
    auto *d = f.Window().findChild<QDialog *>(QStringLiteral("frmImport"));
    if (!d)
      return;
    seen = true;
    inDialog(*d);
    if (d->isVisible())
      d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
  });
  f.Action(("mnuImport" + list).toLatin1().constData())->trigger();
  return seen;
}

void Press(QDialog &d, const char *button) {
  d.findChild<QAbstractButton *>(QLatin1String(button))->click();
}

// The rows as "line | state | place | changes | note", then the summary and the notes.
QStringList Shown(QDialog &d) {
  QStringList shown;
  auto *rows = d.findChild<QTreeWidget *>(QStringLiteral("lstRows"));
  for (int i = 0; i < rows->topLevelItemCount(); ++i) {
    QStringList cells;
    for (int c = 0; c < rows->columnCount(); ++c)
      cells << rows->topLevelItem(i)->text(c);
    shown << cells.join(QStringLiteral(" | "));
  }
  for (const char *label : {"lblSummary", "lblNotes"})
    shown << d.findChild<QLabel *>(QLatin1String(label))->text();
  return shown;
}

// Contacts as a spreadsheet saves them: byte-order mark, CR LF, semicolons,
// quoted names with separators and quotes, columns in its own order, a column
// of its own, and a row with a short MMSI.
const std::string kSpreadsheet = "\xEF\xBB\xBFMMSI;Notes;Name;Position\r\n"
                                 "232000456;gate 3;\"PIER; \"\"W\"\"\";2\r\n"
                                 "232000999;;\"NEW, BOAT\";1\r\n"
                                 "12345;;BAD;3\r\n";

// The one message of a file that failed: "FileRead Error!!" or "FileSave Error!!",
// what was being done with the file and why.
QString Failure(WindowFixture &f, const char *error, const QString &doing, const std::string &why) {
  return "!" + ui::ToQt(f.S().state.TitleText) + ": " + error + "\r\n\r\n" + doing + ":\r\n" +
         ui::ToQt(why);
}

} // namespace

class ExchangeTest : public QObject {
  Q_OBJECT
private slots:
  // Each list exported, emptied and imported again through the menus is as it was.
  void exportThenImportGivesTheSameData() {
    KV508_START_WINDOW(f);
    LoadDemo(f);
    const RadioSettings before = f.S().data;
    for (const char *list : kLists) {
      f.dialogs.saveAnswers = {f.folder.File(QLatin1String(list))};
      f.Action(("mnuExport" + QByteArray(list)).constData())->trigger();
    }
    RadioData &data = f.S().data;
    ClearDirectory(data.CHMMSID);
    ClearDirectory(data.CHGRPID);
    for (ChannelBank *bank : {&data.CHUSA, &data.CHINT, &data.CHCAN, &data.CHEXP}) {
      for (ChannelRecord &r : *bank) {
        r.Enable = r.LowPower = r.PowUp = r.Duplex = r.ScanMemory = false;
        r.ChTag.clear();
      }
    }
    // Each import is one step, named after its list.
    const char *const steps[] = {"Memory IDs", "Group IDs", "EXP Channels", "Channels"};
    for (int i = 0; i < 4; ++i) {
      const QString list = QLatin1String(kLists[i]);
      QVERIFY(RunImport(f, list, f.folder.File(list + ".csv"),
                        [](QDialog &d) { Press(d, "cmdImport"); }));
      QCOMPARE(f.Action("mnuEditUndo")->text(), QStringLiteral("&Undo Import ") + steps[i]);
    }
    QCOMPARE(Said(f.host), QString());
    QVERIFY(static_cast<const RadioSettings &>(data) == before);
    QCOMPARE(f.dialogs.asked.first(), QStringLiteral("save:CSV files(*.csv);;All files(*.*)"));
  }

  // What frmImport lists for a spreadsheet's file, replacing and merging;
  // Cancel changes nothing. Import is one undo step named in the Edit menu and
  // the list shows the new entries; Undo puts back exactly the data before.
  void previewThenImportAsOneUndoStep() {
    KV508_START_WINDOW(f);
    LoadDemo(f);
    const RadioData before = f.S().data;
    const QString file = f.folder.File(QStringLiteral("contacts.csv"));
    f.folder.WriteText(QStringLiteral("contacts.csv"), kSpreadsheet);
    QStringList replaced, merged, keyboard;
    QVERIFY(RunImport(f, QStringLiteral("Individual"), file, [&](QDialog &d) {
      keyboard = KeyboardFaults(&d);
      replaced = Shown(d);
      Press(d, "optMerge");
      merged = Shown(d);
    }));
    QVERIFY2(keyboard.isEmpty(), qPrintable(keyboard.join('\n')));
    const QString stored = QStringLiteral(" | name \"PIER; \"W\"\" is stored as \"PIER W\"");
    const QString refused = QStringLiteral("4 | refused |  |  | MMSI \"12345\" is not 9 digits");
    QCOMPARE(replaced, QStringList({
                           "2 | changed | entry 2 | name \"PILOT\" -> \"PIER W\"" + stored,
                           "3 | changed | entry 1 | name \"HARBOUR\" -> \"NEW, BOAT\"; "
                           "MMSI 232000123 -> 232000999 | ",
                           refused,
                           " | removed | entry 3 | name \"SEA BREEZE\"; MMSI 232987654 | ",
                           "0 added, 2 changed, 0 unchanged, 1 refused, 1 removed. Import "
                           "leaves the refused rows out.",
                           "columns ignored: Notes",
                       }));
    QCOMPARE(merged.mid(1, 1),
             QStringList("3 | added | entry 4 | name \"NEW, BOAT\"; MMSI 232000999 | "));
    QVERIFY(f.S().data == before && !f.Action("mnuEditUndo")->isEnabled());

    QVERIFY(RunImport(f, QStringLiteral("Individual"), file, [](QDialog &d) {
      Press(d, "optMerge");
      Press(d, "cmdImport");
    }));
    const Directory &dir = f.S().data.CHMMSID;
    QCOMPARE(QString::fromStdString(dir[2].TagName + "," + dir[4].TagName + "," + dir[4].Mmsid),
             QStringLiteral("PIER W,NEW, BOAT,2320009990"));
    QCOMPARE(f.Window().navigator().SelectedKey(), QStringLiteral("SM"));
    auto *grid = f.Widget<ui::ScreenGrid>(QStringLiteral("MSFlexGrid2"));
    QCOMPARE(grid->model()->index(3, 1).data().toString(), QStringLiteral("NEW, BOAT"));
    QCOMPARE(f.Action("mnuEditUndo")->text(), QStringLiteral("&Undo Import Memory IDs"));
    f.Action("mnuEditUndo")->trigger();
    QVERIFY(f.S().data == before && !f.S().state.DataChanged);
  }

  // A file refused as a whole: one message naming the file and the line, no
  // preview, the data and the history as they were.
  void refusedFilesChangeNothing() {
    const std::pair<std::string, std::string> files[] = {
        {"", "line 1: the file is empty"},
        {"name,mmsi\r\n", "line 2: only a header, no rows"},
        {std::string("name,mmsi\nA\0B,232000111\n", 24),
         "line 2: a NUL byte: this is not a text file"},
        {"name,mmsi\n\"OPEN,232000111\nB,232000222\n", "line 2: a quoted field never ends"},
        {"name,mmsi\n" + std::string(200, ',') + "\n", "line 2: more than 64 fields"},
        {"name,position\nA,1\n", "line 1: no column \"mmsi\""},
    };
    KV508_START_WINDOW(f);
    LoadDemo(f);
    const RadioData before = f.S().data;
    for (const auto &[text, why] : files) {
      f.folder.WriteText(QStringLiteral("bad.csv"), text);
      f.host.messages.clear();
      const QString file = f.folder.File(QStringLiteral("bad.csv"));
      QVERIFY(!RunImport(f, QStringLiteral("Individual"), file, [](QDialog &) {}));
      QCOMPARE(Said(f.host), Failure(f, "FileRead Error!!", "Importing " + file, why));
      QVERIFY(f.S().data == before && !f.S().state.DataChanged);
    }
    QVERIFY(!f.Action("mnuEditUndo")->isEnabled());
  }

  // Print Cards prints every card on the printer chosen; without a printer it
  // offers the PDF, saved where the user says.
  void printCards() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
    KV508_START_WINDOW(f);
    LoadDemo(f);
    const QString printed = f.folder.File(QStringLiteral("printed.pdf"));
    f.dialogs.printer = [&](QPrinter &printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printed);
      return true;
    };
    f.Action("mnuFilePrintCards")->trigger();
    f.dialogs.printerInstalled = false;
    f.dialogs.noPrinterChoice = ui::UiDialogs::NoPrinterChoice::Pdf;
    f.dialogs.saveAnswers = {f.folder.File(QStringLiteral("saved"))};
    f.Action("mnuFilePrintCards")->trigger();
    QCOMPARE(f.dialogs.asked,
             QStringList({QStringLiteral("printer"), QStringLiteral("noprinter"),
                          QStringLiteral("save:PDF files(*.pdf);;All files(*.*)")}));
    for (const QString &file : {printed, f.folder.File(QStringLiteral("saved.pdf"))}) {
      QProcess p;
      p.start(QStringLiteral("pdftotext"), {"-layout", file, "-"});
      QVERIFY(p.waitForFinished(60000));
      const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
      QVERIFY2(text.contains(QLatin1String("SEA BREEZE 232987654")), qPrintable(file));
      QVERIFY2(text.contains(QLatin1String("PORT OPS 16")), qPrintable(file));
    }
    QCOMPARE(Said(f.host), QString());
  }

  // The cards as a PDF hold every enabled channel of the full bank and every
  // directory entry; a target that cannot be written is one message with its
  // path and reason, for the cards as for a list.
  void cardsAsPdf() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
    KV508_START_WINDOW(f);
    LoadDemo(f);
    f.S().state.CurrentFilePath = "/data/boat1.dat";
    f.dialogs.saveAnswers = {f.folder.File(QStringLiteral("helm"))};
    f.Action("mnuFileExportCardsPdf")->trigger();
    QCOMPARE(Said(f.host), QString());
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {"-layout", f.folder.File(QStringLiteral("helm.pdf")), "-"});
    QVERIFY(p.waitForFinished(60000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    for (int i = 0; i < kPlanBankSize; ++i) {
      const QString label = ui::ToQt(Label(i));
      QVERIFY2(text.contains(label + " PORT OPS " + label + ' '), qPrintable(label));
    }
    for (const char *entry : {"HARBOUR 232000123", "PILOT 232000456", "SEA BREEZE 232987654",
                              "RACE FLEET 023212345", "boat1.dat"})
      QVERIFY2(text.contains(QLatin1String(entry)), entry);
    QCOMPARE(QDir(f.folder.File(QString())).entryList({QStringLiteral("helm*")}, QDir::Files),
             QStringList({QStringLiteral("helm.pdf")}));

    for (const auto &[action, name] : {std::pair{"mnuFileExportCardsPdf", "taken.pdf"},
                                       std::pair{"mnuExportIndividual", "taken.csv"}}) {
      const QString target = f.folder.File(QLatin1String(name));
      QDir().mkdir(target);
      f.host.messages.clear();
      f.dialogs.saveAnswers = {target};
      f.Action(action)->trigger();
      QCOMPARE(Said(f.host),
               Failure(f, "FileSave Error!!", "Saving " + target, std::strerror(EISDIR)));
    }
  }
};

QTEST_MAIN(ExchangeTest)
#include "tst_exchange.moc"

// frmPrn's text image and its .txt file, and the printed report as a PDF.

#include "ui_test_support.h"

#include "report/report.h"
#include "ui/ui_text.h"

#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstring>

using namespace kv508;
using namespace kv508::testing;

namespace {

// The pages of a PDF as pdftotext -layout lays them out, each as its non-empty
// lines: first the running line with date, source and page number.
QList<QStringList> PdfPages(const QString &pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  QList<QStringList> pages;
  if (!p.waitForFinished(60000))
    return pages;
  for (const QString &page : QString::fromUtf8(p.readAllStandardOutput()).split('\f')) {
    QStringList lines;
    for (const QString &line : page.split('\n'))
      if (!line.trimmed().isEmpty())
        lines << line.simplified();
    if (!lines.isEmpty())
      pages << lines;
  }
  return pages;
}

int PageOf(const QList<QStringList> &pages, const QString &line) {
  for (int i = 0; i < pages.size(); ++i)
    if (pages[i].contains(line))
      return i;
  return -1;
}

// Opens frmPrn and, once its text image is made, hands the window and its text
// box to `act`, which notes what it needs and closes the window. A window that
// never fills is closed, so the test fails instead of hanging.
struct ReportWindowRun {
  ReportWindowRun(WindowFixture &f, std::function<void(QDialog &, QPlainTextEdit &)> act) {
    QTimer poll;
    const QDeadlineTimer deadline(30000);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto *window = f.Window().findChild<QDialog *>(QStringLiteral("frmPrn"));
      auto *text = window ? window->findChild<QPlainTextEdit *>(QStringLiteral("txtPrn")) : nullptr;
      if (!text)
        return;
      if (firstText.isNull())
        firstText = text->toPlainText();
      if (text->toPlainText().startsWith(QStringLiteral("#####"))) {
        poll.stop();
        done = true;
        act(*window, *text);
      } else if (deadline.hasExpired()) {
        poll.stop();
        window->reject();
      }
    });
    poll.start(0);
    f.Action("mnuFilePrintToFile")->trigger();
  }
  bool done = false;
  QString firstText; // what the window showed before the text image was made
};

} // namespace

class ReportWindowTest : public QObject {
  Q_OBJECT
private slots:
  void textImageAndSave();
  void saveFailureKeepsText();
  void printedAndExportedPages();
  void noPrinterOffersPdf();
};

void ReportWindowTest::textImageAndSave() {
  KV508_START_WINDOW(f);
  f.S().data.CHMMSID[2].TagName = "MARINA";
  const Report report = BuildReport(f.S().data, f.S().model);
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("report")));
  QSize size;
  QString shown, afterTyping;
  bool enabled = false;
  ReportWindowRun run(f, [&](QDialog &window, QPlainTextEdit &text) {
    size = window.size();
    shown = text.toPlainText();
    enabled = window.isEnabled();
    // The text is shown, not edited: typing changes neither it nor the file.
    text.setFocus();
    QTest::keyClicks(&text, QStringLiteral("EDITED"));
    afterTyping = text.toPlainText();
    window.findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
    window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
  });
  QTRY_VERIFY(run.done);
  QCOMPARE(run.firstText, QStringLiteral("Now, making text image. Please wait..."));
  QCOMPARE(size, QSize(558, 409));
  QCOMPARE(shown, ui::DisplayText(RenderTextImage(report)));
  QCOMPARE(afterTyping, shown);
  QVERIFY(enabled);
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:Text files(*.txt);;All files(*.*)"));
  QCOMPARE(ReadAll(f.folder.File(QStringLiteral("report.txt"))), ReportFileText(report));
  QVERIFY(!f.S().state.OperationIncomplete);
}

void ReportWindowTest::saveFailureKeepsText() {
  KV508_START_WINDOW(f);
  const QString target = f.folder.File(QStringLiteral("missing/folder/report.txt"));
  f.dialogs.saveAnswers.push_back(target);
  bool stillOpen = false;
  QString kept;
  ReportWindowRun run(f, [&](QDialog &window, QPlainTextEdit &text) {
    window.findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
    stillOpen = window.isVisible();
    kept = text.toPlainText();
    window.findChild<QAction *>(QStringLiteral("mnuFileExit"))->trigger();
  });
  QTRY_VERIFY(run.done);
  QVERIFY(stillOpen && kept.startsWith(QStringLiteral("#####")));
  QCOMPARE(f.host.Texts(),
           std::vector<std::string>{std::string(std::strerror(ENOENT)) + "\r\n\r\nSaving " +
                                    ui::PathFromQt(target).string() + "."});
  QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
  QVERIFY(f.S().state.OperationFailed && f.S().state.OperationIncomplete);
}

// File > Print to a PDF printer and File > Export PDF lay out the same pages;
// the running line names the source and counts the pages.
void ReportWindowTest::printedAndExportedPages() {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    QSKIP("pdftotext (poppler-utils) is not installed");
  KV508_START_WINDOW(f);
  f.S().data.CHMMSID[4] = {.Enable = true, .TagName = "LIGHTHOUSE", .Mmsid = "2350001230"};
  const QString printed = f.folder.File(QStringLiteral("report.pdf"));
  f.dialogs.printer = [&](QPrinter &printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    return true;
  };
  f.Action("mnuFilePrint")->trigger();
  const QList<QStringList> pages = PdfPages(printed);
  QVERIFY(pages.size() >= 8);
  const QString header = QStringLiteral("TR4100/TR4300 Velmora");
  QCOMPARE(pages[0].value(1), header);
  QCOMPARE(PageOf(pages, QStringLiteral("##### Usable CH Group Setup #####")), 0);
  for (int p = 0; p < pages.size(); ++p) {
    const QString running = pages[p][0];
    QVERIFY(
        running.endsWith(QStringLiteral(" radio read page %1 of %2").arg(p + 1).arg(pages.size())));
  }
  // The sections from the channels on each start a page with the page header.
  int previous = 0;
  for (const char *section : {"Programable USA Channel", "Programable International Channel",
                              "Programable Canada Channel", "Programable WX Channel", "Memory ID",
                              "Group ID", "Programable EXP Channel"}) {
    const int page = PageOf(pages, QStringLiteral("##### %1 #####").arg(QLatin1String(section)));
    QVERIFY2(page > previous && pages[page].value(1) == header, section);
    previous = page;
  }
  const QStringList memory = pages[PageOf(pages, QStringLiteral("##### Memory ID #####"))];
  QVERIFY(memory.join('\n').contains(QStringLiteral("LIGHTHOUSE")));
  QVERIFY(memory.join('\n').contains(QStringLiteral("235000123")));

  f.S().state.CurrentFilePath = "/data/boat1.dat";
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("boat1")));
  f.Action("mnuFileExportPdf")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:PDF files(*.pdf);;All files(*.*)"));
  QVERIFY(f.host.messages.empty());
  const QList<QStringList> exported = PdfPages(f.folder.File(QStringLiteral("boat1.pdf")));
  QCOMPARE(exported.size(), pages.size());
  QVERIFY(exported[0][0].endsWith(QStringLiteral(" boat1.dat page 1 of %1").arg(pages.size())));
  for (int p = 0; p < pages.size(); ++p)
    QCOMPARE(exported[p].mid(1), pages[p].mid(1));
  // Only the PDF is left in the folder: no part-written file beside it.
  QCOMPARE(QDir(f.folder.File(QString())).entryList({QStringLiteral("boat1*")}, QDir::Files),
           QStringList({QStringLiteral("boat1.pdf")}));
}

void ReportWindowTest::noPrinterOffersPdf() {
  using Choice = ui::UiDialogs::NoPrinterChoice;
  for (const Choice choice : {Choice::Cancel, Choice::Pdf}) {
    KV508_START_WINDOW(f);
    f.dialogs.printerInstalled = false;
    f.dialogs.noPrinterChoice = choice;
    f.Action("mnuFilePrint")->trigger();
    QStringList asked = {QStringLiteral("noprinter")};
    if (choice == Choice::Pdf)
      asked << QStringLiteral("save:PDF files(*.pdf);;All files(*.*)");
    QCOMPARE(f.dialogs.asked, asked);
    QVERIFY(f.host.messages.empty());
  }
}

QTEST_MAIN(ReportWindowTest)
#include "tst_report_window.moc"

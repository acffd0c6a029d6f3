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
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

using namespace kv508;
using namespace kv508::testing;

namespace {

// The pages of a PDF as pdftotext -layout lays them out.
QStringList PdfPages(const QString &pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!p.waitForFinished(60000))
    return {};
  QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
    pages.removeLast();
  return pages;
}

int PageOf(const QStringList &pages, const QString &text) {
  for (int i = 0; i < pages.size(); ++i) {
    if (pages[i].contains(text))
      return i;
  }
  return -1;
}

QStringList TextLines(const QString &page) {
  QStringList lines;
  for (const QString &line : page.split(QLatin1Char('\n'))) {
    if (!line.trimmed().isEmpty())
      lines << line.trimmed();
  }
  return lines;
}

// The running line with date, source and page number stands above every page's text.
QString RunningLine(const QString &page) { return TextLines(page).value(0); }
QString FirstLine(const QString &page) { return TextLines(page).value(1); }

// Opens frmPrn and, once its text image is made, hands the window and its text
// box to `act`, which notes what it needs and closes the window. Nothing is
// checked inside the timer: the test checks `done` and the notes afterwards, and
// a window that never fills is closed, so the test fails instead of hanging.
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
  const QString target = f.folder.File(QStringLiteral("report.txt"));
  f.dialogs.saveAnswers.push_back(target);
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
  QCOMPARE(ReadAll(target), ReportFileText(report));
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
  QVERIFY(stillOpen);
  QVERIFY(kept.startsWith(QStringLiteral("#####")));
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
  QCOMPARE(f.host.messages[0].text, std::string(std::strerror(ENOENT)) + "\r\n\r\nSaving " +
                                        ui::PathFromQt(target).string() + ".");
  QVERIFY(f.S().state.OperationFailed);
  QVERIFY(f.S().state.OperationIncomplete);
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
  const QStringList pages = PdfPages(printed);
  QVERIFY(pages.size() >= 8);
  const QString header = QStringLiteral("TR4100/TR4300 Velmora");
  QCOMPARE(FirstLine(pages[0]), header);
  QCOMPARE(PageOf(pages, QStringLiteral("##### Usable CH Group Setup #####")), 0);
  for (int p = 0; p < pages.size(); ++p) {
    QVERIFY(RunningLine(pages[p]).endsWith(
        QStringLiteral("page %1 of %2").arg(p + 1).arg(pages.size())));
    QVERIFY(RunningLine(pages[p]).contains(QStringLiteral("radio read")));
  }
  // The sections from the channels on each start a page with the page header.
  int previous = 0;
  for (const char *section : {"Programable USA Channel", "Programable International Channel",
                              "Programable Canada Channel", "Programable WX Channel", "Memory ID",
                              "Group ID", "Programable EXP Channel"}) {
    const QString banner = QStringLiteral("##### %1 #####").arg(QLatin1String(section));
    const int page = PageOf(pages, banner);
    QVERIFY2(page > previous, qPrintable(banner));
    QCOMPARE(FirstLine(pages[page]), header);
    previous = page;
  }
  const int memoryPage = PageOf(pages, QStringLiteral("##### Memory ID #####"));
  QVERIFY(pages[memoryPage].contains(QStringLiteral("LIGHTHOUSE")));
  QVERIFY(pages[memoryPage].contains(QStringLiteral("235000123")));

  f.S().state.CurrentFilePath = "/data/boat1.dat";
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("boat1")));
  f.Action("mnuFileExportPdf")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:PDF files(*.pdf);;All files(*.*)"));
  QVERIFY(f.host.messages.empty());
  const QStringList exported = PdfPages(f.folder.File(QStringLiteral("boat1.pdf")));
  QCOMPARE(exported.size(), pages.size());
  QVERIFY(RunningLine(exported[0]).contains(QStringLiteral("boat1.dat")));
  for (int p = 0; p < pages.size(); ++p)
    QCOMPARE(TextLines(exported[p]).mid(1).join(' ').simplified(),
             TextLines(pages[p]).mid(1).join(' ').simplified());
  // Only the PDF is left in the folder: no part-written file beside it.
  QCOMPARE(QDir(ui::QtFromPath(f.folder.Path())).entryList({QStringLiteral("boat1*")}, QDir::Files),
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

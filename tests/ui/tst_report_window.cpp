// frmPrn's text image and its .txt file, and the printed report as a PDF.

#include "ui_test_support.h"

#include "report/report.h"
#include "ui/report_printer.h"
#include "ui/ui_text.h"

#include <QDialog>
#include <QDir>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

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

// Opens frmPrn; once its text image is made, hands the window and its text box over.
void WithReportWindow(WindowFixture &f, std::function<void(QDialog &, QPlainTextEdit &)> check) {
  QTimer::singleShot(0, [&f, check] {
    auto *window = f.Window().findChild<QDialog *>(QStringLiteral("frmPrn"));
    QVERIFY(window);
    auto *text = window->findChild<QPlainTextEdit *>(QStringLiteral("txtPrn"));
    QCOMPARE(text->toPlainText(), QStringLiteral("Now, making text image. Please wait..."));
    QTRY_VERIFY(text->toPlainText().startsWith(QStringLiteral("#####")));
    check(*window, *text);
  });
  f.Action("mnuFilePrintToFile")->trigger();
}

} // namespace

class ReportWindowTest : public QObject {
  Q_OBJECT
private slots:
  void textImageAndSave();
  void saveFailureKeepsText();
  void printedReportPages_data();
  void printedReportPages();
  void exportPdf();
  void noPrinterOffersPreviewOrPdf_data();
  void noPrinterOffersPreviewOrPdf();
};

void ReportWindowTest::textImageAndSave() {
  KV508_START_WINDOW(f);
  f.S().data.CHMMSID[2].TagName = "MARINA";
  const Report report = BuildReport(f.S().data, f.S().model);
  const QString target = f.folder.File(QStringLiteral("report.txt"));
  f.dialogs.saveAnswers.push_back(target);
  bool checked = false;
  WithReportWindow(f, [&](QDialog &window, QPlainTextEdit &text) {
    QCOMPARE(window.size(), QSize(558, 409));
    QCOMPARE(text.toPlainText(), ui::DisplayText(RenderTextImage(report)));
    QVERIFY(window.isEnabled());
    // The text is shown, not edited: typing changes neither it nor the file.
    text.setFocus();
    QTest::keyClicks(&text, QStringLiteral("EDITED"));
    window.findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
    QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:Text files(*.txt);;All files(*.*)"));
    checked = true;
    window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
  });
  QVERIFY(checked);
  QCOMPARE(ReadAll(target), ReportFileText(report));
  QVERIFY(!f.S().state.OperationIncomplete);
}

void ReportWindowTest::saveFailureKeepsText() {
  KV508_START_WINDOW(f);
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("missing/folder/report.txt")));
  WithReportWindow(f, [](QDialog &window, QPlainTextEdit &text) {
    window.findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
    QVERIFY(window.isVisible());
    QVERIFY(text.toPlainText().startsWith(QStringLiteral("#####")));
    window.findChild<QAction *>(QStringLiteral("mnuFileExit"))->trigger();
  });
  QCOMPARE(f.host.messages.size(), std::size_t(1));
  QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
  QVERIFY(!f.host.messages[0].text.empty());
  QVERIFY(f.S().state.OperationFailed);
  QVERIFY(f.S().state.OperationIncomplete);
}

void ReportWindowTest::printedReportPages_data() {
  QTest::addColumn<bool>("atis");
  QTest::newRow("ATIS") << true;
  QTest::newRow("no ATIS") << false;
}

void ReportWindowTest::printedReportPages() {
  QFETCH(bool, atis);
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    QSKIP("pdftotext (poppler-utils) is not installed");
  KV508_START_WINDOW(f, atis ? kAtisIni : kNoAtisIni);
  f.S().data.CHMMSID[4] = {.Enable = true, .TagName = "LIGHTHOUSE", .Mmsid = "2350001230"};
  const QString pdf = f.folder.File(QStringLiteral("report.pdf"));
  f.dialogs.printer = [&](QPrinter &printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  f.Action("mnuFilePrint")->trigger();
  const QStringList pages = PdfPages(pdf);
  QVERIFY(pages.size() >= 8);

  const QString header = QStringLiteral("TR4100/TR4300 Velmora");
  QCOMPARE(FirstLine(pages[0]), header);
  for (int p = 0; p < pages.size(); ++p) {
    QVERIFY(RunningLine(pages[p]).endsWith(ui::PageNumberText(p + 1, int(pages.size()))));
    QVERIFY(RunningLine(pages[p]).contains(QStringLiteral("radio read")));
  }
  QCOMPARE(PageOf(pages, QStringLiteral("##### Usable CH Group Setup #####")), 0);
  // Sections 1 to 5 run on from page 1; a long section goes on without a header.
  const int displayPage = PageOf(pages, QStringLiteral("##### DSC Setup (Display Setup) #####"));
  QVERIFY(displayPage >= 0 && displayPage <= 1);
  QVERIFY(PageOf(pages, QStringLiteral("Received Geographic:")) <= displayPage);
  for (int p = 1; p <= displayPage; ++p)
    QVERIFY(FirstLine(pages[p]) != header);
  int previous = displayPage;
  const int atisPage = PageOf(pages, QStringLiteral("##### ATIS Setup (Common) #####"));
  if (atis) {
    QCOMPARE(atisPage, displayPage + 1);
    QCOMPARE(FirstLine(pages[atisPage]), QStringLiteral("##### ATIS Setup (Common) #####"));
    previous = atisPage;
  } else {
    QCOMPARE(atisPage, -1);
  }
  // Sections 7 to 13 each start a page with the page header.
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
  QVERIFY(!pages[0].contains(QStringLiteral("LIGHTHOUSE")));
}

void ReportWindowTest::exportPdf() {
  KV508_START_WINDOW(f);
  f.S().state.CurrentFilePath = "/data/boat1.dat";
  f.dialogs.saveAnswers.push_back(f.folder.File(QStringLiteral("boat1")));
  f.Action("mnuFileExportPdf")->trigger();
  QCOMPARE(f.dialogs.asked.last(), QStringLiteral("save:PDF files(*.pdf);;All files(*.*)"));
  QVERIFY(f.host.messages.empty());
  const QString pdf = f.folder.File(QStringLiteral("boat1.pdf"));
  const QStringList pages = PdfPages(pdf);
  QVERIFY(pages.size() >= 8);
  QVERIFY(RunningLine(pages[0]).contains(QStringLiteral("boat1.dat")));
  QVERIFY(RunningLine(pages[0]).contains(QStringLiteral("page 1 of %1").arg(pages.size())));
  QCOMPARE(FirstLine(pages[0]), QStringLiteral("TR4100/TR4300 Velmora"));
  for (const char *banner : {"##### Usable CH Group Setup #####", "##### Common Setup #####",
                             "##### Memory ID #####", "##### Programable EXP Channel #####"})
    QVERIFY2(PageOf(pages, QLatin1String(banner)) >= 0, banner);
  // Only the PDF is left in the folder: no part-written file beside it.
  QCOMPARE(QDir(ui::QtFromPath(f.folder.Path())).entryList({QStringLiteral("boat1*")}, QDir::Files),
           QStringList({QStringLiteral("boat1.pdf")}));
}

void ReportWindowTest::noPrinterOffersPreviewOrPdf_data() {
  QTest::addColumn<int>("choice");
  QTest::addColumn<QStringList>("asked");
  QTest::newRow("cancel") << int(ui::UiDialogs::NoPrinterChoice::Cancel)
                          << QStringList({QStringLiteral("noprinter")});
  QTest::newRow("pdf") << int(ui::UiDialogs::NoPrinterChoice::Pdf)
                       << QStringList({QStringLiteral("noprinter"),
                                       QStringLiteral("save:PDF files(*.pdf);;All files(*.*)")});
}

void ReportWindowTest::noPrinterOffersPreviewOrPdf() {
  QFETCH(int, choice);
  QFETCH(QStringList, asked);
  KV508_START_WINDOW(f);
  f.dialogs.printerInstalled = false;
  f.dialogs.noPrinterChoice = static_cast<ui::UiDialogs::NoPrinterChoice>(choice);
  f.Action("mnuFilePrint")->trigger();
  QCOMPARE(f.dialogs.asked, asked);
  QVERIFY(f.host.messages.empty());
}

QTEST_MAIN(ReportWindowTest)
#include "tst_report_window.moc"

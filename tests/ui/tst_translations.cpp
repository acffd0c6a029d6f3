// The desktop in German and Spanish: menus, screens and the messages the core
// builds, which are translated where the window shows them.

#include "app/user_prefs.h"
#include "check/settings_check.h"
#include "link/transfer.h"
#include "ui/core_texts.h"
#include "ui/screens/screen_context.h"
#include "ui/translations.h"
#include "ui_test_support.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace kv508;
using namespace kv508::testing;

class TstTranslations : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { ui::RemoveTranslations(); }

  void startsInGerman() {
    QCOMPARE(ui::InstallTranslations(QStringLiteral("de")), QStringLiteral("de"));
    KV508_START_WINDOW(f);
    auto *file = f.window->findChild<QMenu *>(QStringLiteral("mnuFile"));
    QVERIFY(file);
    QCOMPARE(file->title(), QStringLiteral("&Datei"));
    QCOMPARE(f.Action("mnuTransferRead")->text(), QStringLiteral("Aus dem Funkgerät &lesen"));

    f.ShowNode(QStringLiteral("Common"));
    QStringList titles;
    for (auto *box : f.window->findChildren<QGroupBox *>())
      titles << box->title();
    QVERIFY2(titles.contains(QStringLiteral("Maßeinheiten")), qPrintable(titles.join(',')));
    QVERIFY(titles.contains(QStringLiteral("Sendemodus beim Start")));

    // Qt's own dialog texts come along.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));

    // A core message with a value in it, through the window's host.
    f.S().host.Message(Icon::Critical, "Read from Radio", NoAnswerMessage("/dev/ttyUSB0"));
    const RecordedMessage &shown = f.host.messages.back();
    QCOMPARE(ui::ToQt(shown.title), QStringLiteral("Aus dem Funkgerät lesen"));
    QCOMPARE(ui::ToQt(shown.text).split(QStringLiteral("\r\n")).first(),
             QStringLiteral("Das Funkgerät hat an /dev/ttyUSB0 nicht geantwortet."));
  }

  // Options > Language keeps the choice for the next start and says so; the
  // window stays in the language it started in.
  void languageMenuStoresTheChoice() {
    KV508_START_WINDOW(f);
    QAction *system = f.Action("mnuLanguage_");
    QAction *german = f.Action("mnuLanguage_de");
    QVERIFY(system && german);
    QVERIFY(system->isChecked());
    german->trigger();
    QVERIFY(german->isChecked() && !system->isChecked());
    QCOMPARE(prefs::Language(f.settings), std::string("de"));
    QCOMPARE(f.host.messages.back().text,
             std::string("The language changes the next time KV508 starts."));
    QCOMPARE(f.window->findChild<QMenu *>(QStringLiteral("mnuFile"))->title(),
             QStringLiteral("&File"));
    const std::size_t said = f.host.messages.size();
    german->trigger(); // the same choice again: nothing to say
    QCOMPARE(f.host.messages.size(), said);
  }

  // Values are carried into the translation, sentences are matched one by one,
  // and a text the list does not know comes back as it was.
  void translatesCoreTexts_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("shown");
    QTest::newRow("progress") << "de"
                              << "Reading 12 of 32 KB, about 9 s left"
                              << "Lese 12 von 32 KB, noch etwa 9 s";
    QTest::newRow("value with %") << "es"
                                  << "Connecting to COM%2..."
                                  << "Conectando con COM%2...";
    QTest::newRow("lines") << "de"
                           << "Data Error!!\r\nAn MMSI has 9 digits."
                           << "Datenfehler!!\r\nEine MMSI hat 9 Ziffern.";
    QTest::newRow("sentences") << "es"
                               << "This radio's own MMSI is 211000001. The data would "
                                  "remove it. Most radios accept a new own MMSI only once."
                               << "El MMSI propio de esta radio es 211000001. Los datos lo "
                                  "eliminarían. La mayoría de las radios aceptan un MMSI "
                                  "propio nuevo solo una vez.";
    QTest::newRow("value that is a text") << "de"
                                          << "The own MMSI 002191234 is a coast station, not a "
                                             "ship or handheld station. Type the MMSI of this "
                                             "boat from its radio licence."
                                          << "Die eigene MMSI 002191234 ist eine "
                                             "Küstenfunkstelle, keine Schiffs- oder "
                                             "Handfunkstelle. Geben Sie die MMSI dieses Boots "
                                             "aus seiner Funklizenz ein.";
    QTest::newRow("unknown") << "de"
                             << "/tmp/x.dat: Permission denied"
                             << "/tmp/x.dat: Permission denied";
    QTest::newRow("english") << "en"
                             << "Data Error!!"
                             << "Data Error!!";
  }
  void translatesCoreTexts() {
    QFETCH(QString, language);
    QFETCH(QString, english);
    QFETCH(QString, shown);
    ui::InstallTranslations(language);
    QCOMPARE(ui::CoreText(english.toLatin1().toStdString()), shown);
  }

  // An MMSI's kind is translated, the country from the MID table is not.
  void translatesIdentityNotes() {
    ui::InstallTranslations(QStringLiteral("es"));
    QCOMPARE(ui::CoreTextUtf8("Coast station \u00b7 K\u00f8benhavn"),
             QStringLiteral("Estación costera · København"));
  }

  // The texts the link builds with values in them are all in the list.
  void knowsTheLinksTexts() {
    std::vector<std::string> texts = {NoAnswerMessage("COM3"), NoAnswerMessage(""),
                                      RadioErrorMessage("/dev/ttyS0"), RadioErrorMessage("")};
    for (int mode = 0; mode <= 12; ++mode) {
      if (!TransferCaption(mode).empty())
        texts.push_back(TransferCaption(mode));
    }
    for (const std::string &text : texts) {
      for (const QString &line : ui::ToQt(text).split(QStringLiteral("\r\n")))
        QVERIFY2(ui::CoreTextKnown(ui::FromQt(line)), qPrintable(line));
    }
  }

  // The core's texts travel as Windows-1252 bytes: every translation must fit.
  // Every finding of the check before programming is known whole, so that the
  // list shows no English sentence inside a German line.
  void findingsAreTranslated() {
    KV508_START_WINDOW(f);
    RadioData &d = f.S().data;
    d.ChannelGroups[0].Enable = true;
    d.DscBasic.DscGroup[0] = true;
    d.DscBasic.UserMmsi.clear();
    d.Atis.AtisCode.clear();
    d.Atis.UsableAtisChGroup[0] = true;
    d.Common.Sog = 7;
    d.CHMMSID[1] = {true, "", "2320056780", d.CHMMSID[1].Member};
    d.CHEXP[1].Enable = true;
    d.CHEXP[1].Rxfreq = 180.0;
    d.CHEXP[1].Txfreq = 156.8;
    const std::vector<Finding> findings = CheckSettings(d, f.S().model, f.S().mids);
    QVERIFY(findings.size() >= 5);
    QStringList unknown;
    for (const Finding &finding : findings) {
      if (!ui::CoreTextKnown(FindingLine(finding)))
        unknown << QString::fromStdString(FindingLine(finding));
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join('\n')));
    QCOMPARE(ui::InstallTranslations(QStringLiteral("de")), QStringLiteral("de"));
    QCOMPARE(ui::CoreText("warning: DSC Setup: DSC is switched on for Group1, but there is no own "
                          "MMSI. Type the boat's MMSI in User MMSI."),
             QStringLiteral("Warnung: DSC-Einstellungen: DSC ist für Group1 eingeschaltet, aber es "
                            "gibt keine eigene MMSI. Geben Sie die MMSI des Bootes unter Eigene "
                            "MMSI ein."));
  }

  // The import preview's reasons: the sentence translated, the file's column
  // names and values as they stand.
  void importReasonsAreTranslated() {
    QCOMPARE(ui::InstallTranslations(QStringLiteral("es")), QStringLiteral("es"));
    QCOMPARE(ui::CoreTextUtf8("rx_mhz \"180.000\" is outside 137 to 174 MHz"),
             QStringLiteral("rx_mhz \"180.000\" está fuera de 137 a 174 MHz"));
    QCOMPARE(ui::CoreTextUtf8("0 added, 2 changed, 0 unchanged, 1 refused, 1 removed"),
             QStringLiteral("0 nuevas, 2 cambiadas, 0 sin cambios, 1 rechazadas, 1 eliminadas"));
  }

  void coreTranslationsFitTheCoreCharacters() {
    for (const char *language : {"de", "es"}) {
      QCOMPARE(ui::InstallTranslations(QLatin1String(language)), QLatin1String(language));
      for (const QString &source : ui::CoreTextTemplates()) {
        const QString shown = QCoreApplication::translate("CoreText", source.toLatin1());
        QCOMPARE(QString::fromLatin1(shown.toLatin1()), shown);
      }
    }
  }

  // An unknown stored code follows the system, as the menu shows it.
  void unknownLanguageFollowsTheSystem() {
    QCOMPARE(ui::InstallTranslations(QStringLiteral("xx")), ui::LanguageInUse());
    QCOMPARE(ui::InstallTranslations(QStringLiteral("en")), QStringLiteral("en"));
  }
};

QTEST_MAIN(TstTranslations)
#include "tst_translations.moc"

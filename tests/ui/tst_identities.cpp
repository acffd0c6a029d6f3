// MMSIs and ATIS codes understood on the screens: kind and country beside
// every box and in the directory grids, the own MMSI typed twice, the ATIS
// code from the own MMSI, and the check before programming.

#include "sim_radio.h"

#include "image/layout.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTreeWidget>

#include <map>

using namespace kv508;
using namespace kv508::testing;

namespace {

const QString kDot = QStringLiteral(" \u00B7 ");

struct IdFixture : WindowFixture {
  // The window over a MID table ("" for none) and the simulated radio.
  bool Up(const std::string &mids = kMidTable) {
    if (mids.empty())
      QFile::remove(folder.File(QStringLiteral("mid-countries.csv")));
    else
      folder.WriteText(QStringLiteral("mid-countries.csv"), mids);
    if (!Start())
      return false;
    radio = AttachSimulatedRadio(*this);
    return Activate();
  }
  void Show(const char *key) {
    ShowNode(QStringLiteral("General"));
    ShowNode(QLatin1String(key));
  }
  QLabel *Label(const char *name) { return Widget<QLabel>(QLatin1String(name)); }
  // What the line under a box says: "!" when its warning icon shows, then the text.
  QString Note(const char *info, const char *icon) {
    return (Label(icon)->isVisibleTo(&Window()) ? "!" : "") + Label(info)->text();
  }
  // The data in place as if read from a file.
  void Use(const std::function<void(RadioData &)> &change) {
    change(S().data);
    Window().Refresh();
    Window().edits().Loaded();
  }
  sim::SimPort *radio = nullptr;
};

// Runs `start` and answers the modal windows it opens, by name, once each:
// `answer` gets each dialog named in it, frmRadio is started with OK.
void Answering(const std::function<void()> &start,
               std::map<QString, std::function<void(QDialog &)>> answer) {
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!d)
      return;
    if (d->objectName() == QStringLiteral("frmRadio")) {
      d->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
      if (d->isVisible())
        d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
      return;
    }
    auto it = answer.find(d->objectName());
    if (it == answer.end()) {
      d->reject();
      QFAIL(qPrintable("not answered: " + d->objectName()));
    }
    const auto fn = it->second;
    answer.erase(it);
    fn(*d);
  });
  timer.start(5);
  start();
  QVERIFY2(answer.empty(), "a dialog did not come");
}

void Click(QDialog &d, const char *button) {
  d.findChild<QPushButton *>(QLatin1String(button))->click();
}

// Types the MMSI again and presses OK, or Cancel when `again` is null.
std::function<void(QDialog &)> Repeat(const char *again, QString *shown = nullptr) {
  return [again, shown](QDialog &d) {
    if (shown)
      *shown = d.findChild<QLabel *>(QStringLiteral("lblMmsiKind"))->text();
    if (!again) {
      Click(d, "cmdCancel");
      return;
    }
    auto *edit = d.findChild<QLineEdit *>(QStringLiteral("txtMmsiAgain"));
    QTest::keyClicks(edit, QLatin1String(again));
    Click(d, "cmdOK");
  };
}

QStringList Lines(QDialog &d) {
  QStringList lines;
  auto *list = d.findChild<QListWidget *>(QStringLiteral("lstFindings"));
  for (int i = 0; i < list->count(); ++i)
    lines << list->item(i)->text();
  return lines;
}

// Settings the check has nothing to say about (the image of a program
// folder without destinations leaves three choices unset).
void Clean(RadioData &d) {
  d.DscBasic.UserMmsi = "2320012340";
  d.Atis.AtisCode = "9232001234";
  d.Common.Weater = d.Common.Sog = d.Common.Distance = 0;
}

} // namespace

class IdentitiesTest : public QObject {
  Q_OBJECT
private slots:
  // Beside each MMSI box and in both grids: kind and country, and a warning
  // where the kind does not fit the place (icon and hint).
  void kindAndCountryBesideEveryMmsi() {
    IdFixture f;
    QVERIFY(f.Up());
    f.Use([](RadioData &d) {
      d.DscBasic.UserMmsi = "0219000010"; // a group as the own MMSI
      d.CHMMSID[1] = {.Enable = true, .TagName = "NORD", .Mmsid = "2570000010"};
      d.CHMMSID[2] = {.Enable = true, .TagName = "FLEET", .Mmsid = "0219000010"};
      d.CHMMSID[3] = {.Enable = true, .TagName = "AGAIN", .Mmsid = "2570000010"};
      d.CHMMSID[4] = {.Enable = true, .TagName = "ODD", .Mmsid = "2170000010"};
      d.CHGRPID[1] = {.Enable = true, .TagName = "CLUB", .Mmsid = "0219123450"};
    });
    const QString ownWarning = "The own MMSI 021900001 is a group MMSI, not a ship or handheld "
                               "station. Type the MMSI of this boat from its radio licence.";
    f.Show("DSC");
    QCOMPARE(f.Note("lblUserMmsiInfo", "imgUserMmsiWarning"), "!Group" + kDot + "Denmark");
    f.Widget<QWidget>(QStringLiteral("txtUserMMSI"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.StatusHint(), ownWarning + " Numeric Only. Indispensable 9 figures.");

    const std::pair<const char *, QString> entries[] = {
        {"SM 1", "!Ship" + kDot + "Norway"}, // the same MMSI as entry 3
        {"SM 2", "!Group" + kDot + "Denmark"},
        {"SM 3", "!Ship" + kDot + "Norway"}, // the same MMSI as entry 1
        {"SM 4", "!Unknown country code 217"},
        {"SM 5", ""},
        {"SG 1", "Group" + kDot + "Denmark"},
    };
    for (const auto &[key, note] : entries) {
      f.Show(key);
      QCOMPARE(f.Note("lblMmsiInfo", "imgMmsiWarning"), note);
    }
    f.Show("SM 3");
    QCOMPARE(ui::HintFor(f.Widget<QWidget>(QStringLiteral("txtGMMSI"))),
             QStringLiteral("MMSI 257000001 is also Memory ID 1. Delete one of the two entries. "
                            "Numeric Only. Indispensable 9 figures."));

    const auto column = [&f](const char *key, int rows) {
      f.Show(key);
      const QAbstractItemModel *m = f.Widget<QTableView>(QStringLiteral("MSFlexGrid2"))->model();
      QStringList cells{m->headerData(3, Qt::Horizontal).toString()};
      for (int row = 0; row < rows; ++row)
        cells << m->index(row, 3).data().toString();
      return cells;
    };
    QCOMPARE(column("SM", 5), QStringList({"KIND" + kDot + "COUNTRY", "Ship" + kDot + "Norway",
                                           "Group" + kDot + "Denmark", "Ship" + kDot + "Norway",
                                           "Unknown country code 217", ""}));
    QCOMPARE(column("SG", 2),
             QStringList({"KIND" + kDot + "COUNTRY", "Group" + kDot + "Denmark", ""}));
  }

  // A missing or damaged table: the kinds stay, the countries are MID numbers,
  // and the start says once where the table was looked for.
  void withoutMidTable() {
    for (const std::string &table :
         {std::string(), std::string("232,United Kingdom\nnonsense\n")}) {
      IdFixture f;
      QVERIFY(f.Up(table));
      const QString path = f.folder.File(QStringLiteral("mid-countries.csv"));
      QCOMPARE(f.host.messages.size(), std::size_t{1});
      QVERIFY(
          Said(f.host).startsWith("!KV508: MID table not used, countries are unknown: " + path));
      f.Use([](RadioData &d) { d.DscBasic.UserMmsi = "2320012340"; });
      f.Show("DSC");
      QCOMPARE(f.Note("lblUserMmsiInfo", "imgUserMmsiWarning"), "Ship" + kDot + "MID 232");
      QVERIFY(f.Label("lblUserMmsiInfo")->toolTip().contains(path));
    }
  }

  // A new own MMSI is typed twice; a mismatch or Cancel stores nothing, a
  // match is one undo step.
  void ownMmsiTypedTwice() {
    IdFixture f;
    QVERIFY(f.Up());
    f.dialogs.realDialogs = true;
    f.Use([](RadioData &d) { d.DscBasic.UserMmsi = "2320012340"; });
    f.Show("DSC");
    auto *box = f.Widget<QLineEdit>(QStringLiteral("txtUserMMSI"));
    const auto type = [&](const char *mmsi, std::function<void(QDialog &)> answer) {
      QVERIFY(f.Activate()); // back from the last dialog
      box->setFocus(Qt::TabFocusReason);
      box->selectAll();
      QTest::keyClicks(box, QLatin1String(mmsi));
      Answering([&f] { f.Leave(); }, {{QStringLiteral("frmMmsiConfirm"), answer}});
    };
    const auto state = [&] {
      return ui::ToQt(f.S().data.DscBasic.UserMmsi) + "|" + box->text() + "|" +
             (f.S().state.DataChanged ? "changed" : "");
    };

    type("257000123", Repeat("257000124"));
    QCOMPARE(Said(f.host), QStringLiteral("!User MMSI: The MMSI typed again differs from the one "
                                          "typed first.\r\nNothing was stored: the User MMSI "
                                          "stays 232001234."));
    QCOMPARE(state(), QStringLiteral("2320012340|232001234|"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));

    type("257000123", Repeat(nullptr));
    QCOMPARE(state(), QStringLiteral("2320012340|232001234|"));
    QCOMPARE(f.host.messages.size(), std::size_t{1});

    // A half-typed second MMSI cannot be confirmed.
    type("257000123", [](QDialog &d) {
      QTest::keyClicks(d.findChild<QLineEdit *>(QStringLiteral("txtMmsiAgain")),
                       QStringLiteral("25700012"));
      QVERIFY(!d.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isEnabled());
      Click(d, "cmdCancel");
    });
    QCOMPARE(state(), QStringLiteral("2320012340|232001234|"));

    QString shown;
    type("257000123", Repeat("257000123", &shown));
    QCOMPARE(shown, "Ship" + kDot + "Norway");
    QCOMPARE(state(), QStringLiteral("2570001230|257000123|changed"));
    QCOMPARE(f.Label("lblUserMmsiInfo")->text(), "Ship" + kDot + "Norway");
    QCOMPARE(f.Action("mnuEditUndo")->text(), QStringLiteral("&Undo User MMSI"));
    f.Action("mnuEditUndo")->trigger();
    QCOMPARE(state(), QStringLiteral("2320012340|232001234|"));
    QCOMPARE(f.Label("lblUserMmsiInfo")->text(), "Ship" + kDot + "United Kingdom");
    QVERIFY(!f.Action("mnuEditUndo")->isEnabled());

    // Emptying the box asks nothing.
    QVERIFY(f.Activate());
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    f.Leave();
    QCOMPARE(state(), QStringLiteral("||changed"));
    QCOMPARE(f.host.messages.size(), std::size_t{1});
  }

  // From MMSI sets 9 + the own MMSI as one step; a code that does not fit is
  // warned about and kept.
  void atisCodeFromMmsi() {
    IdFixture f;
    QVERIFY(f.Up());
    f.Use([](RadioData &d) {
      d.DscBasic.UserMmsi.clear();
      d.Atis.AtisCode = "1234567890";
    });
    f.Show("ATIS");
    auto *from = f.Widget<QPushButton>(QStringLiteral("cmdAtisFromMmsi"));
    QVERIFY(!from->isEnabled());
    QCOMPARE(f.Note("lblAtisInfo", "imgAtisWarning"), QStringLiteral("!Not 9 + MID + 6 digits"));

    f.Use([](RadioData &d) { d.DscBasic.UserMmsi = "2570001230"; });
    f.Show("ATIS");
    from->click();
    QCOMPARE(f.S().data.Atis.AtisCode, std::string("9257000123"));
    QCOMPARE(f.Widget<QLineEdit>(QStringLiteral("txtATIScode"))->text(),
             QStringLiteral("9257000123"));
    QCOMPARE(f.Note("lblAtisInfo", "imgAtisWarning"), "ATIS" + kDot + "Norway");
    f.Action("mnuEditUndo")->trigger();
    QCOMPARE(f.S().data.Atis.AtisCode, std::string("1234567890"));

    // Typed, not refused: an unallocated MID.
    auto *code = f.Widget<QLineEdit>(QStringLiteral("txtATIScode"));
    code->setFocus(Qt::TabFocusReason);
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("9217000000"));
    f.Leave();
    QCOMPARE(f.S().data.Atis.AtisCode, std::string("9217000000"));
    QCOMPARE(f.Note("lblAtisInfo", "imgAtisWarning"), QStringLiteral("!Unknown country code 217"));
  }

  // Program to Radio lists the findings first: Cancel programs nothing, a
  // double-click shows the finding's screen, Program Anyway programs.
  void checkBeforeProgram() {
    IdFixture f;
    QVERIFY(f.Up());
    f.dialogs.realDialogs = true;
    f.Use([](RadioData &d) {
      Clean(d);
      d.CHMMSID[1] = {.Enable = true, .TagName = "", .Mmsid = "2570000010"};
      d.CHMMSID[2] = {.Enable = true, .TagName = "FLEET", .Mmsid = "0219000010"};
    });
    const QStringList expected = {
        "warning: Memory ID 1: MMSI 257000001 has no name. Give the entry a name of at most 11 "
        "characters.",
        "warning: Memory ID 2: MMSI 021900001 is a group MMSI, not a station. Move it to the Group "
        "Directory, or correct the MMSI."};
    const auto program = [&f](std::function<void(QDialog &)> answer) {
      f.host.messages.clear();
      Answering([&f] { f.Action("mnuTransferProgram")->trigger(); },
                {{QStringLiteral("frmCheck"), answer}});
    };
    QStringList listed;
    f.Show("Common");
    program([&](QDialog &d) {
      listed = Lines(d);
      QVERIFY(!d.findChild<QPushButton *>(QStringLiteral("cmdClose")));
      Click(d, "cmdCancel");
    });
    QCOMPARE(listed, expected);
    QVERIFY(f.host.messages.empty()); // no transfer
    QVERIFY(f.radio->Engine().Memory()[layout::kMemoryIdSlots] != 0x25);

    program([](QDialog &d) {
      auto *list = d.findChild<QListWidget *>(QStringLiteral("lstFindings"));
      const QRect line = list->visualItemRect(list->item(1));
      // A double-click is a press first, then the second press comes as a double-click.
      QTest::mousePress(list->viewport(), Qt::LeftButton, {}, line.center());
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
    });
    QVERIFY(f.host.messages.empty());
    QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()), QStringLiteral("SM 2"));
    QCOMPARE(f.Window().screens().ActivePanel()->objectName(), QStringLiteral("fraDirectory"));

    program([](QDialog &d) { Click(d, "cmdProgramAnyway"); });
    QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
    QCOMPARE(f.radio->Engine().Memory()[layout::kMemoryIdSlots], 0x25);

    // Settings without a finding go straight to the transfer.
    f.Use([](RadioData &d) { d.CHMMSID[1].TagName = "NORD"; });
    f.Use([](RadioData &d) { d.CHMMSID[2] = {}; });
    f.host.messages.clear();
    Answering([&f] { f.Action("mnuTransferProgram")->trigger(); }, {});
    QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
  }

  // File > Check Settings shows the same list with Close, and says so when
  // there is nothing to list.
  void checkSettingsAtAnyTime() {
    IdFixture f;
    QVERIFY(f.Up(""));
    f.host.messages.clear();
    f.dialogs.realDialogs = true;
    f.Use([](RadioData &d) {
      Clean(d);
      d.Atis.AtisCode = "1234567890";
    });
    QString note;
    QStringList listed;
    Answering([&f] { f.Action("mnuFileCheck")->trigger(); },
              {{QStringLiteral("frmCheck"), [&](QDialog &d) {
                  listed = Lines(d);
                  note = d.findChild<QLabel *>(QStringLiteral("lblCheckNote"))->text();
                  QVERIFY(!d.findChild<QPushButton *>(QStringLiteral("cmdProgramAnyway")));
                  Click(d, "cmdClose");
                }}});
    QCOMPARE(listed, QStringList({"warning: ATIS Setup: ATIS code 1234567890 is not 9 + MID + 6 "
                                  "digits. Use 9 followed by the boat's MMSI, or the code of "
                                  "its ATIS licence."}));
    QVERIFY(note.startsWith("MID table not used, countries are unknown: "));
    f.Use(Clean);
    f.Action("mnuFileCheck")->trigger();
    QCOMPARE(Said(f.host), QStringLiteral("Check Settings: The check found nothing: the radio "
                                          "will hold the settings as shown."));
  }
};

QTEST_MAIN(IdentitiesTest)
#include "tst_identities.moc"

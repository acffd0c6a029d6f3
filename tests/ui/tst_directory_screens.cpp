// The Memory ID and Group ID lists and the entry panel, driven by object name.

#include "sim_radio.h"

#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "image/layout.h"
#include "ui/nav_tree.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/screen_grid.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

Directory &Entries(Session &s, const QString &prefix) {
  return prefix == QLatin1String("SG") ? s.data.CHGRPID : s.data.CHMMSID;
}

// Entries 1..used in use, named SHIPn with their own MMSI and member flag n.
void UseEntries(Directory &dir, int used) {
  for (int n = 1; n <= used; ++n) {
    dir[n].Enable = true;
    dir[n].TagName = "SHIP" + std::to_string(n);
    dir[n].Mmsid = std::to_string(n) + "111111110";
    dir[n].Member[n] = 1;
  }
}

// The directory window started and active, entries 1..used in use.
bool Start(WindowFixture &f, const QString &prefix, int used) {
  if (!f.Start())
    return false;
  UseEntries(Entries(f.S(), prefix), used);
  return f.Activate();
}

struct Panel {
  explicit Panel(WindowFixture &f)
      : enable(f.Widget<QCheckBox>(QStringLiteral("chkGEnable"))),
        remove(f.Widget<QCheckBox>(QStringLiteral("chkGDelete"))),
        name(f.Widget<ui::CommitLineEdit>(QStringLiteral("txtGPosi"))),
        mmsi(f.Widget<ui::CommitLineEdit>(QStringLiteral("txtGMMSI"))) {}
  // Enabled and checked states of the boxes, then the fields enabled: 0 or 1 each.
  QString State() const {
    QString s;
    for (bool b : {enable->isEnabled(), enable->isChecked(), remove->isEnabled(),
                   remove->isChecked(), name->isEnabled(), mmsi->isEnabled()})
      s += b ? '1' : '0';
    return s;
  }
  QCheckBox *enable, *remove;
  ui::CommitLineEdit *name, *mmsi;
};

// A check box ticked from the keyboard, as a user does.
void Tick(QCheckBox *box) {
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_Space);
}

QString NodeText(WindowFixture &f, const QString &prefix, int n) {
  QTreeWidgetItem *node = ui::FindNodeByKey(f.Window().tree(), prefix + ' ' + QString::number(n));
  return node ? node->text(0) : QString();
}

// The entry's one message, as "title: text".
QString Refusal(WindowFixture &f) {
  if (f.host.messages.size() != 1 || f.host.messages[0].icon != Icon::Exclamation)
    return QStringLiteral("%1 messages").arg(f.host.messages.size());
  return ui::ToQt(f.host.messages[0].title + ": " + f.host.messages[0].text);
}

} // namespace

class DirectoryScreensTest : public QObject {
  Q_OBJECT
private slots:
  // What the entry panel allows for an entry, entries 1-3 in use; the entry
  // after an incomplete one is refused. Showing is not editing.
  void entryStates() {
    const char *off = "000100";
    const std::tuple<const char *, const char *, const char *, const char *> rows[] = {
        {"SM 2", "", "011011", ""},
        {"SM 4", "name", off,
         "Individual Directory: Data Error!!\r\nEnter a name and an MMSI for entry 3 before "
         "adding entry 4."},
        {"SG 4", "mmsi", off,
         "Group Directory: Data Error!!\r\nEnter a name and an MMSI for entry 3 before adding "
         "entry 4."},
    };
    for (const auto &[key, emptied, state, refusal] : rows) {
      const QString prefix = QString::fromLatin1(key).left(2);
      WindowFixture f;
      QVERIFY(Start(f, prefix, 3));
      Directory &dir = Entries(f.S(), prefix);
      if (emptied == std::string("name"))
        dir[3].TagName.clear();
      if (emptied == std::string("mmsi"))
        dir[3].Mmsid.clear();
      const Directory before = dir;
      f.ShowNode(QLatin1String(key));
      Panel p(f);
      QCOMPARE(key + (" " + p.State()), key + (" " + QLatin1String(state)));
      QCOMPARE(Refusal(f), *refusal ? QLatin1String(refusal) : QLatin1String("0 messages"));
      QVERIFY(!f.S().state.DataChanged && dir == before);
    }
  }

  // The first free entry may be enabled; the next waits for its name and MMSI.
  void enablingAddsTheEntry() {
    WindowFixture f;
    QVERIFY(Start(f, QStringLiteral("SG"), 3));
    f.ShowNode(QStringLiteral("SG 4"));
    Panel p(f);
    QCOMPARE(p.State(), QStringLiteral("100100"));
    Tick(p.enable);
    QVERIFY(f.S().data.CHGRPID[4].Enable && f.S().state.DataChanged);
    QCOMPARE(p.State(), QStringLiteral("011011"));
    QCOMPARE(QApplication::focusWidget(), p.name);
    QCOMPARE(NodeText(f, "SG", 4), QStringLiteral("Group ID4[Enable]"));
    // Left with neither name nor MMSI: the hint line says the radio will not get it.
    f.ShowNode(QStringLiteral("SG 5"));
    QCOMPARE(f.StatusHint(), QStringLiteral("Group ID4 is switched on but has neither name nor "
                                            "MMSI: the radio will not get it."));
    QCOMPARE(f.host.Texts(),
             std::vector<std::string>{"Data Error!!\r\nEnter a name and an MMSI for entry 4 "
                                      "before adding entry 5."});
    QVERIFY(!p.enable->isEnabled());
  }

  // A delete, confirmed or not, and an MMSI emptied: the later entries move up
  // one, their member flags stay where they were.
  void deleteClosesTheGap() {
    for (const auto &[prefix, entry, how] :
         {std::tuple{"SM", 2, "yes"}, {"SM", 2, "no"}, {"SG", 3, "emptied"}}) {
      WindowFixture f;
      QVERIFY(Start(f, QLatin1String(prefix), 5));
      Directory &dir = Entries(f.S(), QLatin1String(prefix));
      const Directory before = dir;
      f.ShowNode(QStringLiteral("%1 %2").arg(prefix).arg(entry));
      Panel p(f);
      if (how == std::string("emptied")) {
        p.mmsi->setFocus(Qt::TabFocusReason);
        p.mmsi->selectAll();
        QTest::keyClick(p.mmsi, Qt::Key_Backspace);
        f.Leave();
        QVERIFY(f.host.messages.empty());
      } else {
        f.host.answers.push_back(how == std::string("yes") ? Answer::Yes : Answer::No);
        Tick(p.remove);
        const std::string what = (prefix == std::string("SM") ? "Memory ID" : "Group ID") +
                                 std::to_string(entry) + ": " + before[entry].TagName + ", " +
                                 before[entry].Mmsid.substr(0, 9);
        QCOMPARE(f.host.Texts(), std::vector<std::string>{"Are you sure ?\r\n" + what});
        QCOMPARE(f.host.messages[0].title, f.S().state.TitleText);
        QVERIFY(f.host.messages[0].icon == Icon::Critical &&
                f.host.messages[0].buttons == Buttons::YesNo);
        QVERIFY(!p.remove->isChecked());
      }
      const bool deleted = how != std::string("no");
      QCOMPARE(f.S().state.DataChanged, deleted);
      if (!deleted) {
        QVERIFY(dir == before);
        continue;
      }
      for (int n = entry; n <= 4; ++n) {
        QCOMPARE(dir[n].TagName + " " + dir[n].Mmsid,
                 before[n + 1].TagName + " " + before[n + 1].Mmsid);
        QVERIFY(dir[n].Enable);
      }
      QVERIFY(!dir[5].Enable && dir[5].TagName.empty() && dir[5].Mmsid.empty());
      for (int n = 1; n <= 5; ++n)
        QVERIFY(dir[n].Member == before[n].Member);
      // The entry now shows its successor, and the tree lost one mark.
      QCOMPARE(p.name->text(), QStringLiteral("SHIP") + QString::number(entry + 1));
      QVERIFY(NodeText(f, prefix, 4).endsWith(QLatin1String("[Enable]")));
      QVERIFY(!NodeText(f, prefix, 5).endsWith(QLatin1String("[Enable]")));
    }
  }

  // A refused MMSI keeps the stored one and the focus until corrected; a blank
  // name is not stored.
  void refusedEntries() {
    WindowFixture f;
    QVERIFY(Start(f, QStringLiteral("SM"), 3));
    Directory &dir = f.S().data.CHMMSID;
    f.ShowNode(QStringLiteral("SM 3"));
    Panel p(f);
    QCOMPARE(p.mmsi->text(), QStringLiteral("311111111")); // as typed, not the stored ten
    f.Type(p.name, QStringLiteral("   "));
    f.Leave();
    QCOMPARE(dir[3].TagName, std::string("SHIP3"));
    QCOMPARE(p.name->text(), QStringLiteral("SHIP3"));
    QVERIFY(f.host.messages.empty());

    f.Type(p.mmsi, QStringLiteral("12345678"));
    f.Leave();
    QCOMPARE(Refusal(f), QStringLiteral("MMSI: Data Error!!\r\nAn MMSI has 9 digits."));
    QCOMPARE(dir[3].Mmsid, std::string("3111111110"));
    QTRY_COMPARE(QApplication::focusWidget(), p.mmsi);
    QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()), QStringLiteral("SM 3"));

    // Corrected, it is stored (the box selected its text on getting the focus back).
    QTest::keyClick(p.mmsi, Qt::Key_End);
    QTest::keyClicks(p.mmsi, QStringLiteral("9"));
    f.Leave();
    QCOMPARE(dir[3].Mmsid, std::string("1234567890"));
    QCOMPARE(f.host.messages.size(), std::size_t{1});
  }

  // Each list shows every entry; Enter on a row shows that entry.
  void listsShowEveryEntryAndJump() {
    WindowFixture f;
    QVERIFY(Start(f, QStringLiteral("SM"), 2));
    UseEntries(f.S().data.CHGRPID, 2);
    auto *grid = f.Widget<ui::ScreenGrid>(QStringLiteral("MSFlexGrid2"));
    const QAbstractItemModel &model = *grid->model();
    // The radio's own three columns (the kind and country after them has tests of its own).
    const auto row = [&](int r) {
      QStringList cells;
      for (int c = 0; c < 3; ++c)
        cells << model.index(r, c).data().toString();
      return cells.join('|');
    };
    for (const auto &[prefix, rows] : {std::pair{"SM", 80}, {"SG", 32}}) {
      f.ShowNode(QLatin1String(prefix));
      QCOMPARE(model.rowCount(), rows);
      QCOMPARE(row(1), QStringLiteral("2|SHIP2|211111111"));
      QCOMPARE(row(rows - 1), QString::number(rows) + "||         ");
      grid->setCurrentIndex(model.index(rows - 1, 1));
      QTest::keyClick(grid, Qt::Key_Return);
      QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()),
               QStringLiteral("%1 %2").arg(prefix).arg(rows));
    }
  }

  // Entries typed and pasted through the filters, saved, opened and programmed.
  void editedSavedReopenedAndProgrammed() {
    KV508_START_WINDOW(f);
    sim::SimPort *radio = AttachSimulatedRadio(f);
    QVERIFY(f.Activate());
    // Key, pasted or typed, name, MMSI, and what the MMSI box shows.
    const std::tuple<const char *, bool, QString, QString, const char *> typed[] = {
        {"SM 1", false, "Harbour_Master#1", "3160a00001x", "316000001"},
        {"SM 2", true, QString::fromLatin1("Pilot\xE9 (North), 2"), "21-1111 111", "211111111"},
        {"SG 1", true, "FLEET", "1x2345678999", "12345678"},
    };
    Panel p(f);
    for (const auto &[key, paste, name, mmsi, shown] : typed) {
      f.ShowNode(QLatin1String(key));
      Tick(p.enable);
      paste ? f.Paste(p.name, name) : f.Type(p.name, name);
      paste ? f.Paste(p.mmsi, mmsi) : f.Type(p.mmsi, mmsi);
      QCOMPARE(p.mmsi->text(), QLatin1String(shown));
    }
    f.Leave();
    QVERIFY(f.host.messages.empty());

    const QString path = f.folder.File(QStringLiteral("boat.dat"));
    f.dialogs.saveAnswers.push_back(path);
    f.Action("mnuFileSaveAs")->trigger();
    QVERIFY(QFile::exists(path));
    ClearDirectory(f.S().data.CHMMSID);
    ClearDirectory(f.S().data.CHGRPID);
    f.dialogs.openAnswers.push_back(path);
    f.Action("mnuFileOpen")->trigger();

    QVERIFY(RunTransfer(f, [&f] { f.Action("Program")->trigger(); }));
    QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));
    RadioData expected;
    BuildDefaultImage(expected, 1);
    DecodeImage(expected);
    expected.CHMMSID[1] = {.Enable = true, .TagName = "HarbourMast", .Mmsid = "3160000010"};
    expected.CHMMSID[2] = {.Enable = true, .TagName = "Pilot (Nort", .Mmsid = "2111111110"};
    expected.CHGRPID[1] = {.Enable = true, .TagName = "FLEET", .Mmsid = "0123456780"};
    QVERIFY(!EncodeImage(expected, 1));
    const MemoryImage &memory = radio->Engine().Memory();
    const auto same = [&](int first, int count) {
      const int end = first + count * layout::kDirectorySlotStride;
      return std::equal(memory.data() + first, memory.data() + end, expected.Image.data() + first);
    };
    QVERIFY(same(layout::kMemoryIdSlots, layout::kMemoryIdSlotCount));
    QVERIFY(same(layout::kGroupIdSlots, layout::kGroupIdSlotCount));
    // The MMSIs in packed digits, whatever the encoder thinks.
    const auto bcd = [&](int at) { return std::vector<int>(&memory[at], &memory[at] + 5); };
    QCOMPARE(bcd(layout::kMemoryIdSlots), (std::vector<int>{0x31, 0x60, 0x00, 0x00, 0x10}));
    QCOMPARE(bcd(layout::kGroupIdSlots), (std::vector<int>{0x01, 0x23, 0x45, 0x67, 0x80}));
  }
};

QTEST_MAIN(DirectoryScreensTest)
#include "tst_directory_screens.moc"

// The Memory ID and Group ID lists and the entry panel, driven by object name.

#include "ui_test_support.h"

#include "image/decode.h"
#include "image/default_image.h"
#include "image/encode.h"
#include "image/layout.h"
#include "sim/sim_port.h"
#include "ui/layout_rules.h"
#include "ui/nav_tree.h"
#include "ui/screen_area.h"
#include "ui/screens/char_filter.h"
#include "ui/screens/commit_line_edit.h"
#include "ui/screens/screen_grid.h"
#include "ui/screens/widget_props.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

const QString kMmsi9Hint = QStringLiteral("Numeric Only. Indispensable 9 figures.");
const QString kMmsi8Hint = QStringLiteral("Numeric Only. Indispensable 8 figures.");

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

struct Panel {
  explicit Panel(WindowFixture &f)
      : enable(f.Widget<QCheckBox>(QStringLiteral("chkGEnable"))),
        remove(f.Widget<QCheckBox>(QStringLiteral("chkGDelete"))),
        name(f.Widget<ui::CommitLineEdit>(QStringLiteral("txtGPosi"))),
        mmsi(f.Widget<ui::CommitLineEdit>(QStringLiteral("txtGMMSI"))),
        tag(f.Widget<QLabel>(QStringLiteral("lblTag"))),
        mmsiLabel(f.Widget<QLabel>(QStringLiteral("lblMmsi"))),
        group(f.Widget<QLabel>(QStringLiteral("lblGroup"))) {}
  QCheckBox *enable;
  QCheckBox *remove;
  ui::CommitLineEdit *name;
  ui::CommitLineEdit *mmsi;
  QLabel *tag;
  QLabel *mmsiLabel;
  QLabel *group;
};

// A check box ticked from the keyboard, as a user does.
void Tick(QCheckBox *box) {
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_Space);
}

QString NodeText(WindowFixture &f, const QString &key) {
  QTreeWidgetItem *node = ui::FindNodeByKey(f.Window().tree(), key);
  return node ? node->text(0) : QString();
}

QString GridCell(WindowFixture &f, int row, int column) {
  auto *grid = f.Widget<ui::ScreenGrid>(QStringLiteral("MSFlexGrid2"));
  return grid->model()->index(row, column).data().toString();
}

} // namespace

class DirectoryScreensTest : public QObject {
  Q_OBJECT
private slots:
  void entryStates_data();
  void entryStates();
  void enablingAddsTheEntry_data();
  void enablingAddsTheEntry();
  void deleteClosesTheGap_data();
  void deleteClosesTheGap();
  void mmsiStoredInTenDigitForm_data();
  void mmsiStoredInTenDigitForm();
  void wrongLengthRefusedAndStopsSave();
  void nameFilteredAndBlankNotStored_data();
  void nameFilteredAndBlankNotStored();
  void listShowsEveryEntryAndJumps_data();
  void listShowsEveryEntryAndJumps();
  void editedSavedReopenedAndProgrammed();
};

void DirectoryScreensTest::entryStates_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("emptied"); // field of entry 3 emptied first
  QTest::addColumn<bool>("enableOn");
  QTest::addColumn<bool>("enableChecked");
  QTest::addColumn<bool>("deleteOn");
  QTest::addColumn<bool>("deleteChecked");
  QTest::addColumn<bool>("fieldsOn");
  QTest::addColumn<QString>("errorTitle");
  const auto row = [](const char *name, const char *key, const char *emptied, bool enableOn,
                      bool enableChecked, bool deleteOn, bool deleteChecked, bool fieldsOn,
                      const char *errorTitle) {
    QTest::newRow(name) << QString::fromLatin1(key) << QString::fromLatin1(emptied) << enableOn
                        << enableChecked << deleteOn << deleteChecked << fieldsOn
                        << QString::fromLatin1(errorTitle);
  };
  row("in use", "SM 2", "", false, true, true, false, true, "");
  row("first free", "SM 4", "", true, false, false, true, false, "");
  row("beyond", "SM 5", "", false, false, false, true, false, "");
  row("after a nameless entry", "SM 4", "name", false, false, false, true, false,
      "Individual Directory");
  row("group in use", "SG 2", "", false, true, true, false, true, "");
  row("group after an entry without MMSI", "SG 4", "mmsi", false, false, false, true, false,
      "Group Directory");
}

void DirectoryScreensTest::entryStates() {
  QFETCH(QString, key);
  QFETCH(QString, emptied);
  QFETCH(bool, enableOn);
  QFETCH(bool, enableChecked);
  QFETCH(bool, deleteOn);
  QFETCH(bool, deleteChecked);
  QFETCH(bool, fieldsOn);
  QFETCH(QString, errorTitle);
  KV508_START_WINDOW(f);
  const QString prefix = key.left(2);
  const bool group = prefix == QLatin1String("SG");
  Directory &dir = Entries(f.S(), prefix);
  UseEntries(dir, 3);
  dir[2].Mmsid = group ? "0123456780" : "1234567890";
  if (emptied == QLatin1String("name"))
    dir[3].TagName.clear();
  if (emptied == QLatin1String("mmsi"))
    dir[3].Mmsid.clear();
  const Directory before = dir;
  QVERIFY(f.Activate());
  f.ShowNode(key);

  Panel p(f);
  QCOMPARE(f.Window().screens().ActivePanel()->objectName(), QStringLiteral("fraDirectory"));
  QCOMPARE(p.enable->isEnabled(), enableOn);
  QCOMPARE(p.enable->isChecked(), enableChecked);
  QCOMPARE(p.remove->isEnabled(), deleteOn);
  QCOMPARE(p.remove->isChecked(), deleteChecked);
  for (QWidget *w : std::initializer_list<QWidget *>{p.name, p.mmsi, p.tag, p.mmsiLabel})
    QCOMPARE(w->isEnabled(), fieldsOn);
  if (errorTitle.isEmpty()) {
    QVERIFY(f.host.messages.empty());
  } else {
    QCOMPARE(f.host.messages.size(), std::size_t{1});
    QCOMPARE(f.host.messages[0].text, std::string("Data Error!!"));
    QCOMPARE(ui::ToQt(f.host.messages[0].title), errorTitle);
    QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
  }
  // Labels, limits, hints and help of the directory kind.
  QCOMPARE(p.tag->text(), group ? QStringLiteral("Group Name") : QStringLiteral("Station Name"));
  QCOMPARE(p.mmsiLabel->text(), QStringLiteral("MMSI"));
  QCOMPARE(p.group->isHidden(), !group);
  QCOMPARE(ui::RestrictedLength(p.mmsi), group ? 8 : 9);
  QCOMPARE(ui::RestrictedLength(p.name), 11);
  QCOMPARE(ui::HintFor(p.mmsi), group ? kMmsi8Hint : kMmsi9Hint);
  QCOMPARE(ui::HelpTopicFor(p.enable), 1049);
  QCOMPARE(ui::HelpTopicFor(p.remove), 1049);
  QCOMPARE(ui::HelpTopicFor(p.name), 1050);
  QCOMPARE(ui::HelpTopicFor(p.mmsi), 1051);
  if (key.endsWith(QLatin1String(" 2"))) {
    QCOMPARE(p.name->text(), QStringLiteral("SHIP2"));
    // The box shows the digits as typed, not the stored ten.
    QCOMPARE(p.mmsi->text(), group ? QStringLiteral("12345678") : QStringLiteral("123456789"));
  }
  if (fieldsOn) {
    p.mmsi->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.StatusHint(), group ? kMmsi8Hint : kMmsi9Hint);
  }
  // Showing is not editing.
  QVERIFY(!f.S().state.DataChanged);
  QVERIFY(dir == before);
}

void DirectoryScreensTest::enablingAddsTheEntry_data() {
  QTest::addColumn<QString>("prefix");
  QTest::addColumn<QString>("nodeText");
  QTest::newRow("memory") << QStringLiteral("SM") << QStringLiteral("Memory ID4[Enable]");
  QTest::newRow("group") << QStringLiteral("SG") << QStringLiteral("Group ID4[Enable]");
}

void DirectoryScreensTest::enablingAddsTheEntry() {
  QFETCH(QString, prefix);
  QFETCH(QString, nodeText);
  KV508_START_WINDOW(f);
  Directory &dir = Entries(f.S(), prefix);
  UseEntries(dir, 3);
  QVERIFY(f.Activate());
  f.ShowNode(prefix + QStringLiteral(" 4"));
  QVERIFY(!NodeText(f, prefix + QStringLiteral(" 4")).endsWith(QLatin1String("[Enable]")));

  Panel p(f);
  Tick(p.enable);
  QVERIFY(dir[4].Enable);
  QVERIFY(f.S().state.DataChanged);
  QVERIFY(p.enable->isChecked() && !p.enable->isEnabled());
  QVERIFY(p.remove->isEnabled() && !p.remove->isChecked());
  QVERIFY(p.name->isEnabled() && p.mmsi->isEnabled());
  QCOMPARE(QApplication::focusWidget(), p.name);
  QCOMPARE(NodeText(f, prefix + QStringLiteral(" 4")), nodeText);
  QCOMPARE(NodeText(f, prefix + QStringLiteral(" 5")), nodeText.left(nodeText.indexOf('4')) + "5");
  // Entry 5 may not be added before entry 4 has a name and an MMSI.
  f.ShowNode(prefix + QStringLiteral(" 5"));
  QCOMPARE(f.host.Texts(), std::vector<std::string>{"Data Error!!"});
  QVERIFY(!p.enable->isEnabled());
}

void DirectoryScreensTest::deleteClosesTheGap_data() {
  QTest::addColumn<QString>("prefix");
  QTest::addColumn<int>("entry");
  QTest::addColumn<QString>("how"); // answer to the question, or the MMSI emptied
  QTest::newRow("memory, yes") << "SM" << 2 << "yes";
  QTest::newRow("memory, no") << "SM" << 2 << "no";
  QTest::newRow("group, yes") << "SG" << 2 << "yes";
  QTest::newRow("memory, MMSI emptied") << "SM" << 3 << "emptied";
  QTest::newRow("group, MMSI emptied") << "SG" << 3 << "emptied";
}

void DirectoryScreensTest::deleteClosesTheGap() {
  QFETCH(QString, prefix);
  QFETCH(int, entry);
  QFETCH(QString, how);
  KV508_START_WINDOW(f);
  Directory &dir = Entries(f.S(), prefix);
  UseEntries(dir, 5);
  const Directory before = dir;
  QVERIFY(f.Activate());
  f.ShowNode(prefix + QLatin1Char(' ') + QString::number(entry));
  Panel p(f);
  if (how == QLatin1String("emptied")) {
    p.mmsi->setFocus(Qt::TabFocusReason);
    p.mmsi->selectAll();
    QTest::keyClick(p.mmsi, Qt::Key_Backspace);
    f.Leave();
    QVERIFY(f.host.messages.empty());
  } else {
    f.host.answers.push_back(how == QLatin1String("yes") ? Answer::Yes : Answer::No);
    Tick(p.remove);
    QCOMPARE(f.host.messages.size(), std::size_t{1});
    QCOMPARE(f.host.messages[0].text, std::string("Are you sure ?"));
    QCOMPARE(f.host.messages[0].title, f.S().state.TitleText);
    QCOMPARE(f.host.messages[0].icon, Icon::Critical);
    QCOMPARE(f.host.messages[0].buttons, Buttons::YesNo);
    QVERIFY(!p.remove->isChecked());
  }
  const bool deleted = how != QLatin1String("no");
  QCOMPARE(f.S().state.DataChanged, deleted);
  if (!deleted) {
    QVERIFY(dir == before);
    return;
  }
  for (int n = entry; n <= 4; ++n) {
    QCOMPARE(dir[n].TagName, before[n + 1].TagName);
    QCOMPARE(dir[n].Mmsid, before[n + 1].Mmsid);
    QVERIFY(dir[n].Enable);
  }
  QVERIFY(!dir[5].Enable && dir[5].TagName.empty() && dir[5].Mmsid.empty());
  for (int n = 1; n <= 5; ++n)
    QVERIFY(dir[n].Member == before[n].Member);
  // The entry now shows its successor, and the tree lost one mark.
  QCOMPARE(p.name->text(), QStringLiteral("SHIP") + QString::number(entry + 1));
  QVERIFY(NodeText(f, prefix + QStringLiteral(" 4")).endsWith(QLatin1String("[Enable]")));
  QVERIFY(!NodeText(f, prefix + QStringLiteral(" 5")).endsWith(QLatin1String("[Enable]")));
}

void DirectoryScreensTest::mmsiStoredInTenDigitForm_data() {
  QTest::addColumn<QString>("prefix");
  QTest::addColumn<bool>("paste");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QString>("stored");
  QTest::addColumn<QString>("listed");
  const auto row = [](const char *name, const char *prefix, bool paste, const char *input,
                      const char *shown, const char *stored, const char *listed) {
    QTest::newRow(name) << QString::fromLatin1(prefix) << paste << QString::fromLatin1(input)
                        << QString::fromLatin1(shown) << QString::fromLatin1(stored)
                        << QString::fromLatin1(listed);
  };
  row("memory typed", "SM", false, "123456789", "123456789", "1234567890", "123456789");
  row("group typed", "SG", false, "12345678", "12345678", "0123456780", "012345678");
  row("letters not typed", "SM", false, "12a3456789x", "123456789", "1234567890", "123456789");
  row("pasted with blanks", "SM", true, "98-765 4321", "987654321", "9876543210", "987654321");
  row("group pasted, cut to eight", "SG", true, "1x2345678999", "12345678", "0123456780",
      "012345678");
}

void DirectoryScreensTest::mmsiStoredInTenDigitForm() {
  QFETCH(QString, prefix);
  QFETCH(bool, paste);
  QFETCH(QString, input);
  QFETCH(QString, shown);
  QFETCH(QString, stored);
  QFETCH(QString, listed);
  KV508_START_WINDOW(f);
  Directory &dir = Entries(f.S(), prefix);
  UseEntries(dir, 3);
  QVERIFY(f.Activate());
  f.ShowNode(prefix + QStringLiteral(" 3"));
  Panel p(f);
  if (paste)
    f.Paste(p.mmsi, input);
  else
    f.Type(p.mmsi, input);
  QCOMPARE(p.mmsi->text(), shown);
  QVERIFY(f.S().state.DataChanged);
  QCOMPARE(dir[3].Mmsid, std::string("3111111110")); // stored on leaving only
  f.Leave();
  QCOMPARE(ui::ToQt(dir[3].Mmsid), stored);
  QVERIFY(f.host.messages.empty());
  f.ShowNode(prefix);
  QCOMPARE(GridCell(f, 2, 2), listed);
}

void DirectoryScreensTest::wrongLengthRefusedAndStopsSave() {
  KV508_START_WINDOW(f);
  UseEntries(f.S().data.CHMMSID, 3);
  QVERIFY(f.Activate());
  f.ShowNode(QStringLiteral("SM 3"));
  Panel p(f);
  f.Type(p.mmsi, QStringLiteral("12345678"));
  f.Leave();
  QCOMPARE(f.host.messages.size(), std::size_t{1});
  QCOMPARE(f.host.messages[0].text, std::string("Data Error!!"));
  QCOMPARE(f.host.messages[0].title, std::string("MMSI"));
  QCOMPARE(f.host.messages[0].icon, Icon::Exclamation);
  QCOMPARE(f.S().data.CHMMSID[3].Mmsid, std::string("3111111110"));
  QTRY_COMPARE(QApplication::focusWidget(), p.mmsi);
  QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()), QStringLiteral("SM 3"));

  const QString path = f.folder.File(QStringLiteral("refused.dat"));
  f.dialogs.saveAnswers.push_back(path);
  f.Action("mnuFileSaveAs")->trigger();
  QVERIFY(f.dialogs.asked.isEmpty());
  QVERIFY(!QFile::exists(path));
  QCOMPARE(f.host.messages.size(), std::size_t{2});
  QCOMPARE(f.S().data.CHMMSID[3].Mmsid, std::string("3111111110"));

  // Corrected, the command goes on (the box selected its text on getting the focus back).
  QTest::keyClick(p.mmsi, Qt::Key_End);
  QTest::keyClicks(p.mmsi, QStringLiteral("9"));
  f.Action("mnuFileSaveAs")->trigger();
  QVERIFY(QFile::exists(path));
  QCOMPARE(f.S().data.CHMMSID[3].Mmsid, std::string("1234567890"));
}

void DirectoryScreensTest::nameFilteredAndBlankNotStored_data() {
  QTest::addColumn<bool>("paste");
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("stored"); // and shown after leaving
  const auto row = [](const char *name, bool paste, const char *input, const char *stored) {
    QTest::newRow(name) << paste << QString::fromLatin1(input) << QString::fromLatin1(stored);
  };
  row("typed", false, "Harbour_Master#1", "HarbourMast");
  row("pasted", true, "Pilot\xE9 (North), 2", "Pilot (Nort");
  row("kept blanks", false, " A B ", " A B ");
  row("blank", false, "   ", "SHIP3");
  row("only refused characters", true, "__##", "SHIP3");
}

void DirectoryScreensTest::nameFilteredAndBlankNotStored() {
  QFETCH(bool, paste);
  QFETCH(QString, input);
  QFETCH(QString, stored);
  KV508_START_WINDOW(f);
  UseEntries(f.S().data.CHGRPID, 3);
  QVERIFY(f.Activate());
  f.ShowNode(QStringLiteral("SG 3"));
  Panel p(f);
  if (paste)
    f.Paste(p.name, input);
  else
    f.Type(p.name, input);
  QCOMPARE(f.S().data.CHGRPID[3].TagName, std::string("SHIP3"));
  f.Leave();
  QCOMPARE(ui::ToQt(f.S().data.CHGRPID[3].TagName), stored);
  QCOMPARE(p.name->text(), stored);
  QVERIFY(f.host.messages.empty());
}

void DirectoryScreensTest::listShowsEveryEntryAndJumps_data() {
  QTest::addColumn<QString>("prefix");
  QTest::addColumn<int>("rows");
  QTest::addColumn<QString>("nameHeader");
  QTest::addColumn<bool>("enter");
  QTest::newRow("memory, double-click") << "SM" << 80 << "STATION NAME" << false;
  QTest::newRow("group, enter") << "SG" << 32 << "GROUP NAME" << true;
}

void DirectoryScreensTest::listShowsEveryEntryAndJumps() {
  QFETCH(QString, prefix);
  QFETCH(int, rows);
  QFETCH(QString, nameHeader);
  QFETCH(bool, enter);
  KV508_START_WINDOW(f);
  UseEntries(Entries(f.S(), prefix), 2);
  QVERIFY(f.Activate());
  f.ShowNode(prefix);
  auto *grid = f.Widget<ui::ScreenGrid>(QStringLiteral("MSFlexGrid2"));
  QAbstractItemModel *model = grid->model();
  QCOMPARE(f.Window().screens().ActivePanel(), grid->parentWidget());
  QCOMPARE(model->rowCount(), rows);
  QCOMPARE(model->columnCount(), 3);
  const QStringList headers = {model->headerData(0, Qt::Horizontal).toString(),
                               model->headerData(1, Qt::Horizontal).toString(),
                               model->headerData(2, Qt::Horizontal).toString()};
  QCOMPARE(headers, (QStringList{QStringLiteral("No."), nameHeader, QStringLiteral("MMSI")}));
  QCOMPARE(grid->columnWidth(0), ui::ToPixels(800));
  QCOMPARE(grid->columnWidth(1), ui::ToPixels(2500));
  const QStringList used = {GridCell(f, 1, 0), GridCell(f, 1, 1), GridCell(f, 1, 2)};
  QCOMPARE(used, (QStringList{QStringLiteral("2"), QStringLiteral("SHIP2"),
                              QStringLiteral("211111111")}));
  const QStringList last = {GridCell(f, rows - 1, 0), GridCell(f, rows - 1, 1),
                            GridCell(f, rows - 1, 2)};
  QCOMPARE(last, (QStringList{QString::number(rows), QString(), QStringLiteral("         ")}));
  grid->setFocus(Qt::TabFocusReason);
  QCOMPARE(f.StatusHint(), QStringLiteral("[Double click],[Enter]:Jump the Setting screen."));

  // Enter jumps from the last row; a double-click from a visible one.
  const int target = enter ? rows : 3;
  const QModelIndex row = model->index(target - 1, 1);
  grid->setCurrentIndex(row);
  const QPoint at = grid->visualRect(row).center();
  if (enter) {
    QTest::keyClick(grid, Qt::Key_Return);
  } else {
    // The double-click event follows the click that pressed the row.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
  }
  QCOMPARE(ui::NodeKey(f.Window().tree().currentItem()),
           prefix + QLatin1Char(' ') + QString::number(target));
  QCOMPARE(f.Window().screens().ActivePanel()->objectName(), QStringLiteral("fraDirectory"));
  QVERIFY(!f.S().state.DataChanged);
}

void DirectoryScreensTest::editedSavedReopenedAndProgrammed() {
  KV508_START_WINDOW(f);
  auto port = std::make_unique<sim::SimPort>(sim::SimPort::Pacing::Unpaced);
  sim::SimPort *radio = port.get();
  f.Window().ports().SetSimulatedRadio(std::move(port));
  f.Action("mnuComSim")->trigger();
  QVERIFY(f.Activate());

  const struct {
    const char *key;
    const char *name;
    const char *mmsi;
  } typed[] = {{"SM 1", "PILOT", "316000001"},
               {"SM 2", "Harbour 2", "211111111"},
               {"SG 1", "FLEET", "12345678"}};
  Panel p(f);
  for (const auto &entry : typed) {
    f.ShowNode(QLatin1String(entry.key));
    Tick(p.enable);
    f.Type(p.name, QLatin1String(entry.name));
    f.Type(p.mmsi, QLatin1String(entry.mmsi));
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
  QCOMPARE(f.S().data.CHMMSID[2].TagName, std::string("Harbour 2"));

  bool pressed = false;
  QTimer::singleShot(0, [&] {
    if (auto *d = f.Window().findChild<QDialog *>(QStringLiteral("frmRadio"))) {
      d->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
      if (d->isVisible())
        d->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
      pressed = true;
    }
  });
  f.Action("Program")->trigger();
  QVERIFY(pressed);
  QCOMPARE(f.host.messages.back().text, std::string("Complete!!"));

  RadioData expected;
  BuildDefaultImage(expected, 1);
  DecodeImage(expected);
  expected.CHMMSID[1] = {.Enable = true, .TagName = "PILOT", .Mmsid = "3160000010"};
  expected.CHMMSID[2] = {.Enable = true, .TagName = "Harbour 2", .Mmsid = "2111111110"};
  expected.CHGRPID[1] = {.Enable = true, .TagName = "FLEET", .Mmsid = "0123456780"};
  QVERIFY(!EncodeImage(expected, 1));
  const MemoryImage &memory = radio->Engine().Memory();
  const auto same = [&](int first, int count) {
    const int end = first + count * layout::kDirectorySlotStride;
    return std::equal(memory.begin() + first, memory.begin() + end, expected.Image.begin() + first);
  };
  QVERIFY(same(layout::kMemoryIdSlots, layout::kMemoryIdSlotCount));
  QVERIFY(same(layout::kGroupIdSlots, layout::kGroupIdSlotCount));
  // The MMSIs in packed digits, whatever the encoder thinks.
  const std::vector<int> pilot(memory.begin() + layout::kMemoryIdSlots,
                               memory.begin() + layout::kMemoryIdSlots + 5);
  QCOMPARE(pilot, (std::vector<int>{0x31, 0x60, 0x00, 0x00, 0x10}));
  const std::vector<int> fleet(memory.begin() + layout::kGroupIdSlots,
                               memory.begin() + layout::kGroupIdSlots + 5);
  QCOMPARE(fleet, (std::vector<int>{0x01, 0x23, 0x45, 0x67, 0x80}));
}

QTEST_MAIN(DirectoryScreensTest)
#include "tst_directory_screens.moc"

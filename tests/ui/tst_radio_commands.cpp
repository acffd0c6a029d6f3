// Transfer > Compare with Radio with its three answers, the identity guard's
// Keep the Radio's Identity, Options > Test Connection and Save Trace..., in
// the real window over the in-process simulated radio.

#include "sim_radio.h"

#include "image/fields.h"
#include "image/layout.h"
#include "ui/ui_text.h"

#include <QLabel>
#include <QTreeWidget>

using namespace kv508;
using namespace kv508::testing;

namespace {

using Texts = std::vector<std::string>;
const std::string kQuestion = "KMT data has changed.\r\nDo you want to save changes?";

// The window after a read of the simulated radio, which holds the memory of a
// radio in use (own MMSI 232001234).
struct RadioWindow : WindowFixture {
  bool Up() {
    if (!Start())
      return false;
    radio = AttachSimulatedRadio(*this);
    RunTransfer(*this, [this] { Action("mnuTransferRead")->trigger(); });
    read = S().data;
    host.messages.clear();
    return S().data.DscBasic.UserMmsi == "2320012340";
  }
  // A change through the edit path, as a control makes it: one undo step.
  void Change(const char *name, const std::function<void(RadioData &)> &change) {
    Window().edits().Apply({name, "General", ""}, change, StepKind::Edit);
  }
  // Edits the compare is to find; they count as unsaved changes.
  void Edit() {
    Change("CH Name", [](RadioData &d) { d.CHUSA[32].ChTag = "CALL16"; });
    Change("Memory ID", [](RadioData &d) {
      d.CHMMSID[4] = {.Enable = true, .TagName = "PILOT", .Mmsid = "2320007770"};
    });
    Change("Beep", [](RadioData &d) { d.DscBasic.BeepOut[2] = !d.DscBasic.BeepOut[2]; });
  }
  // Compare with Radio; `inCompare` sees frmCompare and presses one of its buttons.
  bool Compare(const std::function<void(QDialog &)> &inCompare) {
    bool seen = false;
    RunTransfer(
        *this, [this] { Action("mnuTransferCompare")->trigger(); },
        [this, &seen, inCompare](QDialog &) {
          // Runs in the compare window's own loop, which comes once the radio is read.
          QTimer::singleShot(0, &Window(), [this, &seen, inCompare] {
            auto *window = Window().findChild<QDialog *>(QStringLiteral("frmCompare"));
            if (!window)
              return;
            seen = true;
            inCompare(*window);
            if (window->isVisible())
              window->reject();
          });
        });
    return seen;
  }
  std::uint64_t Writes() { return radio->Engine().Counters().blockWrites; }
  std::uint64_t Probes() { return radio->Engine().Counters().probes; }

  sim::SimPort *radio = nullptr;
  RadioData read;
};

void Press(QWidget &w, const char *button) {
  w.findChild<QPushButton *>(QLatin1String(button))->click();
}

// Each row of a tree as "group/setting|radio|written", groups with their children.
QStringList Rows(QWidget &w, const char *tree) {
  QStringList rows;
  auto *list = w.findChild<QTreeWidget *>(QLatin1String(tree));
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QTreeWidgetItem *top = list->topLevelItem(i);
    if (top->childCount() == 0)
      rows << top->text(0) + QLatin1Char('|') + top->text(1) + QLatin1Char('|') + top->text(2);
    for (int c = 0; c < top->childCount(); ++c) {
      QTreeWidgetItem *row = top->child(c);
      rows << top->text(0) + QLatin1Char('/') + row->text(0) + QLatin1Char('|') + row->text(1) +
                  QLatin1Char('|') + row->text(2);
    }
  }
  return rows;
}

} // namespace

class RadioCommandsTest : public QObject {
  Q_OBJECT

private slots:
  // The list holds exactly the edits; Use the Radio's Values asks about the
  // unsaved edits, takes the radio's settings as one undo step and Undo brings
  // the edits back. Save as Text... writes the list.
  void compareListsTheEditsAndTakesTheRadiosValuesAsOneStep() {
    RadioWindow f;
    QVERIFY(f.Up());
    f.Edit();
    const RadioData edited = f.S().data;
    const QString text = f.folder.File(QStringLiteral("compare.txt"));
    f.dialogs.saveAnswers = {text};
    f.host.answers = {Answer::No};
    QStringList rows, summary, keyboard;
    QVERIFY(f.Compare([&](QDialog &w) {
      keyboard = KeyboardFaults(&w);
      rows = Rows(w, "tvCompare");
      summary << w.findChild<QLabel *>(QStringLiteral("lblSummary"))->text();
      Press(w, "cmdSaveText");
      Press(w, "cmdUseRadio");
    }));
    QVERIFY2(keyboard.isEmpty(), qPrintable(keyboard.join('\n')));
    QCOMPARE(rows, (QStringList{
                       QStringLiteral("DSC Setup/BeepOut[2]|On|Off"),
                       QStringLiteral("Group1/CH 16 ChTag|DISTRESS|CALL16"),
                       QStringLiteral("Individual Directory/Memory ID 4 Enable|Off|On"),
                       QStringLiteral("Individual Directory/Memory ID 4 TagName|(none)|PILOT"),
                       QStringLiteral("Individual Directory/Memory ID 4 Mmsid|(none)|2320007770"),
                   }));
    QCOMPARE(summary, QStringList{QStringLiteral("5 settings of the radio differ from the data "
                                                 "being edited.")});
    QCOMPARE(ReadAll(text), std::string("DSC Setup\n  BeepOut[2]: \"On\" -> \"Off\"\nGroup1\n"
                                        "  CH 16 ChTag: \"DISTRESS\" -> \"CALL16\"\n"
                                        "Individual Directory\n"
                                        "  Memory ID 4 Enable: \"Off\" -> \"On\"\n"
                                        "  Memory ID 4 TagName: \"\" -> \"PILOT\"\n"
                                        "  Memory ID 4 Mmsid: \"\" -> \"2320007770\"\n"));
    QCOMPARE(f.host.Texts(), Texts{kQuestion});
    QCOMPARE(f.Writes(), std::uint64_t(0));
    QVERIFY(f.S().data == f.read);
    QCOMPARE(f.Action("mnuEditUndo")->text().remove('&'),
             QStringLiteral("Undo Use the Radio's Values"));
    f.Action("mnuEditUndo")->trigger();
    QVERIFY(static_cast<const RadioSettings &>(f.S().data) == edited);

    // Cancel to the question leaves the edits.
    f.host.answers = {Answer::Cancel};
    QVERIFY(f.Compare([](QDialog &w) { Press(w, "cmdUseRadio"); }));
    QVERIFY(static_cast<const RadioSettings &>(f.S().data) == edited);
  }

  // Program These Changes writes the edited blocks in the connection of the
  // compare's read, and reads them back.
  void programTheseChangesWritesOnlyThemInTheSameConnection() {
    RadioWindow f;
    QVERIFY(f.Up());
    f.Edit();
    const std::uint64_t writes = f.Writes(), probes = f.Probes();
    const std::uint64_t reads = f.radio->Engine().Counters().blockReads;
    QVERIFY(f.Compare([](QDialog &w) { Press(w, "cmdProgramChanges"); }));
    QCOMPARE(f.host.Texts(), Texts{"Complete!!"});
    QCOMPARE(f.host.messages.back().title, std::string("Program Changes to Radio"));
    QCOMPARE(f.Writes() - writes, std::uint64_t(3));
    QCOMPARE(f.Probes() - probes, std::uint64_t(1));
    QCOMPARE(f.radio->Engine().Counters().blockReads - reads, std::uint64_t(3 + 512 + 3));
    QCOMPARE(NameFieldRead(f.radio->Engine().Memory(), layout::kPlanNames[0] + 32 * 16, 16),
             std::string("CALL16"));
    QVERIFY(f.Window().findChild<QDialog *>(QStringLiteral("frmRadio")) == nullptr);

    // Nothing left to send: the radio already holds it.
    QVERIFY(f.Compare([](QDialog &w) { Press(w, "cmdProgramChanges"); }));
    QCOMPARE(f.host.messages.back().text,
             std::string("Nothing to send: the radio already holds these settings."));
    QCOMPARE(f.Writes() - writes, std::uint64_t(3));
  }

  // Keep the Radio's Identity writes the radio's own MMSI and takes it into
  // the data as one undo step; Cancel writes nothing.
  void keepingTheRadiosIdentityIsOneUndoStep() {
    RadioWindow f;
    QVERIFY(f.Up());
    f.Change("User MMSI", [](RadioData &d) { d.DscBasic.UserMmsi = "3661234500"; });
    const std::uint64_t writes = f.Writes();
    f.host.choices = {2};
    RunTransfer(f, [&f] { f.Action("mnuTransferProgram")->trigger(); });
    QCOMPARE(f.Writes(), writes);
    QCOMPARE(f.host.questions.size(), std::size_t(1));
    QCOMPARE(f.host.questions[0].text,
             std::string("This radio's own MMSI is 232001234. The data would change it to "
                         "366123450. Most radios accept a new own MMSI only once."));

    f.host.choices = {0};
    RunTransfer(f, [&f] { f.Action("mnuTransferProgram")->trigger(); });
    QCOMPARE(f.host.Texts(), Texts{"Complete!!"});
    QCOMPARE(f.S().data.DscBasic.UserMmsi, std::string("2320012340"));
    QCOMPARE(Bcd5Read(f.radio->Engine().Memory(), layout::kUserMmsi), std::string("2320012340"));
    QCOMPARE(f.Action("mnuEditUndo")->text().remove('&'),
             QStringLiteral("Undo Keep the Radio's Identity"));
    f.Action("mnuEditUndo")->trigger();
    QCOMPARE(f.S().data.DscBasic.UserMmsi, std::string("3661234500"));
  }

  // Each step with its result; a radio of another model is named.
  void testConnectionShowsEachStepAndWhatToFix() {
    RadioWindow f;
    QVERIFY(f.Start());
    f.radio = AttachSimulatedRadio(f);
    QStringList good, wrong;
    QString advice, wrongAdvice;
    bool traceOffered = false;
    QTimer::singleShot(0, &f.Window(), [&] {
      auto *d = f.Window().findChild<QDialog *>(QStringLiteral("frmTestConnection"));
      if (!d)
        return;
      Press(*d, "cmdTest");
      good = Rows(*d, "tvSteps");
      advice = d->findChild<QLabel *>(QStringLiteral("lblAdvice"))->text();
      f.radio->Engine().Faults().wrongModelId = true;
      Press(*d, "cmdTest");
      wrong = Rows(*d, "tvSteps");
      wrongAdvice = d->findChild<QLabel *>(QStringLiteral("lblAdvice"))->text();
      traceOffered = d->findChild<QPushButton *>(QStringLiteral("cmdSaveTrace"))->isVisible();
      Press(*d, "cmdClose");
    });
    f.Action("mnuOptionsTestConnection")->trigger();
    QCOMPARE(good, (QStringList{QStringLiteral("Open the port|passed|OK"),
                                QStringLiteral("Handshake|passed|OK, working speed 57600 baud"),
                                QStringLiteral("Model check|passed|OK, model identifier 07D0 "
                                               "(TR4100/TR4300)"),
                                QStringLiteral("Product check|passed|OK, product code QZ318R")}));
    QCOMPARE(advice, QStringLiteral("The radio answers: the connection works."));
    QCOMPARE(wrong[2], QStringLiteral("Model check|FAILED|model identifiers 07D0 (start) and 07D1 "
                                      "(end)"));
    QVERIFY(wrongAdvice.startsWith(QStringLiteral("Likely cause: The radio reports model")));
    QVERIFY(traceOffered);
    QVERIFY(f.host.messages.empty());
    QCOMPARE(f.Writes(), std::uint64_t(0));
  }

  // After a read that failed, Save Trace... writes the frames it sent and got.
  void saveTraceAfterAFailedRead() {
    RadioWindow f;
    QVERIFY(f.Start());
    f.radio = AttachSimulatedRadio(f);
    f.radio->Engine().Faults().silenceAfterFrames = 20;
    const QString file = f.folder.File(QStringLiteral("trace.txt"));
    f.dialogs.saveAnswers = {file};
    bool offeredBefore = true, offeredAfter = false;
    RunTransfer(
        f, [&f] { f.Action("mnuTransferRead")->trigger(); },
        [&](QDialog &d) {
          auto *save = d.findChild<QPushButton *>(QStringLiteral("cmdSaveTrace"));
          offeredBefore = save->isVisible();
          Press(d, "cmdOK");
          offeredAfter = save->isVisible();
          save->click();
        },
        false);
    QVERIFY(!offeredBefore && offeredAfter);
    const QString trace = QString::fromStdString(ReadAll(file));
    QCOMPARE(trace.section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("KV508 serial trace: Read from Radio on the simulated radio"));
    QVERIFY(trace.contains(QStringLiteral("PC> #CEPRD<TAB>0000<TAB>40<TAB>")));
    QVERIFY(trace.contains(QStringLiteral("<RX #CEPRD<TAB>0000<TAB>40<TAB>")));
  }
};

QTEST_MAIN(RadioCommandsTest)
#include "tst_radio_commands.moc"

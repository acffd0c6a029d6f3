#include "app/undo_history.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

RadioSettings WithDualWatch(bool on) {
  RadioSettings s;
  s.Common.DualWatch = on;
  return s;
}

TEST(UndoHistory, StepsUndoAndRedoInOrderAndTrackTheSavedState) {
  UndoHistory h;
  RadioSettings now;
  h.Reset(now, true);
  EXPECT_FALSE(h.CanUndo(now));
  EXPECT_FALSE(h.Record(now, {"Nothing", "", ""})); // no change, no step

  now.Common.DualWatch = true;
  EXPECT_TRUE(h.Record(now, {"Dual Watch", "Common", "cmbDualWatch"}));
  now.CHUSA[3].ChTag = "HARBOUR";
  EXPECT_TRUE(h.Record(now, {"CH Name", "US 3", "txtChName"}));
  EXPECT_TRUE(h.Changed(now));
  EXPECT_EQ(h.NextUndo()->name, "CH Name");

  EXPECT_EQ(h.Undo(now), (EditPlace{"CH Name", "US 3", "txtChName"}));
  EXPECT_EQ(now.CHUSA[3].ChTag, "");
  EXPECT_TRUE(now.Common.DualWatch);
  EXPECT_EQ(h.NextRedo()->name, "CH Name");
  EXPECT_EQ(h.Undo(now)->name, "Dual Watch");
  EXPECT_EQ(now, RadioSettings{});
  EXPECT_FALSE(h.Changed(now)); // back where it was loaded
  EXPECT_FALSE(h.Undo(now));
  EXPECT_EQ(now, RadioSettings{}); // nothing to undo changes nothing

  EXPECT_EQ(h.Redo(now)->name, "Dual Watch");
  EXPECT_EQ(h.Redo(now)->name, "CH Name");
  EXPECT_EQ(now.CHUSA[3].ChTag, "HARBOUR");
  EXPECT_TRUE(h.Changed(now));
  EXPECT_FALSE(h.Redo(now));

  h.MarkSaved(now);
  EXPECT_FALSE(h.Changed(now));
  h.Undo(now);
  EXPECT_TRUE(h.Changed(now)); // the saved state is no longer the loaded one
}

TEST(UndoHistory, ANewEditDropsRedoAndAnUnrecordedChangeIsUndoneAsOneStep) {
  UndoHistory h;
  RadioSettings now;
  h.Reset(now, true);
  now.Common.Scan = true;
  h.Record(now, {"Scan", "Common", "cmbScan"});
  h.Undo(now);
  now.Common.Sog = 2;
  h.Record(now, {"SOG", "Common", "cmbSog"});
  EXPECT_FALSE(h.CanRedo());
  EXPECT_FALSE(h.Redo(now));

  // Typed but not yet recorded: undo takes it back first, then the step before.
  now.Common.Distance = 1;
  EXPECT_TRUE(h.CanUndo(now));
  EXPECT_EQ(h.Undo(now)->name, "");
  EXPECT_EQ(now.Common.Distance, 0);
  EXPECT_EQ(now.Common.Sog, 2);
  EXPECT_EQ(h.Undo(now)->name, "SOG");
  EXPECT_EQ(now, RadioSettings{});
}

TEST(UndoHistory, ResetForgetsStepsAndUnsavedDataStaysChanged) {
  UndoHistory h;
  RadioSettings now = WithDualWatch(true);
  h.Reset(now, false); // a restored backup: no file holds it
  EXPECT_TRUE(h.Changed(now));
  now.Common.Scan = true;
  h.Record(now, {"Scan", "", ""});
  h.Undo(now);
  EXPECT_TRUE(h.Changed(now));

  h.Reset(now, true);
  EXPECT_FALSE(h.CanUndo(now));
  EXPECT_FALSE(h.CanRedo());
  EXPECT_FALSE(h.Changed(now));
}

TEST(UndoHistory, KeepsOnlyTheNewestSteps) {
  UndoHistory h;
  RadioSettings now;
  h.Reset(now, true);
  for (std::size_t i = 1; i <= UndoHistory::kMaxSteps + 5; ++i) {
    now.Common.ResumeTime = static_cast<std::int16_t>(i);
    h.Record(now, {"Resume Time", "", ""});
  }
  int undone = 0;
  while (h.Undo(now))
    ++undone;
  EXPECT_EQ(undone, static_cast<int>(UndoHistory::kMaxSteps));
  EXPECT_EQ(now.Common.ResumeTime, 5); // the five oldest steps are gone
}

} // namespace
} // namespace kv508

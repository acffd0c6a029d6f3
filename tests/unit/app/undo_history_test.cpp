#include "app/undo_history.h"

#include <gtest/gtest.h>

namespace kv508 {
namespace {

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
  EXPECT_EQ(h.NextUndo()->name, "CH Name");

  EXPECT_EQ(h.Undo(now), (EditPlace{"CH Name", "US 3", "txtChName"}));
  EXPECT_EQ(now.CHUSA[3].ChTag, "");
  EXPECT_TRUE(now.Common.DualWatch);
  EXPECT_EQ(h.NextRedo()->name, "CH Name");
  EXPECT_EQ(h.Undo(now)->name, "Dual Watch");
  EXPECT_EQ(now, RadioSettings{});
  EXPECT_FALSE(h.Changed(now)); // back where it was loaded
  EXPECT_FALSE(h.Undo(now));
  EXPECT_EQ(now, RadioSettings{});

  EXPECT_EQ(h.Redo(now)->name, "Dual Watch");
  EXPECT_EQ(h.Redo(now)->name, "CH Name");
  EXPECT_EQ(now.CHUSA[3].ChTag, "HARBOUR");
  EXPECT_TRUE(h.Changed(now));
  EXPECT_FALSE(h.Redo(now));
  h.MarkSaved(now);
  EXPECT_FALSE(h.Changed(now));
  h.Undo(now);
  EXPECT_TRUE(h.Changed(now)); // the saved state is no longer the loaded one

  // A new edit drops what could be redone.
  now.Common.Sog = 2;
  h.Record(now, {"SOG", "Common", "cmbSog"});
  EXPECT_FALSE(h.CanRedo());
  EXPECT_FALSE(h.Redo(now));
  // Typed but not yet recorded: undo takes it back first, then the step before.
  now.Common.Distance = 1;
  EXPECT_EQ(h.Undo(now)->name, "");
  EXPECT_EQ(now.Common.Distance, 0);
  EXPECT_EQ(now.Common.Sog, 2);
  EXPECT_EQ(h.Undo(now)->name, "SOG");
  EXPECT_EQ(now.Common.Sog, RadioSettings{}.Common.Sog);
}

TEST(UndoHistory, KeepsOnlyTheNewestStepsAndResetForgetsThem) {
  UndoHistory h;
  RadioSettings now;
  now.Common.Scan = true;
  h.Reset(now, false); // a restored backup: no file holds it
  EXPECT_TRUE(h.Changed(now));
  for (std::size_t i = 1; i <= UndoHistory::kMaxSteps + 5; ++i) {
    now.Common.ResumeTime = static_cast<std::int16_t>(i);
    h.Record(now, {"Resume Time", "", ""});
  }
  std::size_t undone = 0;
  while (h.Undo(now))
    ++undone;
  EXPECT_EQ(undone, UndoHistory::kMaxSteps);
  EXPECT_EQ(now.Common.ResumeTime, 5); // the five oldest steps are gone
  EXPECT_TRUE(h.Changed(now));

  h.Redo(now);
  h.Reset(now, true);
  EXPECT_FALSE(h.CanUndo(now));
  EXPECT_FALSE(h.CanRedo());
  EXPECT_FALSE(h.Changed(now));
}

} // namespace
} // namespace kv508

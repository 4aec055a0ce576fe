#include "core/color/color_history.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

constexpr TColor A = 0x111111, B = 0x222222, C = 0x333333, D = 0x444444;

// Drives the history the way the window does: every step names the current
// color before and after.
struct Session {
  ColorHistory history;
  TColor current = A;

  void Change(TColor next) {
    history.Record(current);
    current = next;
  }
  bool Undo() {
    const auto color = history.Undo(current);
    if (color) current = *color;
    return color.has_value();
  }
  bool Redo() {
    const auto color = history.Redo(current);
    if (color) current = *color;
    return color.has_value();
  }
};

TEST(ColorHistory, UndoAndRedoWalkThroughRecordedChanges) {
  Session s;
  s.Change(B);  // Random
  s.Change(C);  // Invert
  ASSERT_TRUE(s.Undo());
  EXPECT_EQ(s.current, B);
  ASSERT_TRUE(s.Undo());
  EXPECT_EQ(s.current, A);
  EXPECT_FALSE(s.Undo());
  ASSERT_TRUE(s.Redo());
  EXPECT_EQ(s.current, B);
  s.Change(D);  // a new change keeps the redo stack
  EXPECT_EQ(s.history.RedoDepth(), 1);
  ASSERT_TRUE(s.Redo());
  EXPECT_EQ(s.current, C);
  EXPECT_EQ(s.history.RedoDepth(), 0);
  // Undo stack now D, B, A from the top.
  for (TColor expected : {D, B, A}) {
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ(s.current, expected);
  }
}

TEST(ColorHistory, EmptyStacksChangeNothing) {
  Session s;
  EXPECT_FALSE(s.Undo());
  EXPECT_FALSE(s.Redo());
  EXPECT_EQ(s.current, A);
  EXPECT_EQ(s.history.UndoDepth(), 0);
  EXPECT_EQ(s.history.RedoDepth(), 0);
}

TEST(ColorHistory, KeepsTheTenMostRecentColors) {
  Session s;
  s.current = 0;
  for (TColor color = 1; color <= 11; ++color) s.Change(color);  // records 0 … 10
  EXPECT_EQ(s.history.UndoDepth(), 10);
  for (TColor expected = 10; expected >= 1; --expected) {
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ(s.current, expected);
  }
  EXPECT_FALSE(s.Undo()) << "the oldest color (0) was dropped by the eleventh change";
}

TEST(ColorHistory, SameColorIsNotRecordedTwiceInARow) {
  Session s;
  s.history.Record(A);
  s.history.Record(A);
  EXPECT_EQ(s.history.UndoDepth(), 1);
}

TEST(ColorHistory, BlackIsUndoneAndRedoneLikeAnyColor) {
  Session s;
  s.current = 0;
  s.Change(B);
  ASSERT_TRUE(s.Undo());
  EXPECT_EQ(s.current, 0);
  ASSERT_TRUE(s.Redo());
  EXPECT_EQ(s.current, B);
  ASSERT_TRUE(s.Undo());
  s.Change(C);  // from black
  ASSERT_TRUE(s.Undo());
  EXPECT_EQ(s.current, 0);
}

}  // namespace
}  // namespace tw

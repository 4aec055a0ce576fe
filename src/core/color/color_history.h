#pragma once

#include <array>
#include <optional>

#include "core/color/tcolor.h"

namespace tw {

// Undo and redo of the current color, ten deep each. Each stack counts its
// entries, so black is a color like any other and never reads as "empty".
class ColorHistory {
 public:
  static constexpr int kDepth = 10;

  // Offers the current color to the undo stack before a change. The same
  // color is never recorded twice in a row; an eleventh entry drops the
  // oldest.
  void Record(TColor current) { Push(undo_, undoDepth_, current); }
  // The color to go back to, with `current` moved to the redo stack; nothing
  // when there is nothing to undo.
  std::optional<TColor> Undo(TColor current);
  // The color to go forward to, with `current` recorded for undo; nothing
  // when there is nothing to redo.
  std::optional<TColor> Redo(TColor current);

  int UndoDepth() const { return undoDepth_; }
  int RedoDepth() const { return redoDepth_; }

 private:
  using Stack = std::array<TColor, kDepth>;
  static void Push(Stack& stack, int& depth, TColor color);
  static TColor Pop(Stack& stack, int& depth);

  Stack undo_{};
  Stack redo_{};
  int undoDepth_ = 0;
  int redoDepth_ = 0;
};

}  // namespace tw

#include "core/color/color_history.h"

#include <algorithm>

namespace tw {

void ColorHistory::Push(Stack& stack, int& depth, TColor color) {
  if (depth > 0 && stack[0] == color) return;
  std::shift_right(stack.begin(), stack.end(), 1);
  stack[0] = color;
  depth = std::min(depth + 1, kDepth);
}

TColor ColorHistory::Pop(Stack& stack, int& depth) {
  const TColor top = stack[0];
  std::shift_left(stack.begin(), stack.end(), 1);
  --depth;
  return top;
}

std::optional<TColor> ColorHistory::Undo(TColor current) {
  if (undoDepth_ == 0) return std::nullopt;
  Push(redo_, redoDepth_, current);
  return Pop(undo_, undoDepth_);
}

std::optional<TColor> ColorHistory::Redo(TColor current) {
  if (redoDepth_ == 0) return std::nullopt;
  Record(current);
  return Pop(redo_, redoDepth_);
}

}  // namespace tw

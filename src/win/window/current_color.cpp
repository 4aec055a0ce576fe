#include "win/window/current_color.h"

namespace tw::win {

void CurrentColor::Replace(TColor color) {
  previous_ = value_;
  value_ = color;
  if (OnReplaced) OnReplaced(color);
}

void CurrentColor::Follow(ColorSource source) const {
  if (OnFollow) OnFollow(source);
}

void CurrentColor::Set(TColor color, bool undoable) {
  if (undoable) RecordForUndo();
  Replace(color);
  Follow(ColorSource::kOther);
}

void CurrentColor::Offer(std::optional<TColor> color) {
  if (color) {
    Replace(*color);
  } else {
    previous_ = value_;
  }
}

void CurrentColor::Take(std::optional<TColor> color, ColorSource source) {
  Offer(color);
  Follow(source);
}

void CurrentColor::Undo() {
  if (const std::optional<TColor> color = history_.Undo(value_)) Set(*color, false);
}

void CurrentColor::Redo() {
  if (const std::optional<TColor> color = history_.Redo(value_)) Set(*color, false);
}

}  // namespace tw::win

#pragma once

#include <functional>
#include <optional>

#include "core/color/color_history.h"
#include "core/color/tcolor.h"

namespace tw::win {

// Where a new color came from. Controls that a color came from are not
// rewritten while the others follow it, so a number being typed stays as
// the user typed it.
enum class ColorSource { kOther, kRgbBoxes, kRgbBars, kHsvBoxes, kHsvBars };

// The one current color of the window, the color it last replaced and the
// undo history. The parts change the color here; the color frame shows it at
// once (OnReplaced) and every other control follows it (OnFollow), in the
// order the window keeps.
class CurrentColor {
 public:
  explicit CurrentColor(TColor start) : value_(start) {}
  CurrentColor(const CurrentColor&) = delete;
  CurrentColor& operator=(const CurrentColor&) = delete;

  TColor Value() const { return value_; }
  // Whether the latest change left the color as it was; before the first
  // change the controls have shown no color yet, so that counts as new.
  bool LatestChangeKeptColor() const { return previous_ == value_; }
  const ColorHistory& History() const { return history_; }

  // Offers the color as it is now to the undo history, before a change.
  void RecordForUndo() { history_.Record(value_); }

  // A color set directly (a button, a list entry, a typed code): recorded
  // for undo when asked, and every control follows.
  void Set(TColor color, bool undoable);
  // A color taken from controls of `source`, or nothing when they hold no
  // color (the color stays); every other control follows.
  void Take(std::optional<TColor> color, ColorSource source);
  // Take's first half: the frame shows the color, nothing follows yet.
  void Offer(std::optional<TColor> color);
  void Undo();
  void Redo();

  // The two halves of a change, for callers that time or repeat them.
  void Replace(TColor color);
  void Follow(ColorSource source) const;

  std::function<void(TColor color)> OnReplaced;
  std::function<void(ColorSource source)> OnFollow;

 private:
  TColor value_;
  std::optional<TColor> previous_;  // the color the latest change replaced
  ColorHistory history_;
};

}  // namespace tw::win

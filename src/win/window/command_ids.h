#pragma once

#include <windows.h>

#include "core/color/color_codes.h"
#include "core/names/color_sort.h"
#include "core/sampling/magnifier_geometry.h"

namespace tw::win {

// Every menu command has a fixed id, so that other programs (and the tests
// that stand in for a user) can send it as WM_COMMAND. Twins in two menus
// (the "Color List" copies, "Use Text in Color Frame", "Change Font") are one
// command with one id. Ids are never reused or renumbered.
enum Command : UINT {
  kExitCommand = 0xE001,
  kAlwaysOnTopCommand = 0xE100,
  kShowTitleBarCommand,
  kSmallLayoutCommand,
  kMediumLayoutCommand,
  kLargeLayoutCommand,
  kUndoCommand,
  kRedoCommand,
  kStayInTrayCommand,
  kRunAtLogonCommand,
  kWebSiteCommand,
  kCheckUpdateCommand,
  kHelpCommand,
  kAboutCommand,
  kSetCoordinatesCommand,
  kResetCoordinatesCommand,
  kClearMagnifierCommand,
  kCrossCommand,
  kRectangleCommand,
  kNoCrosshairCommand,
  kAveragingOffCommand,
  kAveraging3x3Command,
  kAveraging5x5Command,
  kUpperCaseCommand,
  kUseTextCommand,
  kChangeFontCommand,
  kWhiteTextCommand,
  kBlackTextCommand,
  kContrastTextCommand,
  kInverseTextCommand,
  kStoreInSlotCommand,
  kSlotAsBackgroundCommand,
  kSlotAsTextColorCommand,
  kCopySlotCodeCommand,
  kFindClosestCommand,
  kHtmlOnlyCommand,
  // One command per notation, zoom factor and sort order, each range with
  // room to grow.
  kFirstNotationCommand = 0xE200,  // + the notation
  kFirstZoomCommand = 0xE280,      // + the factor − 1
  kFirstSortCommand = 0xE300,      // + the order
  kLastCommand = 0xE37F,
};
static_assert(kHtmlOnlyCommand < kFirstNotationCommand);
static_assert(kFirstNotationCommand + kNotationCount <= kFirstZoomCommand);
static_assert(kFirstZoomCommand + kMaxZoom <= kFirstSortCommand);
static_assert(kFirstSortCommand + kSortOrderCount <= kLastCommand);

}  // namespace tw::win

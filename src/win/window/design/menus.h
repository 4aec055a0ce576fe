#pragma once

// The design table of the main window's menus: every item's name, caption,
// shortcut and tag. The names are those that settings keys (such as
// "Cross1_Checked") and the copies in the main menu ("…_copy") are made of.

#include <array>

#include "core/color/color_codes.h"
#include "core/sampling/magnifier_geometry.h"

#include "win/window/command_ids.h"
#include "win/widgets/menu.h"

namespace tw::win::design {

// The main menu, opened from the window and its settings button.
inline constexpr wchar_t kMainMenu[] = L"pupMain";
extern const MenuItemDesign kAlwaysOnTopItem;
extern const MenuItemDesign kShowTitleBarItem;
extern const MenuItemDesign kLayoutMenu;
// Small, medium, large; the tag is the layout's number.
extern const std::array<MenuItemDesign, 3> kLayoutItems;
inline constexpr wchar_t kAfterLayoutSeparator[] = L"N4";
extern const MenuItemDesign kUndoItem;
extern const MenuItemDesign kRedoItem;
extern const MenuItemDesign kStayInTrayItem;
extern const MenuItemDesign kRunAtLogonItem;
extern const MenuItemDesign kExitItem;
inline constexpr wchar_t kBeforeUndoSeparator[] = L"N3";
inline constexpr wchar_t kBeforeColorListSeparator[] = L"N11";
inline constexpr wchar_t kBeforeStayInTraySeparator[] = L"N7";
inline constexpr wchar_t kBeforeExitSeparator[] = L"N6";

// The maker's web site, the version check, the help file and About.
inline constexpr wchar_t kBeforeWebSiteSeparator[] = L"N1";
extern const MenuItemDesign kWebSiteItem;
extern const MenuItemDesign kCheckUpdateItem;
inline constexpr wchar_t kBeforeHelpSeparator[] = L"N2";
extern const MenuItemDesign kHelpItem;
inline constexpr wchar_t kBeforeAboutSeparator[] = L"N5";
extern const MenuItemDesign kAboutItem;

// Zoom: factors, crosshair, coordinates.
extern const MenuItemDesign kZoomMenu;
extern const MenuItemDesign kZoomFactorMenu;
MenuItemDesign ZoomFactorItem(int factor);  // 1 … kMaxZoom; the factor is its tag
extern const MenuItemDesign kCrosshairMenu;
// Cross, rectangle, none; the tag is the crosshair style.
extern const std::array<MenuItemDesign, 3> kCrosshairItems;
extern const MenuItemDesign kSetCoordinatesItem;
extern const MenuItemDesign kResetCoordinatesItem;
extern const MenuItemDesign kClearMagnifierItem;

// Averaging: off, 3 × 3, 5 × 5; the tag is the block's half width.
extern const MenuItemDesign kAveragingMenu;
extern const std::array<MenuItemDesign, 3> kAveragingItems;

// The color code: one item per notation, tagged with its index.
extern const MenuItemDesign kNotationMenu;
extern const std::array<MenuItemDesign, kNotationCount> kNotationItems;
extern const MenuItemDesign kUpperCaseItem;

// The text in the color frame: in the main menu, and in the frame's own
// menu with twins of the main menu's items.
extern const MenuItemDesign kTextDisplayMenu;
extern const MenuItemDesign kUseTextItem;
extern const MenuItemDesign kChangeFontItem;
inline constexpr wchar_t kFrameMenu[] = L"pupColorPanel";
extern const MenuItemDesign kWhiteTextItem;
extern const MenuItemDesign kBlackTextItem;
extern const MenuItemDesign kContrastTextItem;
extern const MenuItemDesign kInverseTextItem;
inline constexpr wchar_t kBeforeFrameTextSeparator[] = L"N13";
extern const MenuItemDesign kFrameUseTextItem;
extern const MenuItemDesign kFrameChangeFontItem;

// The menu of a palette slot.
inline constexpr wchar_t kSlotMenu[] = L"pupPalette";
extern const MenuItemDesign kStoreInSlotItem;
extern const MenuItemDesign kSlotAsBackgroundItem;
extern const MenuItemDesign kSlotAsTextColorItem;
extern const MenuItemDesign kCopySlotCodeItem;

// The menu of the named-color list, copied into the main menu under
// "Color List". A null caption is a separator; the sort items' tags are the
// sort order.
inline constexpr wchar_t kNamesMenu[] = L"mnuClosestColor";
extern const MenuItemDesign kFindClosestItem;
extern const std::array<MenuItemDesign, 12> kSortItems;
extern const MenuItemDesign kHtmlOnlyItem;
extern const MenuItemDesign kColorListMenu;
// The name of a main-menu copy of a list menu item.
std::wstring CopyName(const wchar_t* name);

}  // namespace tw::win::design

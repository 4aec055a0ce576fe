// The menus of the real main window as the window system shows them: every
// item's name, caption, shortcut, tag, check mark and enabled state, in
// order, against the design.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "test_support.h"
#include "win/platform/run_at_logon.h"
#include "win/platform/text.h"
#include "win/widgets/menu.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::MainWindow;
using win::MenuItem;

// One item; `depth` is its submenu level. A caption of "-" is a separator.
struct MenuRow {
  int depth;
  std::wstring name;
  std::wstring caption;
  std::wstring shortcut;
  int tag = 0;
  bool checked = false;
  bool enabled = true;

  friend bool operator==(const MenuRow&, const MenuRow&) = default;
};

void PrintTo(const MenuRow& row, std::ostream* out) {
  *out << std::string(static_cast<size_t>(row.depth) * 2, ' ') << win::Narrow(row.name) << " \""
       << win::Narrow(row.caption) << "\" [" << win::Narrow(row.shortcut) << "] tag " << row.tag
       << (row.checked ? " checked" : "") << (row.enabled ? "" : " disabled");
}

MenuRow Separator(int depth, const wchar_t* name) { return {depth, name, L"-", L""}; }

// The items as a user sees them in the window-system menu that the item
// tree builds, with each item's name and tag beside.
void Flatten(const MenuItem& parent, HMENU menu, int depth, std::vector<MenuRow>& rows) {
  int position = 0;
  for (const auto& item : parent.Items()) {
    MENUITEMINFOW info{sizeof(info)};
    wchar_t text[128] = {};
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 128;
    GetMenuItemInfoW(menu, static_cast<UINT>(position++), TRUE, &info);
    std::wstring caption = text;
    std::wstring shortcut;
    if (const size_t tab = caption.find(L'\t'); tab != std::wstring::npos) {
      shortcut = caption.substr(tab + 1);
      caption.resize(tab);
    }
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    if (separator) caption = L"-";
    // No item is a radio item: the handlers set every check mark.
    EXPECT_FALSE(info.fType & MFT_RADIOCHECK) << win::Narrow(item->Name());
    rows.push_back({depth, item->Name(), caption, shortcut, item->Tag,
                    (info.fState & MFS_CHECKED) != 0,
                    separator || (info.fState & MFS_DISABLED) == 0});  // a line is never chosen
    if (info.hSubMenu) Flatten(*item, info.hSubMenu, depth + 1, rows);
  }
}

std::vector<MenuRow> RowsOf(const MenuItem& root) {
  HMENU menu = CreatePopupMenu();
  root.AppendItemsTo(menu);
  std::vector<MenuRow> rows;
  Flatten(root, menu, 0, rows);
  DestroyMenu(menu);
  return rows;
}

// The named-color list's menu; the main menu holds copies of it.
std::vector<MenuRow> NamesMenuRows(int depth, const std::wstring& suffix) {
  auto name = [&](const wchar_t* original) { return original + suffix; };
  return {
      {depth, name(L"FindClosestColor1"), L"Find Closest Color", L"", 0},
      Separator(depth, name(L"N8").c_str()),
      {depth, name(L"SortbyName1"), L"Sort by Name", L"", 0},
      Separator(depth, name(L"N10").c_str()),
      {depth, name(L"SortbyHue1"), L"Sort by Hue", L"", 1},
      {depth, name(L"SortbySaturation1"), L"Sort by Saturation", L"", 2},
      {depth, name(L"SortbyValue1"), L"Sort by Value", L"", 3},
      Separator(depth, name(L"N9").c_str()),
      {depth, name(L"SortbyRed1"), L"Sort by Red", L"", 4},
      {depth, name(L"SortbyGreen1"), L"Sort by Green", L"", 5},
      {depth, name(L"SortbyBlue1"), L"Sort by Blue", L"", 6},
      {depth, name(L"SortbyBrightness1"), L"Sort by Brightness", L"", 7},
      Separator(depth, name(L"N12").c_str()),
      {depth, name(L"Showonlyhtmlcolors"), L"Show only HTML Colors", L"", 8},
  };
}

// The main menu as designed, before the first show.
std::vector<MenuRow> MainMenuRows() {
  std::vector<MenuRow> rows = {
      {0, L"AlwaysonTop1", L"Always on Top"},
      {0, L"ShowHideTitlebar1", L"Show/Hide Titlebar", L"", 0, true},
      {0, L"ChangeLayout1", L"Change Layout"},
      {1, L"Small1", L"Small", L"", 0},
      {1, L"Medium1", L"Medium", L"", 1},
      {1, L"Large1", L"Large", L"", 2},
      Separator(0, L"N4"),
      {0, L"Zoom1", L"Zoom"},
      {1, L"ZoomFactor1", L"Zoom Factor"},
      {2, L"Zoom1X1", L"Zoom 1 X", L"Shift+F1", 1},
      {2, L"Zoom2X1", L"Zoom 2 X", L"Shift+F2", 2},
      {2, L"Zoom3X1", L"Zoom 3 X", L"Shift+F3", 3},
      {2, L"Zoom4X1", L"Zoom 4 X", L"Shift+F4", 4},
      {2, L"Zoom5X1", L"Zoom 5 X", L"Shift+F5", 5},
      {2, L"Zoom6X1", L"Zoom 6 X", L"Shift+F6", 6},
      {2, L"Zoom7X1", L"Zoom 7 X", L"Shift+F7", 7},
      {2, L"Zoom8X1", L"Zoom 8 X", L"Shift+F8", 8},
      {2, L"Zoom9X1", L"Zoom 9 X", L"Shift+F9", 9},
      {2, L"Zoom10X1", L"Zoom 10 X", L"Shift+F10", 10},
      {2, L"Zoom11X1", L"Zoom 11 X", L"", 11},
      {2, L"Zoom12X1", L"Zoom 12 X", L"", 12},
      {2, L"Zoom13X1", L"Zoom 13 X", L"", 13},
      {2, L"Zoom14X1", L"Zoom 14 X", L"", 14},
      {2, L"Zoom15X1", L"Zoom 15 X", L"", 15},
      {2, L"Zoom16X1", L"Zoom 16 X", L"", 16},
      {2, L"Zoom17X1", L"Zoom 17 X", L"", 17},
      {2, L"Zoom18X1", L"Zoom 18 X", L"", 18},
      {2, L"Zoom19X1", L"Zoom 19 X", L"", 19},
      {2, L"Zoom20X1", L"Zoom 20 X", L"", 20},
      {1, L"ZoomCrosshair1", L"Zoom Crosshair"},
      {2, L"Cross1", L"Cross", L"", 1, true},
      {2, L"Rectangle1", L"Rectangle", L"", 2},
      {2, L"None1", L"None", L"", 0},
      {1, L"SetCoordinates1", L"Set Coordinates", L"Ctrl+Alt+C"},
      {1, L"ResetCoordinates2", L"Reset Coordinates", L"Ctrl+Alt+X"},
      {1, L"ClearZoomWindow1", L"Clear Zoom Window", L"Ctrl+Alt+Q"},
      {0, L"Colordisplay1", L"Color Code Display"},
      {1, L"HTMLHex1", L"HTML Hex", L"Ctrl+H", 0},
      {1, L"DelphiHex1", L"Delphi Hex", L"Ctrl+D", 1},
      {1, L"VBHex1", L"VB Hex", L"Ctrl+B", 2},
      {1, L"CHex1", L"C++ Hex", L"", 3},
      {1, L"RGBValues1", L"RGB Values", L"Ctrl+R", 4},
      {1, L"RGBValues2", L"RGB %Values", L"", 5},
      {1, L"HSL1", L"HSL", L"", 6},
      {1, L"HSVHSB1", L"HSV (HSB)", L"", 7},
      {1, L"CMY1", L"CMY", L"", 8},
      {1, L"CMYKValues1", L"CMYK Values", L"Ctrl+K", 9},
      {1, L"PhotoshopValues1", L"Photoshop Values", L"Ctrl+P", 10},
      {1, L"Powerbuilder1", L"Powerbuilder", L"", 11},
      {0, L"UpperCaseColorCodes1", L"UpperCase Color Codes", L"", 0, true},
      {0, L"ColorAveraging1", L"Color Averaging"},
      {1, L"Off1", L"Off", L"Ctrl+Alt+1", 0, true},
      {1, L"N3x3Average1", L"3x3 Average", L"Ctrl+Alt+3", 1},
      {1, L"N5x5Average1", L"5x5 Average", L"Ctrl+Alt+5", 2},
      {0, L"extDisplay1", L"Text Display"},
      {1, L"UseText", L"Use Text in Color Frame", L"", 0, true},
      {1, L"ChangeFont1", L"Change Font"},
      Separator(0, L"N3"),
      {0, L"UndoColorChange1", L"Undo Colorchange", L"Ctrl+Z"},
      {0, L"RedoColorchange1", L"Redo Colorchange", L"Ctrl+Alt+Z"},
      Separator(0, L"N11"),
      {0, L"ColorList1", L"Color List"},
  };
  const std::vector<MenuRow> copies = NamesMenuRows(1, L"_copy");
  rows.insert(rows.end(), copies.begin(), copies.end());
  rows.insert(rows.end(),
              {
                  Separator(0, L"N7"),
                  {0, L"StayinSystemTray1", L"Stay in System Tray", L"", 0, true},
                  {0, L"RunonStartup1", L"Run on Startup"},
                  Separator(0, L"N1"),
                  {0, L"VisitQuillfenSoftwareWebsite1", L"Visit Quillfen Software Website"},
                  {0, L"mnuCheckUpdate", L"Check for New Version..."},
                  Separator(0, L"N2"),
                  {0, L"ShowHelpfile1", L"Show Helpfile", L"F1"},
                  Separator(0, L"N5"),
                  {0, L"AboutTintwright1", L"About Tintwright..."},
                  Separator(0, L"N6"),
                  {0, L"Exit1", L"Exit", L"Alt+F4"},
              });
  return rows;
}

std::vector<MenuRow> SlotMenuRows() {
  return {
      {0, L"SaveColorHere1", L"Save Color here"},
      {0, L"SetasBackground1", L"Set as Background Color"},
      {0, L"SetasTextColor1", L"Set as Text Color"},
      {0, L"Copy1", L"Copy Color Description"},
  };
}

std::vector<MenuRow> FrameMenuRows() {
  return {
      {0, L"setTextcolortoWhite1", L"set Text Color to White"},
      {0, L"setTextcolortoBlack1", L"set Text Color to Black"},
      {0, L"setTextColortoContrastColor1", L"set Text Color to Contrast Color"},
      {0, L"setTextcolortotheinverseoftheBGcolor1",
       L"set Text Color to the inverse of the BG Color"},
      Separator(0, L"N13"),
      {0, L"UseTextinColorFrame1", L"Use Text in Color Frame", L"", 0, true},
      {0, L"ChangeFont2", L"Change Font"},
  };
}

struct MenuCase {
  const char* name;
  const wchar_t* menu;
  std::vector<MenuRow> (*rows)();
};

void PrintTo(const MenuCase& c, std::ostream* out) { *out << c.name; }

class MenuTree : public testing::TestWithParam<MenuCase> {
 protected:
  void SetUp() override {
    // The check mark of "Run on Startup" shows the registry.
    win::DeleteRunAtLogonEntry(L"Tintwright");
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_P(MenuTree, MatchesTheDesignItemByItem) {
  const win::PopupMenu* menu = nullptr;
  for (const win::Control* control :
       {static_cast<const win::Control*>(window_.get()),
        static_cast<const win::Control*>(&window_->Slots().Slot(0)),
        static_cast<const win::Control*>(&window_->Names().List()),
        static_cast<const win::Control*>(&window_->Frame().Swatch())}) {
    if (control->Popup && control->Popup->Name() == GetParam().menu) menu = control->Popup;
  }
  ASSERT_NE(menu, nullptr) << "no control opens " << win::Narrow(GetParam().menu);
  const std::vector<MenuRow> expected = GetParam().rows();
  const std::vector<MenuRow> actual = RowsOf(menu->Items());
  for (size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "row " << i;
  }
  EXPECT_EQ(actual.size(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MenuTree,
    testing::Values(MenuCase{"MainMenu", L"pupMain", &MainMenuRows},
                    MenuCase{"SlotMenu", L"pupPalette", &SlotMenuRows},
                    MenuCase{"NamesMenu", L"mnuClosestColor", [] { return NamesMenuRows(0, L""); }},
                    MenuCase{"FrameMenu", L"pupColorPanel", &FrameMenuRows}),
    [](const testing::TestParamInfo<MenuCase>& info) { return info.param.name; });

// The one-of-several groups: their handlers check the chosen item and
// clear the others, in the list's menu and in its copy alike.
TEST(MenuGroups, ChoosingAnItemChecksItAloneInItsGroup) {
  TempFolder folder;
  MainWindow window(folder.Path() / L"Tintwright.ini");
  window.Show();
  const std::vector<std::vector<std::wstring>> groups = {
      {L"Cross1", L"Rectangle1", L"None1"},
      {L"Off1", L"N3x3Average1", L"N5x5Average1"},
      {L"Small1", L"Medium1", L"Large1"},
      {L"SortbyName1", L"SortbyHue1", L"SortbySaturation1", L"SortbyValue1", L"SortbyRed1",
       L"SortbyGreen1", L"SortbyBlue1", L"SortbyBrightness1"},
      {L"SortbyName1_copy", L"SortbyHue1_copy", L"SortbySaturation1_copy", L"SortbyValue1_copy",
       L"SortbyRed1_copy", L"SortbyGreen1_copy", L"SortbyBlue1_copy", L"SortbyBrightness1_copy"},
  };
  for (const auto& group : groups) {
    for (const std::wstring& chosen : group) {
      window.FindMenuItem(chosen)->Click();
      for (const std::wstring& member : group) {
        EXPECT_EQ(window.FindMenuItem(member)->Checked, member == chosen)
            << win::Narrow(member) << " after " << win::Narrow(chosen);
      }
    }
  }
}

}  // namespace
}  // namespace tw::test

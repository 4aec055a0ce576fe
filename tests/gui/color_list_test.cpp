// The list of named colors in the real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "core/names/color_list.h"
#include "core/names/color_sort.h"
#include "core/names/color_tables.h"
#include "test_support.h"
#include "win/platform/text.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::MainWindow;

class ColorList : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Show();
  }
  MainWindow& W() { return *window_; }
  win::ComboBox& List() { return W().Names().List(); }
  TColor Current() { return W().Current().Value(); }
  int UndoDepth() { return W().Current().History().UndoDepth(); }

  // The item texts as the list control itself holds them.
  std::vector<std::wstring> ShownNames() {
    HWND list = List().Handle();
    std::vector<std::wstring> names;
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::wstring text(static_cast<size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)), L'\0');
      SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
      names.push_back(text);
    }
    return names;
  }
  std::wstring SelectedName() {
    const int index = static_cast<int>(SendMessageW(List().Handle(), CB_GETCURSEL, 0, 0));
    return index < 0 ? L"" : ShownNames()[static_cast<size_t>(index)];
  }
  // A user choosing item `index` from the opened list.
  void Choose(int index) {
    HWND list = List().Handle();
    SendMessageW(list, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  }
  void Sort(const wchar_t* item) { W().FindMenuItem(item)->Click(); }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(ColorList, StartsWithTheExtendedNamesSortedByName) {
  EXPECT_EQ(ShownNames().size(), 1417u);
  EXPECT_EQ(W().Names().Caption().Caption(), L"Names");
  EXPECT_TRUE(W().FindMenuItem(L"SortbyName1")->Checked);
  EXPECT_TRUE(W().FindMenuItem(L"SortbyName1_copy")->Checked);
  const std::vector<std::wstring> names = ShownNames();
  const auto bDazzled = std::find(names.begin(), names.end(), L"B'Dazzled Blue");
  EXPECT_LT(bDazzled, std::find(names.begin(), names.end(), L"Bazaar"))
      << "the apostrophe sorts before letters";
}

TEST_F(ColorList, ANamedColorIsSelectedAndAnUnnamedOneClearsTheSelection) {
  EXPECT_EQ(SelectedName(), L"Royal Blue") << "the start color #4169E1";
  EXPECT_EQ(List().Hint(), L"Royal Blue");
  // A color that no entry of either table has.
  TColor unnamed = 0x010101;
  auto named = [](TColor c) {
    for (const NamedColor& entry : ColorNameTable()) {
      if (entry.value == c) return true;
    }
    return false;
  };
  while (named(unnamed)) unnamed += 0x010203;
  W().Current().Set(unnamed, true);
  EXPECT_EQ(SendMessageW(List().Handle(), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(List().Hint(), L"");
  W().Current().Set(0x00FFFF00, true);  // #00FFFF
  EXPECT_EQ(SelectedName(), L"Aqua / Cyan / Turquoise Blue");
}

TEST_F(ColorList, ChoosingAnEntryMakesItTheCurrentColorWithUndo) {
  const std::vector<std::wstring> names = ShownNames();
  const int index =
      static_cast<int>(std::find(names.begin(), names.end(), L"Zomp") - names.begin());
  const int depth = UndoDepth();
  Choose(index);
  EXPECT_EQ(Current(), MakeColor(0x39, 0xA7, 0x8E));
  EXPECT_EQ(W().Editor().Box(win::Channel::kRed).Text(), L"57");
  EXPECT_EQ(W().CodeBox().CodeEdit().Text(), L"#39A78E");
  EXPECT_EQ(UndoDepth(), depth + 1);
  EXPECT_EQ(SelectedName(), L"Zomp");
}

TEST_F(ColorList, FindClosestColorSelectsAndAppliesTheNearestEntry) {
  Sort(L"Showonlyhtmlcolors");
  EXPECT_EQ(W().Names().Caption().Caption(), L"HTML");
  W().Current().Set(0x00030201, false);  // #010203
  const int depth = UndoDepth();
  W().FindMenuItem(L"FindClosestColor1")->Click();
  EXPECT_EQ(SelectedName(), L"Black");
  EXPECT_EQ(Current(), 0);
  EXPECT_EQ(UndoDepth(), depth + 1);

  Sort(L"Showonlyhtmlcolors_copy");  // back to the extended names, from the main menu's copy
  W().Current().Set(0x00030201, false);
  W().FindMenuItem(L"FindClosestColor1_copy")->Click();
  EXPECT_EQ(SelectedName(), L"Rich Black (FOgra39)");
  EXPECT_EQ(Current(), 0x00030201) << "the color is itself an entry";
}

TEST_F(ColorList, EachSortOrderShowsTheListInThatOrder) {
  const wchar_t* items[] = {L"SortbyName1",  L"SortbyHue1",       L"SortbySaturation1",
                            L"SortbyValue1", L"SortbyRed1",       L"SortbyGreen1",
                            L"SortbyBlue1",  L"SortbyBrightness1"};
  for (bool html : {false, true}) {
    if (html) Sort(L"Showonlyhtmlcolors");
    for (int order = 0; order < 8; ++order) {
      SCOPED_TRACE(testing::Message() << win::Narrow(items[order]) << (html ? " html" : ""));
      Sort(items[order]);
      NamedColors expected = TableEntries(html);
      SortColors(expected, order);
      const std::vector<std::wstring> shown = ShownNames();
      ASSERT_EQ(shown.size(), expected.size());
      for (size_t i = 0; i < shown.size(); ++i)
        ASSERT_EQ(shown[i], win::Widen(expected[i].name)) << "item " << i;
      EXPECT_TRUE(W().FindMenuItem(items[order])->Checked);
      EXPECT_EQ(W().FindMenuItem(L"FindClosestColor1")->Tag, order);
    }
  }
  Sort(L"SortbyBrightness1");
  EXPECT_EQ(ShownNames().front(), L"White");
}

TEST_F(ColorList, SwitchingToHtmlKeepsTheSortOrderAndTheSelectedColor) {
  Sort(L"SortbyHue1");
  EXPECT_EQ(SelectedName(), L"Royal Blue");
  Sort(L"Showonlyhtmlcolors");
  EXPECT_EQ(ShownNames().size(), 139u);
  EXPECT_TRUE(W().FindMenuItem(L"SortbyHue1")->Checked);
  EXPECT_TRUE(W().FindMenuItem(L"Showonlyhtmlcolors_copy")->Checked);
  EXPECT_EQ(SelectedName(), L"RoyalBlue");
}

TEST_F(ColorList, TheMainMenuCarriesACopyOfTheListMenu) {
  const win::MenuItem* copy = W().FindMenuItem(L"ColorList1");
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->Items().size(), 14u);
  int separators = 0;
  for (const auto& item : copy->Items()) separators += item->IsSeparator();
  EXPECT_EQ(separators, 4);
  EXPECT_EQ(copy->Items().front()->Name(), L"FindClosestColor1_copy");
  EXPECT_EQ(copy->Items().back()->Name(), L"Showonlyhtmlcolors_copy");
}

}  // namespace
}  // namespace tw::test

// The palette slots and palette files of the real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "test_support.h"
#include "win/platform/text.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Channel;
using win::MainWindow;

constexpr TColor kStartColor = 0x00E16941;
constexpr TColor kSlot1Default = 10551540;  // #F400A1

class Palette : public testing::Test {
 protected:
  void SetUp() override { Start(); }
  void Start() {
    window_ = std::make_unique<MainWindow>(SettingsFile());
    window_->Show();
    SetCursorPos(0, 0);
  }
  // Ends as "Exit" does; the settings file is written.
  void Exit() {
    window_->FindMenuItem(L"Exit1")->Click();
    window_.reset();
  }
  std::filesystem::path SettingsFile() const { return folder_.Path() / L"Tintwright.ini"; }
  MainWindow& W() { return *window_; }
  win::Palette& P() { return W().Slots(); }
  win::Panel& Slot(int index) { return P().Slot(index); }
  TColor Current() { return W().Current().Value(); }
  int UndoDepth() { return W().Current().History().UndoDepth(); }
  static void Click(win::Panel& slot, UINT down, UINT up) {
    SendMessageW(slot.Handle(), down, 0, MAKELPARAM(5, 5));
    SendMessageW(slot.Handle(), up, 0, MAKELPARAM(5, 5));
  }
  // A right click on the control: its menu opens and is closed again with
  // Escape, as a user who changes their mind does.
  static void RightClickAndDismiss(win::Control& control) {
    DismissMenuOpenedBy([&] {
      SendMessageW(control.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
      SendMessageW(control.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    });
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(Palette, LeftClickTakesTheSlotsColorAndRecordsUndo) {
  Click(Slot(0), WM_LBUTTONDOWN, WM_LBUTTONUP);
  EXPECT_EQ(Current(), kSlot1Default);
  EXPECT_EQ(W().CodeBox().CodeEdit().Text(), L"#F400A1");
  EXPECT_EQ(W().Editor().Box(Channel::kRed).Text(), L"244");
  W().FindMenuItem(L"UndoColorChange1")->Click();
  EXPECT_EQ(Current(), kStartColor);
}

TEST_F(Palette, MiddleClickStoresTheCurrentColorAndMarksANamedPalette) {
  Click(Slot(3), WM_MBUTTONDOWN, WM_MBUTTONUP);
  EXPECT_EQ(Slot(3).Color(), kStartColor);
  EXPECT_FALSE(P().ChangedMark().Visible()) << "no palette file is named";

  {
    DialogAnswerer answerer(folder_.Path() / L"mine.plt");  // saving names the palette
    SendMessageW(P().SaveButton().Handle(), BM_CLICK, 0, 0);
  }
  ASSERT_EQ(P().Name(), L"mine.plt");
  Click(Slot(3), WM_MBUTTONDOWN, WM_MBUTTONUP);
  EXPECT_FALSE(P().ChangedMark().Visible()) << "the slot already had that color";
  Click(Slot(4), WM_MBUTTONDOWN, WM_MBUTTONUP);
  EXPECT_TRUE(P().ChangedSinceNamed());
  EXPECT_TRUE(P().ChangedMark().Visible());
}

TEST_F(Palette, SlotMenuActsOnTheSlotItWasOpenedOn) {
  // Right-clicking a slot opens its menu; the menu remembers that slot.
  RightClickAndDismiss(Slot(8));
  EXPECT_EQ(P().SlotMenu().PopupComponent(), &Slot(8));
  EXPECT_EQ(Current(), kStartColor) << "opening the menu changes no color";

  P().SlotMenu().Items().Find(L"SaveColorHere1")->Click();
  EXPECT_EQ(Slot(8).Color(), kStartColor);
  Slot(9).SetColor(0x00563412);
  RightClickAndDismiss(Slot(9));
  const int depth = UndoDepth();
  P().SlotMenu().Items().Find(L"SetasBackground1")->Click();
  EXPECT_EQ(Current(), 0x00563412);
  EXPECT_EQ(W().Editor().Box(Channel::kRed).Text(), L"18");
  EXPECT_EQ(UndoDepth(), depth) << "not recorded for undo";
}

TEST_F(Palette, SlotMenuCopiesTheSlotsCodeAndSetsTheTextColor) {
  W().FindMenuItem(L"RGBValues1")->Click();
  RightClickAndDismiss(Slot(8));
  P().SlotMenu().Items().Find(L"Copy1")->Click();
  ASSERT_TRUE(OpenClipboard(nullptr));
  const std::wstring copied =
      static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  CloseClipboard();
  EXPECT_EQ(copied, L"0,72,186") << "slot 9's code, not the current color's";
  EXPECT_EQ(W().CodeBox().CodeEdit().Text(), L"65,105,225");
  P().SlotMenu().Items().Find(L"SetasTextColor1")->Click();
  EXPECT_EQ(W().Frame().TextColor(), Slot(8).Color());
  W().FindMenuItem(L"UseText")->Click();
  EXPECT_FALSE(W().FindMenuItem(L"SetasTextColor1")->Enabled) << "no text to color";
  EXPECT_EQ(W().Frame().Swatch().Caption(), L"");
}

TEST_F(Palette, SystemColorSlotBecomesA24BitCurrentColor) {
  Slot(0).SetColor(static_cast<TColor>(0xFF00000F));  // clBtnFace
  Click(Slot(0), WM_LBUTTONDOWN, WM_LBUTTONUP);
  EXPECT_EQ(Current(), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(Slot(0).Color(), static_cast<TColor>(0xFF00000F)) << "the slot keeps its system color";
}

TEST_F(Palette, HintsAndDoubleClickFollowTheNotation) {
  W().FindMenuItem(L"RGBValues1")->Click();
  SendMessageW(Slot(8).Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(Slot(8).Hint(), L"0,72,186");
  SendMessageW(Slot(8).Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
  SendMessageW(Slot(8).Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(Slot(8).Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(OpenClipboard(nullptr));
  const std::wstring copied =
      static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  CloseClipboard();
  EXPECT_EQ(copied, L"0,72,186");
}

TEST_F(Palette, SavedPaletteLoadsBackWithItsName) {
  const std::filesystem::path file = folder_.Path() / L"my colors.plt";
  Slot(10).SetColor(static_cast<TColor>(0xFF00000F));  // a system color round-trips too
  Slot(11).SetColor(0x123456);
  std::array<TColor, 12> saved;
  for (int i = 0; i < 12; ++i) saved[i] = Slot(i).Color();
  {
    DialogAnswerer answerer(file);
    SendMessageW(P().SaveButton().Handle(), BM_CLICK, 0, 0);
  }
  EXPECT_EQ(P().NameLabel().Caption(), L"my colors.plt");
  EXPECT_NE(ReadFileBytes(file).find("clBtnFace\r\n$00123456\r\n"), std::string::npos);
  // Loaded under another name, after the named palette was changed.
  const std::filesystem::path copy = folder_.Path() / L"other colors.plt";
  std::filesystem::copy_file(file, copy);
  Click(Slot(0), WM_MBUTTONDOWN, WM_MBUTTONUP);
  ASSERT_TRUE(P().ChangedMark().Visible());
  for (int i = 0; i < 12; ++i) Slot(i).SetColor(0);
  {
    DialogAnswerer answerer(copy);
    SendMessageW(P().LoadButton().Handle(), BM_CLICK, 0, 0);
  }
  for (int i = 0; i < 12; ++i) EXPECT_EQ(Slot(i).Color(), saved[i]) << "slot " << i + 1;
  EXPECT_EQ(P().Name(), L"other colors.plt");
  EXPECT_EQ(P().NameLabel().Caption(), L"other colors.plt");
  EXPECT_FALSE(P().ChangedSinceNamed());
  EXPECT_FALSE(P().ChangedMark().Visible());
}

TEST_F(Palette, RefusedPaletteFileChangesNoSlot) {
  const std::filesystem::path file = folder_.Path() / L"short.plt";
  WriteFileBytes(file, "clRed\r\nclLime\r\nclBlue\r\nclBlack\r\nclWhite\r\n");  // five lines
  std::vector<MessageBoxSeen> seen;
  {
    DialogAnswerer answerer(file);
    SendMessageW(P().LoadButton().Handle(), BM_CLICK, 0, 0);
    seen = answerer.Seen();
  }
  ASSERT_EQ(seen.size(), 2u) << "the open dialog, then the error";
  EXPECT_EQ(seen[1].text, L"List index out of bounds (5)");
  EXPECT_EQ(Slot(0).Color(), kSlot1Default);
  EXPECT_TRUE(P().Name().empty());
}

TEST_F(Palette, ChangedPaletteIsNotNamedAtTheNextStart) {
  WriteFileBytes(SettingsFile(), "[Tintwright]\r\npalettename=mine.plt\r\n");
  Start();
  EXPECT_EQ(P().NameLabel().Caption(), L"mine.plt");
  Click(Slot(2), WM_MBUTTONDOWN, WM_MBUTTONUP);
  Exit();
  Start();
  EXPECT_TRUE(P().Name().empty());
  EXPECT_EQ(P().NameLabel().Caption(), L"");
  EXPECT_EQ(Slot(2).Color(), kStartColor) << "the stored color itself comes back";
}

}  // namespace
}  // namespace tw::test

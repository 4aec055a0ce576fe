// The palette slots and palette files of the real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "test_support.h"
#include "win/platform/text.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::TfrmColorPick;

constexpr TColor kStartColor = 0x00E16941;
constexpr TColor kSlot1Default = 10551540;  // #F400A1

class Palette : public testing::Test {
 protected:
  void SetUp() override { Start(); }
  void Start() {
    window_ = std::make_unique<TfrmColorPick>(SettingsFile());
    window_->Show();
    SetCursorPos(0, 0);
  }
  // Ends as "Exit" does; the settings file is written.
  void Exit() {
    window_->Exit1Click(*window_->Exit1);
    window_.reset();
  }
  std::filesystem::path SettingsFile() const { return folder_.Path() / L"Tintwright.ini"; }
  TfrmColorPick& W() { return *window_; }
  static void Click(win::Panel& slot, UINT down, UINT up) {
    SendMessageW(slot.Handle(), down, 0, MAKELPARAM(5, 5));
    SendMessageW(slot.Handle(), up, 0, MAKELPARAM(5, 5));
  }
  // A right click on the control: its menu opens and is closed again with
  // Escape, as a user who changes their mind does.
  static void RightClickAndDismiss(win::Control& control) {
    std::thread closer([] {
      HWND menu = nullptr;
      WaitUntil([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); });
      if (menu) PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    SendMessageW(control.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    SendMessageW(control.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    closer.join();
  }

  TempFolder folder_;
  std::unique_ptr<TfrmColorPick> window_;
};

TEST_F(Palette, LeftClickTakesTheSlotsColorAndRecordsUndo) {
  Click(*W().mempan[0], WM_LBUTTONDOWN, WM_LBUTTONUP);
  EXPECT_EQ(W().CurrentColor(), kSlot1Default);
  EXPECT_EQ(W().edtColor->Text(), L"#F400A1");
  EXPECT_EQ(W().CurrencyEdit1->Text(), L"244");
  W().UndoColorChange1Click();
  EXPECT_EQ(W().CurrentColor(), kStartColor);
}

TEST_F(Palette, MiddleClickStoresTheCurrentColorAndMarksANamedPalette) {
  Click(*W().mempan[3], WM_MBUTTONDOWN, WM_MBUTTONUP);
  EXPECT_EQ(W().mempan[3]->Color(), kStartColor);
  EXPECT_FALSE(W().lblpalettechanged->Visible()) << "no palette file is named";

  W().mpalette = L"mine.plt";
  Click(*W().mempan[3], WM_MBUTTONDOWN, WM_MBUTTONUP);
  EXPECT_FALSE(W().lblpalettechanged->Visible()) << "the slot already had that color";
  Click(*W().mempan[4], WM_MBUTTONDOWN, WM_MBUTTONUP);
  EXPECT_TRUE(W().mpalettechanged);
  EXPECT_TRUE(W().lblpalettechanged->Visible());
}

TEST_F(Palette, SlotMenuActsOnTheSlotItWasOpenedOn) {
  // Right-clicking a slot opens its menu; the menu remembers that slot.
  RightClickAndDismiss(*W().mempan[8]);
  EXPECT_EQ(W().pupPalette->PopupComponent(), W().mempan[8]);
  EXPECT_EQ(W().CurrentColor(), kStartColor) << "opening the menu changes no color";

  W().pupPalette->Items().Find(L"SaveColorHere1")->Click();
  EXPECT_EQ(W().mempan[8]->Color(), kStartColor);
  W().mempan[9]->SetColor(0x00563412);
  RightClickAndDismiss(*W().mempan[9]);
  const int depth = W().History().UndoDepth();
  W().pupPalette->Items().Find(L"SetasBackground1")->Click();
  EXPECT_EQ(W().CurrentColor(), 0x00563412);
  EXPECT_EQ(W().CurrencyEdit1->Text(), L"18");
  EXPECT_EQ(W().History().UndoDepth(), depth) << "not recorded for undo";
}

TEST_F(Palette, SlotMenuCopiesTheSlotsCodeAndSetsTheTextColor) {
  W().HTMLHex1Click(*W().FindMenuItem(L"RGBValues1"));
  RightClickAndDismiss(*W().mempan[8]);
  W().pupPalette->Items().Find(L"Copy1")->Click();
  ASSERT_TRUE(OpenClipboard(nullptr));
  const std::wstring copied =
      static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  CloseClipboard();
  EXPECT_EQ(copied, L"0,72,186") << "slot 9's code, not the current color's";
  EXPECT_EQ(W().edtColor->Text(), L"65,105,225");
  W().pupPalette->Items().Find(L"SetasTextColor1")->Click();
  EXPECT_EQ(W().pnlColor->FontColor(), W().mempan[8]->Color());
  W().UseText->Click();
  EXPECT_FALSE(W().SetasTextColor1->Enabled) << "no text to color";
  EXPECT_EQ(W().pnlColor->Caption(), L"");
}

TEST_F(Palette, SystemColorSlotBecomesA24BitCurrentColor) {
  W().mempan[0]->SetColor(static_cast<TColor>(0xFF00000F));  // clBtnFace
  Click(*W().mempan[0], WM_LBUTTONDOWN, WM_LBUTTONUP);
  EXPECT_EQ(W().CurrentColor(), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(W().mempan[0]->Color(), static_cast<TColor>(0xFF00000F))
      << "the slot keeps its system color";
}

TEST_F(Palette, HintsAndDoubleClickFollowTheNotation) {
  W().HTMLHex1Click(*W().FindMenuItem(L"RGBValues1"));
  SendMessageW(W().mempan[8]->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(W().mempan[8]->Hint(), L"0,72,186");
  SendMessageW(W().mempan[8]->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
  SendMessageW(W().mempan[8]->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(W().mempan[8]->Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(OpenClipboard(nullptr));
  const std::wstring copied =
      static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  CloseClipboard();
  EXPECT_EQ(copied, L"0,72,186");
}

TEST_F(Palette, SavedPaletteLoadsBackWithItsName) {
  const std::filesystem::path file = folder_.Path() / L"my colors.plt";
  W().mempan[10]->SetColor(static_cast<TColor>(0xFF00000F));  // a system color round-trips too
  W().mempan[11]->SetColor(0x123456);
  std::array<TColor, 12> saved;
  for (int i = 0; i < 12; ++i) saved[i] = W().mempan[i]->Color();
  {
    DialogAnswerer answerer(file);
    SendMessageW(W().btnSavePalette->Handle(), BM_CLICK, 0, 0);
  }
  EXPECT_EQ(W().lblPalettename->Caption(), L"my colors.plt");
  EXPECT_NE(ReadFileBytes(file).find("clBtnFace\r\n$00123456\r\n"), std::string::npos);
  for (win::Panel* slot : W().mempan) slot->SetColor(0);
  W().mpalette.clear();
  {
    DialogAnswerer answerer(file);
    SendMessageW(W().btnLoadPalette->Handle(), BM_CLICK, 0, 0);
  }
  for (int i = 0; i < 12; ++i) EXPECT_EQ(W().mempan[i]->Color(), saved[i]) << "slot " << i + 1;
  EXPECT_EQ(W().mpalette, L"my colors.plt");
  EXPECT_FALSE(W().lblpalettechanged->Visible());
}

TEST_F(Palette, RefusedPaletteFileChangesNoSlot) {
  const std::filesystem::path file = folder_.Path() / L"short.plt";
  WriteFileBytes(file, "clRed\r\nclLime\r\nclBlue\r\nclBlack\r\nclWhite\r\n");  // five lines
  std::vector<MessageBoxSeen> seen;
  {
    DialogAnswerer answerer(file);
    SendMessageW(W().btnLoadPalette->Handle(), BM_CLICK, 0, 0);
    seen = answerer.Seen();
  }
  ASSERT_EQ(seen.size(), 2u) << "the open dialog, then the error";
  EXPECT_EQ(seen[1].text, L"List index out of bounds (5)");
  EXPECT_EQ(W().mempan[0]->Color(), kSlot1Default);
  EXPECT_TRUE(W().mpalette.empty());
}

TEST_F(Palette, ChangedPaletteIsNotNamedAtTheNextStart) {
  WriteFileBytes(SettingsFile(), "[Tintwright]\r\npalettename=mine.plt\r\n");
  Start();
  EXPECT_EQ(W().lblPalettename->Caption(), L"mine.plt");
  Click(*W().mempan[2], WM_MBUTTONDOWN, WM_MBUTTONUP);
  Exit();
  Start();
  EXPECT_TRUE(W().mpalette.empty());
  EXPECT_EQ(W().lblPalettename->Caption(), L"");
  EXPECT_EQ(W().mempan[2]->Color(), kStartColor) << "the stored color itself comes back";
}

}  // namespace
}  // namespace tw::test

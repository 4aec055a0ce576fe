// A long run of the real window: eyedropper ticks, color changes through
// every control, menus opened, notations switched and palettes loaded, over
// and over. The window-system objects the program holds must be as many at
// the end as at the start, and its private memory must not grow beyond a
// small bound. TW_SOAK_ROUNDS sets the rounds (10 unless set); each round
// is 100 ticks and 37 commands.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/palette/palette_file.h"
#include "gui_object_census.h"
#include "test_support.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Channel;

constexpr int kTicksPerRound = 100;
constexpr int kWarmUpRounds = 2;  // first-time work: fonts, dialogs, caches
// Heaps keep some of what they were given back; anything a round leaks
// would pass this within a few hundred rounds.
constexpr std::size_t kMemoryGrowthBound = 4 << 20;

int Rounds() {
  const char* rounds = std::getenv("TW_SOAK_ROUNDS");
  return rounds != nullptr ? std::max(1, std::atoi(rounds)) : 10;
}

class Soak : public testing::Test {
 protected:
  void SetUp() override {
    // Before the window, so that the objects it makes at its start count.
    notFollowed_ = StartGuiObjectCensus();
    window_ = std::make_unique<win::MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Show();
    const PaletteSlots warm = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00,
                               0x000080, 0x008000, 0x800000, 0x008080, 0x800080, 0x808000};
    PaletteSlots cold{};
    for (std::size_t i = 0; i < cold.size(); ++i) cold[i] = static_cast<TColor>(i * 0x102030);
    WriteFileBytes(palettes_[0], FormatPaletteFile(warm));
    WriteFileBytes(palettes_[1], FormatPaletteFile(cold));
  }
  void TearDown() override { window_.reset(); }

  win::MainWindow& W() { return *window_; }
  std::string NotFollowed() const {
    std::string names;
    for (const std::string& name : notFollowed_) names += (names.empty() ? "" : ", ") + name;
    return names.empty() ? "none" : names;
  }

  void Ticks(int round) {
    win::MagnifierPanel& magnifier = W().Magnifier();
    magnifier.StartGrab(win::MouseButton::Left);
    magnifier.SampleTimer().SetEnabled(false);  // the ticks are driven here
    for (int i = 0; i < kTicksPerRound; ++i) {
      const int step = round * kTicksPerRound + i;
      SetCursorPos(20 + (step * 37) % 600, 20 + (step * 53) % 500);
      magnifier.Tick();
      win::Application::Instance().ProcessMessages();
      ++ticks_;
    }
    magnifier.EndGrab();
  }

  static void Type(win::Edit& edit, const std::wstring& text) {
    SetFocus(edit.Handle());
    SendMessageW(edit.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(edit.Handle(), WM_CHAR, VK_BACK, 1);
    for (wchar_t c : text) SendMessageW(edit.Handle(), WM_CHAR, c, 1);
  }
  void Press(win::Button& button) {
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    ++commands_;
  }
  static void Scroll(win::ScrollBar& bar, WORD code) {
    SendMessageW(GetParent(bar.Handle()), WM_HSCROLL, MAKEWPARAM(code, 0),
                 reinterpret_cast<LPARAM>(bar.Handle()));
  }

  void EditEveryControl(int round) {
    win::ColorEditor& editor = W().Editor();
    for (const Channel channel : {Channel::kRed, Channel::kGreen, Channel::kBlue, Channel::kHue,
                                  Channel::kSaturation, Channel::kValue}) {
      Type(editor.Box(channel),
           std::to_wstring((round * 41 + static_cast<int>(channel) * 29) % 256));
      Scroll(editor.Bar(channel), round % 2 ? SB_PAGERIGHT : SB_LINELEFT);
      commands_ += 2;
    }
    Scroll(editor.BrightnessBar(), round % 2 ? SB_PAGELEFT : SB_LINERIGHT);
    ++commands_;
    Press(editor.InvertButton());
    Press(editor.RandomButton());
    Press(editor.UndoButton());
    Press(editor.RedoButton());
    {
      DialogAnswerer answerer;  // the color dialog, confirmed on the current color
      Press(editor.ColorDialogButton());
    }
    W().FindMenuItem(L"HTMLHex1")->Click();
    Type(W().CodeBox().CodeEdit(), round % 2 ? L"#12AB34" : L"#C0FFEE");
    Press(W().CodeBox().SetButton());
    ChooseName(round * 97 % 1000);
    win::Panel& slot = W().Slots().Slot(round % 12);
    SendMessageW(slot.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    SendMessageW(slot.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageW(slot.Handle(), WM_MBUTTONDOWN, 0, MAKELPARAM(5, 5));
    SendMessageW(slot.Handle(), WM_MBUTTONUP, 0, MAKELPARAM(5, 5));
    commands_ += 2;
  }

  void ChooseName(int index) {
    HWND list = W().Names().List().Handle();
    SendMessageW(list, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    ++commands_;
  }

  void SwitchEveryNotation() {
    for (const wchar_t* item :
         {L"HTMLHex1", L"DelphiHex1", L"VBHex1", L"CHex1", L"RGBValues1", L"RGBValues2", L"HSL1",
          L"HSVHSB1", L"CMY1", L"CMYKValues1", L"PhotoshopValues1", L"Powerbuilder1"}) {
      W().FindMenuItem(item)->Click();
      ++commands_;
    }
  }

  void OpenMenus(int round) {
    DismissMenuOpenedBy([&] { SendMessageW(W().Handle(), WM_CONTEXTMENU, 0, -1); });
    win::Panel& slot = W().Slots().Slot((round + 5) % 12);
    DismissMenuOpenedBy([&] {
      SendMessageW(slot.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
      SendMessageW(slot.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    });
    commands_ += 2;
  }

  void LoadPalette(int round) {
    DialogAnswerer answerer(palettes_[round % 2]);
    Press(W().Slots().LoadButton());
  }

  void Round(int round) {
    Ticks(round);
    EditEveryControl(round);
    SwitchEveryNotation();
    OpenMenus(round);
    LoadPalette(round);
  }

  TempFolder folder_;
  std::vector<std::string> notFollowed_;
  std::unique_ptr<win::MainWindow> window_;
  std::filesystem::path palettes_[2] = {folder_.Path() / L"warm.plt", folder_.Path() / L"cold.plt"};
  long ticks_ = 0;
  long commands_ = 0;
};

// The census sees what this program file makes and frees, so that the soak's
// equal counts mean something.
TEST(GuiObjectCensus, FollowsWhatThisProgramMakesAndFrees) {
  const std::vector<std::string> notFollowed = StartGuiObjectCensus();
  for (const char* used : {"CreateSolidBrush", "DeleteObject", "CreateCompatibleDC", "DeleteDC",
                           "GetDC", "ReleaseDC", "CreatePopupMenu", "DestroyMenu"}) {
    ASSERT_EQ(std::count(notFollowed.begin(), notFollowed.end(), used), 0) << used;
  }
  const GuiObjectCounts before = CountGuiObjects();
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HDC memory = CreateCompatibleDC(nullptr);
  HDC screen = GetDC(nullptr);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"sub");
  GuiObjectCounts made = before;
  made.gdiObjects += 1;
  made.deviceContexts += 2;
  made.menus += 2;
  EXPECT_EQ(CountGuiObjects(), made) << Describe(CountGuiObjects());
  DeleteObject(brush);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DestroyMenu(menu);  // and its submenu with it
  EXPECT_EQ(CountGuiObjects(), before) << Describe(CountGuiObjects());
}

TEST_F(Soak, WindowObjectsAndMemoryStayPutOverManyRounds) {
  for (const char* freeing : {"DeleteObject", "DeleteDC", "ReleaseDC", "DestroyMenu"}) {
    ASSERT_EQ(std::count(notFollowed_.begin(), notFollowed_.end(), freeing), 0)
        << freeing << " is not in the import table: nothing freed would be seen";
  }
  for (int round = 0; round < kWarmUpRounds; ++round) Round(round);
  const GuiObjectCounts atStart = CountGuiObjects();
  const std::size_t memoryAtStart = PrivateBytes();
  const long ticksAtStart = ticks_;
  const long commandsAtStart = commands_;

  const int rounds = Rounds();
  for (int round = 0; round < rounds; ++round) Round(kWarmUpRounds + round);

  const GuiObjectCounts atEnd = CountGuiObjects();
  const std::size_t memoryAtEnd = PrivateBytes();
  std::printf(
      "soak: %d rounds, %ld ticks, %ld commands; calls not followed: %s\n  objects at the start: "
      "%s\n  objects at the "
      "end:   %s\n  private memory: %zu KiB at the start, %zu KiB at the end\n",
      rounds, ticks_ - ticksAtStart, commands_ - commandsAtStart, NotFollowed().c_str(),
      Describe(atStart).c_str(), Describe(atEnd).c_str(), memoryAtStart / 1024, memoryAtEnd / 1024);
  EXPECT_EQ(atEnd, atStart) << "start: " << Describe(atStart) << "\nend:   " << Describe(atEnd);
  EXPECT_LE(memoryAtEnd, memoryAtStart + kMemoryGrowthBound);
  EXPECT_GT(atStart.gdiObjects, 0) << "the census saw none of the window's objects";
}

}  // namespace
}  // namespace tw::test

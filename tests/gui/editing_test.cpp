// Editing the current color through the real window's controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "core/color/color_codes.h"
#include "test_support.h"
#include "win/platform/clipboard.h"
#include "win/platform/text.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Channel;
using win::MainWindow;

// What a user reads off the window: the six boxes, the seven bars, the code
// and the frame's color.
struct Shown {
  std::wstring red, green, blue, hue, saturation, value;
  int redBar, greenBar, blueBar, brightnessBar, hueBar, saturationBar, valueBar;
  std::wstring code;
  TColor frame;
  friend bool operator==(const Shown&, const Shown&) = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
  return out << "boxes " << win::Narrow(s.red) << "," << win::Narrow(s.green) << ","
             << win::Narrow(s.blue) << " / " << win::Narrow(s.hue) << ","
             << win::Narrow(s.saturation) << "," << win::Narrow(s.value) << " bars " << s.redBar
             << "," << s.greenBar << "," << s.blueBar << " b" << s.brightnessBar << " / "
             << s.hueBar << "," << s.saturationBar << "," << s.valueBar << " code "
             << win::Narrow(s.code) << " frame " << std::hex << s.frame;
}

class Editing : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Show();
    SetCursorPos(0, 0);  // a resting pointer must not sit on a control
  }

  MainWindow& W() { return *window_; }
  win::Edit& Box(Channel channel) { return W().Editor().Box(channel); }
  win::Edit& Box(int number) { return Box(static_cast<Channel>(number - 1)); }  // 1 … 6
  win::Edit& CodeEdit() { return W().CodeBox().CodeEdit(); }
  TColor Current() { return W().Current().Value(); }
  int UndoDepth() { return W().Current().History().UndoDepth(); }

  Shown Read() {
    const win::ColorEditor& e = W().Editor();
    return {e.Box(Channel::kRed).Text(),
            e.Box(Channel::kGreen).Text(),
            e.Box(Channel::kBlue).Text(),
            e.Box(Channel::kHue).Text(),
            e.Box(Channel::kSaturation).Text(),
            e.Box(Channel::kValue).Text(),
            e.Bar(Channel::kRed).Position(),
            e.Bar(Channel::kGreen).Position(),
            e.Bar(Channel::kBlue).Position(),
            e.BrightnessBar().Position(),
            e.Bar(Channel::kHue).Position(),
            e.Bar(Channel::kSaturation).Position(),
            e.Bar(Channel::kValue).Position(),
            CodeEdit().Text(),
            Current()};
  }

  // Replaces the box's text as a user does: select it all, delete it, then
  // type key by key.
  static void Type(win::Edit& edit, std::wstring_view text) {
    SetFocus(edit.Handle());
    SendMessageW(edit.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(edit.Handle(), WM_CHAR, VK_BACK, 1);
    for (wchar_t c : text) SendMessageW(edit.Handle(), WM_CHAR, c, 1);
  }
  void Leave() { SetFocus(W().Editor().InvertButton().Handle()); }
  static void Scroll(win::ScrollBar& bar, WORD code) {
    SendMessageW(GetParent(bar.Handle()), WM_HSCROLL, MAKEWPARAM(code, 0),
                 reinterpret_cast<LPARAM>(bar.Handle()));
  }
  static void Press(win::Button& button) { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

// The start color (65, 105, 225) as every control shows it.
const Shown kStart{L"65",  L"105", L"225", L"225",     L"181",
                   L"225", 65,     105,    225,        131,
                   225,    181,    225,    L"#4169E1", MakeColor(65, 105, 225)};

TEST_F(Editing, ShowingTheWindowBringsEveryControlInStepWithTheColor) { EXPECT_EQ(Read(), kStart); }

struct TypingCase {
  int box;  // 1 … 6
  const wchar_t* typed;
  Shown expected;
};

const TypingCase kTyping[] = {
    {1,
     L"18",
     {L"18", L"105", L"225", L"215", L"235", L"225", 18, 105, 225, 116, 215, 235, 225, L"#1269E1",
      MakeColor(18, 105, 225)}},
    {2,
     L"0",
     {L"65", L"0", L"225", L"257", L"255", L"225", 65, 0, 225, 96, 257, 255, 225, L"#4100E1",
      MakeColor(65, 0, 225)}},
    {3,
     L"105",
     {L"65", L"105", L"105", L"180", L"97", L"105", 65, 105, 105, 91, 180, 97, 105, L"#416969",
      MakeColor(65, 105, 105)}},
    {4,
     L"0",
     {L"225", L"65", L"65", L"0", L"181", L"225", 225, 65, 65, 118, 0, 181, 225, L"#E14141",
      MakeColor(225, 65, 65)}},
    // Saturation 0 greys the color; hue box and bar keep their hue.
    {5,
     L"0",
     {L"225", L"225", L"225", L"225", L"0", L"225", 225, 225, 225, 225, 225, 0, 225, L"#E1E1E1",
      MakeColor(225, 225, 225)}},
    {6,
     L"100",
     {L"29", L"47", L"100", L"225", L"181", L"100", 29, 47, 100, 58, 225, 181, 100, L"#1D2F64",
      MakeColor(29, 47, 100)}},
};

TEST_F(Editing, TypingIntoABoxMovesEveryOtherControl) {
  for (const TypingCase& c : kTyping) {
    SetUp();  // a fresh window at the start color for each box
    Type(Box(c.box), c.typed);
    EXPECT_EQ(Read(), c.expected) << "box " << c.box << " typed " << win::Narrow(c.typed);
  }
}

struct ScrollCase {
  const wchar_t* bar;
  WORD code;
  Shown expected;
};

const ScrollCase kScrolls[] = {
    {L"ScrollBarRed",
     SB_PAGERIGHT,
     {L"75", L"105", L"225", L"228", L"170", L"225", 75, 105, 225, 135, 228, 170, 225, L"#4B69E1",
      MakeColor(75, 105, 225)}},
    {L"ScrollBarBlue",
     SB_LINELEFT,
     {L"65", L"105", L"224", L"225", L"181", L"224", 65, 105, 224, 131, 225, 181, 224, L"#4169E0",
      MakeColor(65, 105, 224)}},
    {L"ScrollBarBrightness",
     SB_PAGERIGHT,
     {L"75", L"115", L"235", L"225", L"174", L"235", 75, 115, 235, 141, 225, 174, 235, L"#4B73EB",
      MakeColor(75, 115, 235)}},
    {L"ScrollBarHue",
     SB_PAGERIGHT,
     {L"65", L"79", L"225", L"235", L"181", L"225", 65, 79, 225, 123, 235, 181, 225, L"#414FE1",
      MakeColor(65, 79, 225)}},
    {L"ScrollBarSaturation",
     SB_PAGELEFT,
     {L"74", L"112", L"225", L"225", L"171", L"225", 74, 112, 225, 137, 225, 171, 225, L"#4A70E1",
      MakeColor(74, 112, 225)}},
    {L"ScrollBarValue",
     SB_PAGELEFT,
     {L"62", L"101", L"215", L"225", L"181", L"215", 62, 101, 215, 126, 225, 181, 215, L"#3E65D7",
      MakeColor(62, 101, 215)}},
};

TEST_F(Editing, MovingAScrollBarMovesEveryOtherControl) {
  for (const ScrollCase& c : kScrolls) {
    SetUp();
    auto* bar = dynamic_cast<win::ScrollBar*>(W().FindControl(c.bar));
    ASSERT_NE(bar, nullptr);
    Scroll(*bar, c.code);
    EXPECT_EQ(Read(), c.expected) << win::Narrow(c.bar);
  }
}

TEST_F(Editing, ARedAbove255DrivesTheBarsUntilTheBoxIsLeft) {
  Type(Box(Channel::kRed), L"300");
  EXPECT_EQ(RedOf(Current()), 44) << "300 keeps its low 8 bits";
  EXPECT_EQ(W().Editor().Bar(Channel::kRed).Position(), 255);
  EXPECT_EQ(Box(Channel::kRed).Text(), L"300");
  Leave();
  EXPECT_EQ(Box(Channel::kRed).Text(), L"255");
  EXPECT_EQ(RedOf(Current()), 255);
}

TEST_F(Editing, LeavingABoxRewritesItsNumber) {
  struct Case {
    int box;
    const wchar_t* typed;
    const wchar_t* shown;
  };
  // The hue box reaches 360 as its bar does; the others stop at 255.
  const Case cases[] = {{4, L"300", L"300"},
                        {4, L"400", L"360"},
                        {5, L"300", L"255"},
                        {2, L"007", L"7"},
                        {3, L"", L"0"}};
  for (const Case& c : cases) {
    SetUp();
    Type(Box(c.box), c.typed);
    Leave();
    EXPECT_EQ(Box(c.box).Text(), c.shown) << "box " << c.box << " typed " << win::Narrow(c.typed);
  }
  EXPECT_EQ(Box(Channel::kBlue).Text(), L"0");
  EXPECT_EQ(BlueOf(Current()), 0);
}

TEST_F(Editing, AHueBeyond360KeepsThePreviousColor) {
  Type(Box(Channel::kHue), L"400");
  // "40" gave (225, 172, 65); "400" names no color, so that one stays.
  EXPECT_EQ(Current(), MakeColor(225, 172, 65));
  EXPECT_EQ(Box(Channel::kRed).Text(), L"225");
  EXPECT_EQ(W().Editor().Bar(Channel::kHue).Position(), 360);
}

TEST_F(Editing, APastedNegativeHueNamesNoColor) {
  // Typed, the hue box takes no minus sign; pasted, it does (and leaving
  // the box would make it 0).
  ASSERT_TRUE(win::CopyTextToClipboard(W().Handle(), L"-30"));
  SetFocus(Box(Channel::kHue).Handle());
  SendMessageW(Box(Channel::kHue).Handle(), EM_SETSEL, 0, -1);
  SendMessageW(Box(Channel::kHue).Handle(), WM_PASTE, 0, 0);
  ASSERT_EQ(Box(Channel::kHue).Text(), L"-30");
  EXPECT_EQ(Current(), kStart.frame) << "the color stays";
  EXPECT_EQ(Box(Channel::kRed).Text(), kStart.red);
}

TEST_F(Editing, BoxesTakeOnlyDigits) {
  Type(Box(Channel::kGreen), L"1a-2 3");
  EXPECT_EQ(Box(Channel::kGreen).Text(), L"123");
}

TEST_F(Editing, InvertTwiceRestoresTheColorAndRecordsUndo) {
  Press(W().Editor().InvertButton());
  EXPECT_EQ(Current(), MakeColor(190, 150, 30));
  EXPECT_EQ(Box(Channel::kRed).Text(), L"190");
  EXPECT_EQ(CodeEdit().Text(), L"#BE961E");
  Press(W().Editor().InvertButton());
  EXPECT_EQ(Read(), kStart);
  EXPECT_EQ(UndoDepth(), 2);
  EXPECT_EQ(W().Frame().Swatch().FontColor(), win::kWindowTextColor)
      << "the text color stays without Ctrl";
}

TEST_F(Editing, InvertWithCtrlHeldAlsoInvertsTheFrameText) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] |= 0x80;
  SetKeyboardState(keys);
  Press(W().Editor().InvertButton());
  keys[VK_CONTROL] &= 0x7F;
  SetKeyboardState(keys);
  EXPECT_EQ(Current(), MakeColor(190, 150, 30));
  // The window-text system color is resolved, then inverted.
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  EXPECT_EQ(W().Frame().Swatch().FontColor(),
            MakeColor(255 - GetRValue(text), 255 - GetGValue(text), 255 - GetBValue(text)));
}

TEST_F(Editing, RandomNeverDraws255AndVaries) {
  std::set<TColor> seen;
  for (int i = 0; i < 100; ++i) {
    Press(W().Editor().RandomButton());
    const TColor color = Current();
    ASSERT_LT(RedOf(color), 255);
    ASSERT_LT(GreenOf(color), 255);
    ASSERT_LT(BlueOf(color), 255);
    ASSERT_EQ(Box(Channel::kGreen).Text(), std::to_wstring(GreenOf(color)));
    seen.insert(color);
  }
  EXPECT_GT(seen.size(), 90u);
}

TEST_F(Editing, ConfirmedColorDialogSetsItsColorWithUndo) {
  const int depth = UndoDepth();
  std::vector<MessageBoxSeen> seen;
  {
    DialogAnswerer answerer;  // confirms the dialog as it opened: on the current color
    Press(W().Editor().ColorDialogButton());
    seen = answerer.Seen();
  }
  ASSERT_EQ(seen.size(), 1u) << "the color dialog";
  EXPECT_EQ(Current(), MakeColor(65, 105, 225)) << "opened on the current color";
  EXPECT_EQ(UndoDepth(), depth + 1);
}

TEST_F(Editing, UndoAndRedoGoTenDeep) {
  std::vector<TColor> colors{Current()};
  for (int i = 0; i < 11; ++i) {
    Press(W().Editor().RandomButton());
    colors.push_back(Current());
  }
  for (int step = 10; step >= 1; --step) {
    Press(W().Editor().UndoButton());
    ASSERT_EQ(Current(), colors[step]) << "undo to change " << step;
  }
  Press(W().Editor().UndoButton());
  EXPECT_EQ(Current(), colors[1]) << "the start color was the eleventh back and is gone";
  EXPECT_EQ(Box(Channel::kRed).Text(), std::to_wstring(RedOf(colors[1])));
  for (int step = 2; step <= 11; ++step) {
    Press(W().Editor().RedoButton());
    ASSERT_EQ(Current(), colors[step]) << "redo to change " << step;
  }
  Press(W().Editor().RedoButton());
  EXPECT_EQ(Current(), colors[11]);
  EXPECT_EQ(CodeEdit().Text(), win::Widen(FormatColorCode(kHtmlHex, colors[11], true)));
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<no clipboard>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

TEST_F(Editing, CopyPutsExactlyTheBoxTextOnTheClipboard) {
  W().FindMenuItem(L"RGBValues1")->Click();
  EXPECT_EQ(W().CodeBox().NotationList().ItemIndex(), 4);
  Press(W().CodeBox().CopyButton());
  EXPECT_EQ(ClipboardText(), L"65,105,225");
  Type(CodeEdit(), L"not a code");
  Press(W().CodeBox().CopyButton());
  EXPECT_EQ(ClipboardText(), L"not a code");
}

TEST_F(Editing, AnUnreadableCodeIsReportedAndChangesNothing) {
  Press(W().Editor().RandomButton());
  struct Refused {
    const wchar_t* notation;
    const wchar_t* code;
  };
  const Refused refused[] = {
      {L"HTMLHex1", L"#12345"},
      {L"HSVHSB1", L"-30,255,255"},  // a hue below 0 names no color, as one above 360
  };
  for (const Refused& r : refused) {
    SCOPED_TRACE(win::Narrow(r.code));
    W().FindMenuItem(r.notation)->Click();
    const Shown before = Read();
    const int depth = UndoDepth();
    Type(CodeEdit(), r.code);
    {
      MessageBoxAnswerer answerer;
      SendMessageW(CodeEdit().Handle(), WM_CHAR, L'\r', 1);
      const auto seen = answerer.Seen();
      ASSERT_EQ(seen.size(), 1u);
      EXPECT_EQ(seen[0].caption, L"Tintwright");
      EXPECT_EQ(seen[0].text, L"Unable to convert color values.");
    }
    Shown after = Read();
    EXPECT_EQ(after.code, r.code) << "the typed text stays";
    after.code = before.code;
    EXPECT_EQ(after, before);
    EXPECT_EQ(UndoDepth(), depth);
  }

  W().FindMenuItem(L"HTMLHex1")->Click();
  const int depth = UndoDepth();
  Type(CodeEdit(), L"123456");
  Press(W().CodeBox().SetButton());
  EXPECT_EQ(Current(), MakeColor(0x12, 0x34, 0x56));
  EXPECT_EQ(Box(Channel::kBlue).Text(), L"86");
  EXPECT_EQ(UndoDepth(), depth + 1);
}

TEST_F(Editing, UpperCaseOptionConvertsTheBoxText) {
  W().FindMenuItem(L"CHex1")->Click();
  EXPECT_EQ(CodeEdit().Text(), L"0x00E16941");
  W().FindMenuItem(L"UpperCaseColorCodes1")->Click();
  EXPECT_FALSE(W().CodeBox().UpperCase());
  EXPECT_EQ(CodeEdit().Text(), L"0x00e16941");
  W().FindMenuItem(L"UpperCaseColorCodes1")->Click();
  EXPECT_EQ(CodeEdit().Text(), L"0X00E16941") << "the box text is converted, not generated again";
}

}  // namespace
}  // namespace tw::test

// Editing the current color through the real window's controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "core/color/color_codes.h"
#include "test_support.h"
#include "win/platform/text.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::TfrmColorPick;

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
    window_ = std::make_unique<TfrmColorPick>(folder_.Path() / L"Tintwright.ini");
    window_->Show();
    SetCursorPos(0, 0);  // a resting pointer must not sit on a control
  }

  TfrmColorPick& W() { return *window_; }

  Shown Read() {
    TfrmColorPick& w = W();
    return {w.CurrencyEdit1->Text(),
            w.CurrencyEdit2->Text(),
            w.CurrencyEdit3->Text(),
            w.CurrencyEdit4->Text(),
            w.CurrencyEdit5->Text(),
            w.CurrencyEdit6->Text(),
            w.ScrollBarRed->Position(),
            w.ScrollBarGreen->Position(),
            w.ScrollBarBlue->Position(),
            w.ScrollBarBrightness->Position(),
            w.ScrollBarHue->Position(),
            w.ScrollBarSaturation->Position(),
            w.ScrollBarValue->Position(),
            w.edtColor->Text(),
            w.CurrentColor()};
  }

  // Replaces the box's text as a user does: select it all, delete it, then
  // type key by key.
  static void Type(win::Edit& edit, std::wstring_view text) {
    SetFocus(edit.Handle());
    SendMessageW(edit.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(edit.Handle(), WM_CHAR, VK_BACK, 1);
    for (wchar_t c : text) SendMessageW(edit.Handle(), WM_CHAR, c, 1);
  }
  void Leave() { SetFocus(W().btnInvert->Handle()); }
  static void Scroll(win::ScrollBar& bar, WORD code) {
    SendMessageW(GetParent(bar.Handle()), WM_HSCROLL, MAKEWPARAM(code, 0),
                 reinterpret_cast<LPARAM>(bar.Handle()));
  }
  static void Press(win::Button& button) { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }

  TempFolder folder_;
  std::unique_ptr<TfrmColorPick> window_;
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
    win::Edit* boxes[] = {W().CurrencyEdit1, W().CurrencyEdit2, W().CurrencyEdit3,
                          W().CurrencyEdit4, W().CurrencyEdit5, W().CurrencyEdit6};
    Type(*boxes[c.box - 1], c.typed);
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
  Type(*W().CurrencyEdit1, L"300");
  EXPECT_EQ(RedOf(W().CurrentColor()), 44) << "300 keeps its low 8 bits";
  EXPECT_EQ(W().ScrollBarRed->Position(), 255);
  EXPECT_EQ(W().CurrencyEdit1->Text(), L"300");
  Leave();
  EXPECT_EQ(W().CurrencyEdit1->Text(), L"255");
  EXPECT_EQ(RedOf(W().CurrentColor()), 255);
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
    win::Edit* boxes[] = {W().CurrencyEdit1, W().CurrencyEdit2, W().CurrencyEdit3,
                          W().CurrencyEdit4, W().CurrencyEdit5, W().CurrencyEdit6};
    Type(*boxes[c.box - 1], c.typed);
    Leave();
    EXPECT_EQ(boxes[c.box - 1]->Text(), c.shown)
        << "box " << c.box << " typed " << win::Narrow(c.typed);
  }
  EXPECT_EQ(W().CurrencyEdit3->Text(), L"0");
  EXPECT_EQ(BlueOf(W().CurrentColor()), 0);
}

TEST_F(Editing, AHueBeyond360KeepsThePreviousColor) {
  Type(*W().CurrencyEdit4, L"400");
  // "40" gave (225, 172, 65); "400" names no color, so that one stays.
  EXPECT_EQ(W().CurrentColor(), MakeColor(225, 172, 65));
  EXPECT_EQ(W().CurrencyEdit1->Text(), L"225");
  EXPECT_EQ(W().ScrollBarHue->Position(), 360);
}

TEST_F(Editing, BoxesTakeOnlyDigits) {
  Type(*W().CurrencyEdit2, L"1a-2 3");
  EXPECT_EQ(W().CurrencyEdit2->Text(), L"123");
}

TEST_F(Editing, InvertTwiceRestoresTheColorAndRecordsUndo) {
  Press(*W().btnInvert);
  EXPECT_EQ(W().CurrentColor(), MakeColor(190, 150, 30));
  EXPECT_EQ(W().CurrencyEdit1->Text(), L"190");
  EXPECT_EQ(W().edtColor->Text(), L"#BE961E");
  Press(*W().btnInvert);
  EXPECT_EQ(Read(), kStart);
  EXPECT_EQ(W().History().UndoDepth(), 2);
  EXPECT_EQ(W().pnlColor->FontColor(), win::kWindowTextColor)
      << "the text color stays without Ctrl";
}

TEST_F(Editing, InvertWithCtrlHeldAlsoInvertsTheFrameText) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] |= 0x80;
  SetKeyboardState(keys);
  Press(*W().btnInvert);
  keys[VK_CONTROL] &= 0x7F;
  SetKeyboardState(keys);
  EXPECT_EQ(W().CurrentColor(), MakeColor(190, 150, 30));
  // The window-text system color is resolved, then inverted.
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  EXPECT_EQ(W().pnlColor->FontColor(),
            MakeColor(255 - GetRValue(text), 255 - GetGValue(text), 255 - GetBValue(text)));
}

TEST_F(Editing, RandomNeverDraws255AndVaries) {
  std::set<TColor> seen;
  for (int i = 0; i < 100; ++i) {
    Press(*W().btnRandom);
    const TColor color = W().CurrentColor();
    ASSERT_LT(RedOf(color), 255);
    ASSERT_LT(GreenOf(color), 255);
    ASSERT_LT(BlueOf(color), 255);
    ASSERT_EQ(W().CurrencyEdit2->Text(), std::to_wstring(GreenOf(color)));
    seen.insert(color);
  }
  EXPECT_GT(seen.size(), 90u);
}

TEST_F(Editing, ConfirmedColorDialogSetsItsColorWithUndo) {
  const int depth = W().History().UndoDepth();
  std::vector<MessageBoxSeen> seen;
  {
    DialogAnswerer answerer;  // confirms the dialog as it opened: on the current color
    Press(*W().btnDialog);
    seen = answerer.Seen();
  }
  ASSERT_EQ(seen.size(), 1u) << "the color dialog";
  EXPECT_EQ(W().CurrentColor(), MakeColor(65, 105, 225)) << "opened on the current color";
  EXPECT_EQ(W().History().UndoDepth(), depth + 1);
}

TEST_F(Editing, UndoAndRedoGoTenDeep) {
  std::vector<TColor> colors{W().CurrentColor()};
  for (int i = 0; i < 11; ++i) {
    Press(*W().btnRandom);
    colors.push_back(W().CurrentColor());
  }
  for (int step = 10; step >= 1; --step) {
    Press(*W().btnUndo);
    ASSERT_EQ(W().CurrentColor(), colors[step]) << "undo to change " << step;
  }
  Press(*W().btnUndo);
  EXPECT_EQ(W().CurrentColor(), colors[1]) << "the start color was the eleventh back and is gone";
  EXPECT_EQ(W().CurrencyEdit1->Text(), std::to_wstring(RedOf(colors[1])));
  for (int step = 2; step <= 11; ++step) {
    Press(*W().btnRedo);
    ASSERT_EQ(W().CurrentColor(), colors[step]) << "redo to change " << step;
  }
  Press(*W().btnRedo);
  EXPECT_EQ(W().CurrentColor(), colors[11]);
  EXPECT_EQ(W().edtColor->Text(), win::Widen(FormatColorCode(kHtmlHex, colors[11], true)));
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
  W().HTMLHex1Click(*W().FindMenuItem(L"RGBValues1"));
  EXPECT_EQ(W().cbxDisplay->ItemIndex(), 4);
  Press(*W().btnCopy);
  EXPECT_EQ(ClipboardText(), L"65,105,225");
  Type(*W().edtColor, L"not a code");
  Press(*W().btnCopy);
  EXPECT_EQ(ClipboardText(), L"not a code");
}

TEST_F(Editing, AnUnreadableCodeIsReportedAndChangesNothing) {
  W().btnRandomClick(*W().btnRandom);
  const Shown before = Read();
  const int depth = W().History().UndoDepth();
  Type(*W().edtColor, L"#12345");
  {
    MessageBoxAnswerer answerer;
    SendMessageW(W().edtColor->Handle(), WM_CHAR, L'\r', 1);
    const auto seen = answerer.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"Tintwright");
    EXPECT_EQ(seen[0].text, L"Unable to convert color values.");
  }
  Shown after = Read();
  EXPECT_EQ(after.code, L"#12345") << "the typed text stays";
  after.code = before.code;
  EXPECT_EQ(after, before);
  EXPECT_EQ(W().History().UndoDepth(), depth);

  Type(*W().edtColor, L"123456");
  Press(*W().btnSet);
  EXPECT_EQ(W().CurrentColor(), MakeColor(0x12, 0x34, 0x56));
  EXPECT_EQ(W().CurrencyEdit3->Text(), L"86");
  EXPECT_EQ(W().History().UndoDepth(), depth + 1);
}

TEST_F(Editing, UpperCaseOptionConvertsTheBoxText) {
  W().HTMLHex1Click(*W().FindMenuItem(L"CHex1"));
  EXPECT_EQ(W().edtColor->Text(), L"0x00E16941");
  W().UpperCaseColorCodes1Click(*W().UpperCaseColorCodes1);
  EXPECT_FALSE(W().UseUpperCase);
  EXPECT_EQ(W().edtColor->Text(), L"0x00e16941");
  W().UpperCaseColorCodes1Click(*W().UpperCaseColorCodes1);
  EXPECT_EQ(W().edtColor->Text(), L"0X00E16941")
      << "the box text is converted, not generated again";
}

}  // namespace
}  // namespace tw::test

// The real main window, built in this process and driven directly.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "test_support.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Channel;
using win::MainWindow;

class MainWindowTest : public testing::Test {
 protected:
  std::filesystem::path SettingsFile() const { return folder_.Path() / L"Tintwright.ini"; }
  void StoreSettings(const std::string& text) { WriteFileBytes(SettingsFile(), text); }
  MainWindow& Create() {
    window_ = std::make_unique<MainWindow>(SettingsFile());
    return *window_;
  }
  // Ends the window as "Exit" does and destroys it, which writes the file.
  std::string ExitAndReadSettings() {
    window_->FindMenuItem(L"Exit1")->Click();
    window_.reset();
    return ReadFileBytes(SettingsFile());
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

struct PlaceCase {
  const wchar_t* name;
  const wchar_t* parent;
  win::Rect bounds;
};

// A sample from every panel of the design, at 96 dpi.
const PlaceCase kPlaces[] = {
    {L"pnlColor", L"frmColorPick", {5, 5, 91, 101}},
    {L"pnlRGB", L"frmColorPick", {101, 3, 208, 106}},
    {L"CurrencyEdit2", L"pnlRGB", {36, 34, 29, 20}},
    {L"ScrollBarBrightness", L"pnlRGB", {65, 85, 137, 16}},
    {L"imgBlue", L"pnlRGB", {81, 54, 105, 5}},
    {L"pnlHSV", L"frmColorPick", {101, 111, 208, 81}},
    {L"ScrollBarHue", L"pnlHSV", {65, 9, 137, 16}},
    {L"imgValue", L"pnlHSV", {81, 53, 105, 5}},
    {L"pnlButtons", L"frmColorPick", {311, 3, 65, 106}},
    {L"btnRedo", L"pnlButtons", {33, 79, 28, 23}},
    {L"pnlCircle", L"frmColorPick", {378, 3, 105, 106}},
    {L"imgColorWheel", L"pnlCircle", {1, 1, 103, 103}},
    {L"pnlColorCode", L"frmColorPick", {3, 111, 96, 81}},
    {L"edtColor", L"pnlColorCode", {4, 29, 88, 23}},
    {L"btnSet", L"pnlColorCode", {49, 55, 42, 23}},
    {L"pnlPalette", L"frmColorPick", {3, 194, 306, 53}},
    {L"mempan1", L"pnlPalette", {120, 2, 28, 23}},
    {L"mempan6", L"pnlPalette", {275, 2, 28, 23}},
    {L"mempan7", L"frmColorPick", {123, 221, 28, 23}},
    {L"mempan12", L"frmColorPick", {278, 221, 28, 23}},
    {L"btnSavePalette", L"pnlPalette", {50, 20, 42, 23}},
    {L"pnlHTMLColor", L"frmColorPick", {3, 249, 252, 30}},
    {L"pnlButtonsBottom", L"frmColorPick", {257, 249, 52, 30}},
    {L"btnOptions", L"pnlButtonsBottom", {2, 4, 23, 23}},
    {L"pnlMagnifier", L"frmColorPick", {311, 111, 172, 168}},
    {L"btnGrab", L"pnlMagnifier", {4, 3, 26, 26}},
    {L"pnlMagnifierArea", L"pnlMagnifier", {3, 32, 167, 134}},
    {L"imgMagnifier", L"pnlMagnifierArea", {1, 1, 165, 132}},
};

TEST_F(MainWindowTest, ControlsStandWhereTheyWereDesigned) {
  MainWindow& window = Create();
  ASSERT_EQ(window.PixelsPerInch(), 96) << "the geometry below is for 96 dpi";
  for (const PlaceCase& place : kPlaces) {
    SCOPED_TRACE(testing::Message() << "control " << win::Narrow(place.name));
    const win::Control* control = window.FindControl(place.name);
    ASSERT_NE(control, nullptr);
    const win::Control* parent = control->Parent();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->Name(), place.parent);
    // Where the window system really put it, not what the wrapper believes.
    RECT r;
    GetWindowRect(control->Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, parent->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ((win::Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}), place.bounds);
  }
}

TEST_F(MainWindowTest, LowerPaletteRowLiesAboveThePalettePanel) {
  MainWindow& window = Create();
  window.Show();
  ASSERT_TRUE(WaitUntil([&] {
    return ScreenPixel(window.Handle(), {123 + 14, 221 + 11}) == RGB(0x0F, 0xC0, 0xFC);
  })) << "mempan7 is hidden behind pnlPalette";
}

TEST_F(MainWindowTest, StartupStripsAreRampsOverExactlyTheirPixels) {
  MainWindow& window = Create();
  struct StripCase {
    win::Image* image;
    ColorTriple last;  // column 104: 104 × 255 ÷ 105 = 252
  };
  const win::ColorEditor& editor = window.Editor();
  const StripCase strips[] = {
      {&editor.Strip(Channel::kRed), {0, 0, 252}},
      {&editor.Strip(Channel::kGreen), {0, 252, 0}},
      {&editor.Strip(Channel::kBlue), {252, 0, 0}},
      {&editor.BrightnessStrip(), {252, 252, 252}},
      {&editor.Strip(Channel::kHue), {0, 0, 252}},
      {&editor.Strip(Channel::kSaturation), {0, 0, 252}},
      {&editor.Strip(Channel::kValue), {0, 0, 252}},
  };
  for (const StripCase& strip : strips) {
    SCOPED_TRACE(testing::Message() << win::Narrow(strip.image->Name()));
    const BgrImageView picture = strip.image->Picture();
    ASSERT_EQ(picture.width, 105);
    ASSERT_EQ(picture.height, 5);
    EXPECT_EQ(picture.At(0, 4), (ColorTriple{0, 0, 0}));
    EXPECT_EQ(picture.At(104, 4), strip.last);
  }
}

TEST_F(MainWindowTest, CaptionCarriesTheVersionOfTheProgramFile) {
  MainWindow& window = Create();
  EXPECT_EQ(window.Version(), L"1.0");
  EXPECT_EQ(WindowText(window.Handle()), L"Tintwright 1.0");
}

TEST_F(MainWindowTest, UnreadableWindowSettingsAreReportedThenDefaultsAndTheRemainingStepsApply) {
  StoreSettings("[Tintwright]\r\nuppercase=maybe\r\nlayout=abc\r\npalettename=mine.plt\r\n");
  MessageBoxAnswerer answerer;
  MainWindow& window = Create();
  const std::vector<MessageBoxSeen> seen = answerer.Seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].caption, L"Tintwright");
  EXPECT_NE(seen[0].text.find(L"'maybe'"), std::wstring::npos);
  EXPECT_NE(seen[1].text.find(L"'abc' is not a valid integer value"), std::wstring::npos);
  EXPECT_TRUE(window.CodeBox().UpperCase());
  EXPECT_TRUE(window.FindMenuItem(L"UpperCaseColorCodes1")->Checked);
  EXPECT_EQ(window.Layout().Current(), 2);
  EXPECT_EQ(window.Slots().NameLabel().Caption(), L"mine.plt");
  // The file is rewritten with readable values, so the error does not return.
  const std::string stored = ExitAndReadSettings();
  EXPECT_NE(stored.find("uppercase=TRUE\r\n"), std::string::npos);
  EXPECT_NE(stored.find("layout=2\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, StoredWindowSettingsAreReadAndWrittenBack) {
  StoreSettings(
      "[Other]\r\nkeep=me\r\n\r\n[TINTWRIGHT]\r\nUpperCase=no\r\nlayout=5\r\npalettename=mine."
      "plt\r\n");
  MainWindow& window = Create();
  EXPECT_FALSE(window.CodeBox().UpperCase());
  EXPECT_FALSE(window.FindMenuItem(L"UpperCaseColorCodes1")->Checked);
  EXPECT_EQ(window.Layout().Current(), 5);
  EXPECT_EQ(window.Slots().Name(), L"mine.plt");
  EXPECT_EQ(ExitAndReadSettings(),
            "[Other]\r\nkeep=me\r\n\r\n[TINTWRIGHT]\r\nUpperCase=FALSE\r\nlayout=5\r\npalettename="
            "mine.plt\r\nFormVersion=0\r\nshowtitle=TRUE\r\n\r\n");
}

TEST_F(MainWindowTest, PaletteChangedSinceLoadingIsNotRememberedByName) {
  StoreSettings("[Tintwright]\r\npalettename=mine.plt\r\n");
  MainWindow& window = Create();
  window.Show();
  // A middle click stores the current color in a slot that had another.
  win::Panel& slot = window.Slots().Slot(4);
  SendMessageW(slot.Handle(), WM_MBUTTONDOWN, 0, MAKELPARAM(5, 5));
  SendMessageW(slot.Handle(), WM_MBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(window.Slots().ChangedSinceNamed());
  EXPECT_NE(ExitAndReadSettings().find("palettename=\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, EndingTheSessionSavesAtOnceAndNeverVetoes) {
  StoreSettings("[Tintwright]\r\nlayout=1\r\n");
  MainWindow& window = Create();
  window.Show();
  EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(window.Handle(), WM_ENDSESSION, FALSE, 0);  // cancelled: nothing to do
  EXPECT_EQ(ReadFileBytes(SettingsFile()), "[Tintwright]\r\nlayout=1\r\n");
  window.Slots().Slot(0).SetColor(0x123456);
  SendMessageW(window.Handle(), WM_ENDSESSION, TRUE, 0);
  // Saved as "Exit" saves: the stored properties, then the plain palette name.
  const std::string stored = ReadFileBytes(SettingsFile());
  for (const char* line : {"layout=1\r\n", "FormVersion=0\r\n", "mempan1_Color=1193046\r\n",
                           "palettename=\r\n", "uppercase=TRUE\r\n"}) {
    EXPECT_NE(stored.find(line), std::string::npos) << line << " missing in\n" << stored;
  }
}

TEST_F(MainWindowTest, AltF4RunsExitWhileTheWindowHasTheFocus) {
  MainWindow& window = Create();
  win::Application::Instance().SetMainForm(&window);
  window.Show();
  SetForegroundWindow(window.Handle());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window.Handle(); }));
  INPUT keys[4] = {};
  const WORD sequence[4][2] = {
      {VK_MENU, 0}, {VK_F4, 0}, {VK_F4, KEYEVENTF_KEYUP}, {VK_MENU, KEYEVENTF_KEYUP}};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i][0];
    keys[i].ki.dwFlags = sequence[i][1];
  }
  SendInput(4, keys, sizeof(INPUT));
  const bool closed = WaitUntil([&] {
    win::Application::Instance().ProcessMessages();
    return window.Handle() == nullptr;
  });
  win::Application::Instance().SetMainForm(nullptr);
  // The quit that the main window's end posts belongs to the program's loop.
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(window.AllowClose());
}

}  // namespace
}  // namespace tw::test

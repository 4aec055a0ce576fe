// What the real window keeps in its settings file, and what comes back.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "test_support.h"
#include "win/window/command_ids.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::MainWindow;

class Settings : public testing::Test {
 protected:
  MainWindow& Start() {
    window_ = std::make_unique<MainWindow>(SettingsFile());
    window_->Show();
    return *window_;
  }
  std::string Exit() {
    window_->FindMenuItem(L"Exit1")->Click();
    window_.reset();
    return ReadFileBytes(SettingsFile());
  }
  std::filesystem::path SettingsFile() const { return folder_.Path() / L"Tintwright.ini"; }
  void Store(const std::string& text) { WriteFileBytes(SettingsFile(), text); }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(Settings, StoredPropertiesComeBackAfterARestart) {
  MainWindow& first = Start();
  first.Slots().Slot(0).SetColor(0x123456);
  first.Slots().Slot(9).SetColor(static_cast<TColor>(0xFF00000F));
  first.FindMenuItem(L"RGBValues1")->Click();
  first.Magnifier().ZoomList().SetItemIndex(9);
  first.FindMenuItem(L"StayinSystemTray1")->Click();
  first.FindMenuItem(L"SortbyBlue1")->Click();
  first.FindMenuItem(L"Showonlyhtmlcolors")->Click();
  first.FindMenuItem(L"Rectangle1")->Click();
  first.FindMenuItem(L"N3x3Average1")->Click();
  first.FindMenuItem(L"UseText")->Click();
  first.FindMenuItem(L"AlwaysonTop1")->Click();
  const std::string stored = Exit();
  EXPECT_NE(stored.find("mempan10_Color=clBtnFace\r\n"), std::string::npos);

  MainWindow& second = Start();
  EXPECT_EQ(second.Slots().Slot(0).Color(), 0x123456);
  EXPECT_EQ(second.Slots().Slot(9).Color(), static_cast<TColor>(0xFF00000F));
  EXPECT_EQ(second.CodeBox().NotationList().ItemIndex(), 4);
  EXPECT_EQ(second.CodeBox().CodeEdit().Text(), L"65,105,225")
      << "the restored notation writes the code";
  EXPECT_EQ(second.Magnifier().ZoomList().ItemIndex(), 9);
  EXPECT_FALSE(second.FindMenuItem(L"StayinSystemTray1")->Checked);
  EXPECT_TRUE(second.AllowClose()) << "not staying in the tray, a close exits";
  EXPECT_EQ(second.Names().SortOrder(), 6);
  EXPECT_TRUE(second.FindMenuItem(L"SortbyBlue1")->Checked);
  EXPECT_TRUE(second.Names().HtmlOnly());
  EXPECT_EQ(second.Names().Caption().Caption(), L"HTML");
  EXPECT_EQ(second.Names().Entries().size(), 139u);
  EXPECT_EQ(second.Magnifier().CrosshairStyle(), 2);
  EXPECT_TRUE(second.FindMenuItem(L"Rectangle1")->Checked);
  EXPECT_EQ(second.Magnifier().Averaging(), 1);
  EXPECT_FALSE(second.FindMenuItem(L"UseText")->Checked);
  EXPECT_EQ(second.Frame().Swatch().Caption(), L"") << "no text in the color frame";
  EXPECT_FALSE(second.FindMenuItem(L"SetasTextColor1")->Enabled);
  EXPECT_TRUE(second.FindMenuItem(L"AlwaysonTop1")->Checked);
}

TEST_F(Settings, UnreadableStoredPropertiesKeepTheirDesignValuesSilently) {
  Store(
      "[Tintwright]\r\nmempan2_Color=junk\r\ncbxZoom_ItemIndex=25\r\ncbxDisplay_ItemIndex=-3\r\n"
      "StayinSystemTray1_Checked=maybe\r\nmempan3_Color=clRed\r\n");
  DialogAnswerer answerer;
  MainWindow& window = Start();
  EXPECT_TRUE(answerer.Seen().empty());
  EXPECT_EQ(window.Slots().Slot(1).Color(), 65486);
  EXPECT_EQ(window.Magnifier().ZoomList().ItemIndex(), 4);
  EXPECT_EQ(window.CodeBox().NotationList().ItemIndex(), 0);
  EXPECT_TRUE(window.FindMenuItem(L"StayinSystemTray1")->Checked);
  EXPECT_EQ(window.Slots().Slot(2).Color(), 255) << "a readable one next to them still applies";
}

TEST_F(Settings, NegativeFormVersionKeepsTheDesignForThatRunOnly) {
  Store("[Tintwright]\r\nFormVersion=-1\r\nmempan1_Color=255\r\n");
  EXPECT_EQ(Start().Slots().Slot(0).Color(), 10551540);
  const std::string stored = Exit();
  EXPECT_NE(stored.find("FormVersion=0\r\n"), std::string::npos);
  EXPECT_NE(stored.find("mempan1_Color=10551540\r\n"), std::string::npos);
}

struct PositionCase {
  const char* name;
  std::string stored;
  bool placed;  // at 200, 150; otherwise centred
};

TEST_F(Settings, StoredPositionIsUsedOnlyWhereItFits) {
  const std::string desktop = "(" + std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "x" +
                              std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN)) + ")";
  const PositionCase cases[] = {
      {"saved here", "PixelsPerInch=96\r\nNormPos=200,150,700,450\r\n", true},
      {"this desktop's key wins",
       "PixelsPerInch=96\r\nNormPos=5000,5000,5100,5100\r\nNormPos" + desktop + "=200,150,1,1\r\n",
       true},
      {"another resolution", "PixelsPerInch=120\r\nNormPos=200,150,700,450\r\n", false},
      {"off every monitor", "PixelsPerInch=96\r\nNormPos=5000,150,5500,450\r\n", false},
      {"corner off the screen", "PixelsPerInch=96\r\nNormPos=1200,150,1700,450\r\n", false},
      {"no position", "PixelsPerInch=96\r\n", false},
  };
  for (const PositionCase& c : cases) {
    Store("[Tintwright]\r\n" + c.stored);
    MainWindow& window = Start();
    RECT r;
    GetWindowRect(window.Handle(), &r);
    if (c.placed) {
      EXPECT_EQ(r.left, 200) << c.name;
      EXPECT_EQ(r.top, 150) << c.name;
    } else {
      EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << c.name;
      EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1) << c.name;
    }
    Exit();
  }
}

TEST(SettingsOfAHiddenRun, OnlyTheWindowsOwnKeysAreWritten) {
  TempFolder folder;
  const auto file = folder.Path() / L"Tintwright.ini";
  WriteFileBytes(file, "[Tintwright]\r\nmempan1_Color=255\r\nNormPos=1,2,3,4\r\n");
  ProgramRun run(folder, L"/autostart");
  HWND window = run.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(run.WaitForIdle());
  PostMessageW(window, WM_COMMAND, win::kExitCommand, 0);
  ASSERT_EQ(run.WaitForExit(), 0u);
  EXPECT_EQ(
      ReadFileBytes(file),
      "[Tintwright]\r\nmempan1_Color=255\r\nNormPos=1,2,3,4\r\nFormVersion=0\r\npalettename=\r\n"
      "showtitle=TRUE\r\nuppercase=TRUE\r\nlayout=2\r\n\r\n");
}

// tests/unit/data/ini/every_option_changed.ini was written by the program as
// it stood before its options became one record: started with "/multi
// /allowclose" on the 1280 x 1024 desktop, it loaded a palette of twelve
// colors through its Load button, then received as posted menu commands
// Always on Top, Show/Hide Titlebar, CMYK Values, UpperCase Color Codes,
// Zoom 7 X, Rectangle, 5x5 Average, Use Text in Color Frame, Sort by
// Saturation, Show only HTML Colors, Stay in System Tray and Medium, and was
// ended by Exit. So every key it holds differs from the default. Read and
// written back without a change, it must come out as it went in.
TEST(SettingsOfAnEarlierVersion, AreWrittenBackByteForByte) {
  const std::string earlier =
      ReadFileBytes(std::filesystem::path(TW_TEST_DATA_DIR) / "ini" / "every_option_changed.ini");
  ASSERT_FALSE(earlier.empty());
  TempFolder folder;
  WriteFileBytes(folder.Path() / L"Tintwright.ini", earlier);
  ProgramRun run(folder, L"/multi /allowclose");
  HWND window = run.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(run.WaitForIdle());
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
  PostMessageW(window, WM_COMMAND, win::kExitCommand, 0);
  ASSERT_EQ(run.WaitForExit(), 0u);
  EXPECT_EQ(ReadFileBytes(run.SettingsFile()), earlier);
}

}  // namespace
}  // namespace tw::test

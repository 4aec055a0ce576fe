// The real Tintwright.exe started with command lines, as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/settings/option_table.h"
#include "shell_support.h"
#include "test_support.h"
#include "win/window/command_ids.h"

namespace tw::test {
namespace {

constexpr POINT kInsideColorFrame{8, 8};  // clear of the frame's caption

// A test name made of the command line's letters and digits.
std::string ArgumentsAsName(const wchar_t* arguments) {
  std::string name;
  for (const wchar_t* c = arguments; *c; ++c) {
    switch (*c) {
      case L'/':
        name += "slash";
        break;
      case L'-':
        name += "minus";
        break;
      case L'#':
        name += "hash";
        break;
      case L':':
        name += "colon";
        break;
      default:
        name += iswalnum(*c) ? static_cast<char>(*c) : '_';
    }
  }
  return name.empty() ? "nothing" : "with_" + name;
}

bool EndByExitCommand(ProgramRun& run, HWND window) {
  PostMessageW(window, WM_COMMAND, win::kExitCommand, 0);
  return run.WaitForExit() == 0;
}

TEST(Startup, WithoutArgumentsShowsACentredWindowCaptionedWithTheVersion) {
  TempFolder folder;
  ProgramRun run(folder, L"");
  HWND window = run.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
  EXPECT_EQ(WindowText(window), L"Tintwright 1.0");
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 486);
  EXPECT_EQ(client.bottom, 282);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  ASSERT_TRUE(EndByExitCommand(run, window));
  // A new file: one section, the keys in the order they are first written.
  const std::string stored = ReadFileBytes(run.SettingsFile());
  EXPECT_EQ(stored.rfind("[Tintwright]\r\n", 0), 0u) << stored;
  const std::string desktop = "(" + std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "x" +
                              std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN)) + ")";
  // The position, then every stored option, the window's four values last
  // (their order is pinned by the core's own test).
  std::vector<std::string> expectedKeys = {
      "FormVersion",       "Flags",  "PixelsPerInch", "MinMaxPos" + desktop, "MinMaxPos",
      "NormPos" + desktop, "NormPos"};
  for (const OptionRow& row : OptionRows()) expectedKeys.emplace_back(row.key);
  EXPECT_EQ(IniKeys(stored), expectedKeys) << stored;
  for (const char* line :
       {"mempan1_Color=10551540\r\n", "mempan10_Color=clLime\r\n", "mempan11_Color=clTeal\r\n",
        "cbxZoom_ItemIndex=4\r\n", "palettename=\r\n", "layout=2\r\n"}) {
    EXPECT_NE(stored.find(line), std::string::npos) << line;
  }
}

struct VisibilityCase {
  const wchar_t* arguments;
  bool visible;
};

class StartupVisibility : public testing::TestWithParam<VisibilityCase> {};

TEST_P(StartupVisibility, SwitchesDecideWhetherTheWindowShows) {
  TempFolder folder;
  ProgramRun run(folder, GetParam().arguments);
  HWND window = run.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(run.WaitForIdle());
  EXPECT_EQ(IsWindowVisible(window) != FALSE, GetParam().visible);
  // The taskbar button comes and goes with the application window.
  HWND application = FindProcessWindow(run.ProcessId(), L"TApplication");
  EXPECT_EQ(IsWindowVisible(application) != FALSE, GetParam().visible);
  ASSERT_TRUE(EndByExitCommand(run, window));
  // A run that never showed the window still writes its settings at exit.
  EXPECT_NE(ReadFileBytes(run.SettingsFile()).find("[Tintwright]\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Switches, StartupVisibility,
                         testing::Values(VisibilityCase{L"/autostart", false},
                                         VisibilityCase{L"/AUTOSTART", false},
                                         VisibilityCase{L"/AutoStart ff8000", false},
                                         VisibilityCase{L"-autostart", true},
                                         VisibilityCase{L"/autostart:1", true},
                                         VisibilityCase{L"/autostartx", true},
                                         VisibilityCase{L"/notray /autostart", true},
                                         VisibilityCase{L"/autostart /NoTray", true}),
                         [](const testing::TestParamInfo<VisibilityCase>& info) {
                           return ArgumentsAsName(info.param.arguments);
                         });

TEST(Startup, AllowCloseLetsTheWindowsCloseEndTheProgram) {
  TempFolder folder;
  ProgramRun run(folder, L"/allowclose");
  HWND window = run.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
  // The taskbar button belongs to the hidden application window.
  const HWND application = FindProcessWindow(run.ProcessId(), L"TApplication");
  ASSERT_TRUE(WaitForTaskbarButton(application, true));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.WaitForExit(), 0u);
  EXPECT_EQ(ReadFileBytes(run.SettingsFile()).rfind("[Tintwright]\r\n", 0), 0u);
  EXPECT_TRUE(WaitForTaskbarButton(application, false)) << "a taskbar button was left behind";
}

TEST(Startup, ReadOnlySettingsFileIsNeverWritten) {
  TempFolder folder;
  const std::string stored = "[Tintwright]\r\nuppercase=0\r\nlayout=2\r\n; kept as it is\r\n";
  const auto file = folder.Path() / L"Tintwright.ini";
  WriteFileBytes(file, stored);
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  ProgramRun run(folder, L"/allowclose");
  HWND window = run.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(run.WaitForIdle());
  ASSERT_TRUE(EndByExitCommand(run, window));
  EXPECT_EQ(ReadFileBytes(file), stored);
  EXPECT_NE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

struct ColorArgumentCase {
  const wchar_t* arguments;
  COLORREF expected;
};

class CommandLineColor : public testing::TestWithParam<ColorArgumentCase> {};

TEST_P(CommandLineColor, PaintsTheColorFrame) {
  TempFolder folder;
  ProgramRun run(folder, GetParam().arguments);
  HWND window = run.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
  EXPECT_TRUE(WaitUntil([&] {
    return ScreenPixel(window, kInsideColorFrame) == GetParam().expected;
  })) << std::hex
      << ScreenPixel(window, kInsideColorFrame);
  ASSERT_TRUE(EndByExitCommand(run, window));
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineColor,
                         testing::Values(ColorArgumentCase{L"ff8000", RGB(255, 128, 0)},
                                         ColorArgumentCase{L"#FF8000", RGB(255, 128, 0)},
                                         ColorArgumentCase{L"12345", RGB(0x12, 0x34, 0x05)},
                                         ColorArgumentCase{L"#FF0000 ff8000", RGB(255, 128, 0)},
                                         ColorArgumentCase{L"", RGB(65, 105, 225)}),
                         [](const testing::TestParamInfo<ColorArgumentCase>& info) {
                           return ArgumentsAsName(info.param.arguments);
                         });

TEST(Startup, UnreadableCommandLineColorIsReportedAndTheColorStays) {
  TempFolder folder;
  ProgramRun run(folder, L"#12");
  MessageBoxSeen seen;
  HWND box = nullptr;
  ASSERT_TRUE(WaitForMessageBox(run.ProcessId(), seen, box));
  EXPECT_EQ(seen.caption, L"Tintwright");
  EXPECT_EQ(seen.text, L"Incorrect Color Parameter Format");
  PressOk(box);
  HWND window = run.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
  EXPECT_TRUE(
      WaitUntil([&] { return ScreenPixel(window, kInsideColorFrame) == RGB(65, 105, 225); }));
  ASSERT_TRUE(EndByExitCommand(run, window));
}

}  // namespace
}  // namespace tw::test

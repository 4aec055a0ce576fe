// "Run on Startup" of the real main window against Wine's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "shell_support.h"
#include "test_support.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::wstring> RunValue() {
  wchar_t data[1024] = {};
  DWORD size = sizeof(data);
  if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Tintwright", RRF_RT_REG_SZ, nullptr, data,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(data);
}

void SetRunValue(const std::wstring& data) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tintwright", REG_SZ, data.c_str(),
                  static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

class RunAtLogonTest : public testing::Test {
 protected:
  void SetUp() override {
    // A fresh profile may have no list at all.
    RegDeleteKeyW(HKEY_CURRENT_USER, kRunKey);
  }
  void TearDown() override {
    window_.reset();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tintwright");
  }
  win::MenuItem& Item() { return *window_->FindMenuItem(L"RunonStartup1"); }
  // Opens the main menu with a right click on the window and answers
  // whether "Run on Startup" showed checked.
  bool CheckedInTheOpenedMenu() {
    PopupMenuWatcher watcher;
    RECT frame;
    GetWindowRect(window_->Handle(), &frame);
    SendMessageW(window_->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window_->Handle()),
                 MAKELPARAM(frame.left + 40, frame.top + 40));
    EXPECT_TRUE(watcher.Seen());
    for (const MenuLine& line : watcher.Lines()) {
      if (line.text == L"Run on Startup") return line.checked;
    }
    ADD_FAILURE() << "no \"Run on Startup\" in the menu";
    return false;
  }

  TempFolder folder_;
  std::unique_ptr<win::MainWindow> window_;
};

TEST_F(RunAtLogonTest, ValueIsWrittenWithTheQuotedPathThenRemoved) {
  window_ = std::make_unique<win::MainWindow>(folder_.Path() / L"Tintwright.ini");
  EXPECT_FALSE(Item().Checked);
  Item().Click();
  wchar_t program[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH * 4);
  EXPECT_EQ(RunValue(), L"\"" + std::wstring(program) + L"\" /autostart");
  EXPECT_TRUE(Item().Checked);
  Item().Click();
  EXPECT_EQ(RunValue(), std::nullopt);
  EXPECT_FALSE(Item().Checked);
}

TEST_F(RunAtLogonTest, ExistingValueChecksTheItemAtCreationAndIsReplaced) {
  SetRunValue(L"\"C:\\Old Place\\Tintwright.exe\" /autostart");
  window_ = std::make_unique<win::MainWindow>(folder_.Path() / L"Tintwright.ini");
  EXPECT_TRUE(Item().Checked);
  Item().Click();  // off
  Item().Click();  // on again, from where the program is now
  ASSERT_TRUE(RunValue().has_value());
  EXPECT_EQ(RunValue()->find(L"Old Place"), std::wstring::npos);
}

TEST_F(RunAtLogonTest, CheckMarkFollowsAValueChangedBehindTheProgramsBack) {
  window_ = std::make_unique<win::MainWindow>(folder_.Path() / L"Tintwright.ini");
  window_->Show();
  EXPECT_FALSE(CheckedInTheOpenedMenu());
  SetRunValue(L"\"C:\\Elsewhere\\Tintwright.exe\" /autostart");
  EXPECT_TRUE(CheckedInTheOpenedMenu());
  // Clicked now, the item takes off the value that is there.
  Item().Click();
  EXPECT_EQ(RunValue(), std::nullopt);
  EXPECT_FALSE(CheckedInTheOpenedMenu());
}

}  // namespace
}  // namespace tw::test

// Every shortcut of the main menu, pressed on the keyboard while the main
// window is active, reaches its item; none does while the program is hidden.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "test_support.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/widgets/menu.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Application;
using win::MainWindow;
using win::MenuItem;

struct ShortcutCase {
  const wchar_t* item;
  std::vector<WORD> keys;  // held in this order, released in the other
};

const ShortcutCase kShortcuts[] = {
    {L"Zoom1X1", {VK_SHIFT, VK_F1}},
    {L"Zoom2X1", {VK_SHIFT, VK_F2}},
    {L"Zoom3X1", {VK_SHIFT, VK_F3}},
    {L"Zoom4X1", {VK_SHIFT, VK_F4}},
    {L"Zoom5X1", {VK_SHIFT, VK_F5}},
    {L"Zoom6X1", {VK_SHIFT, VK_F6}},
    {L"Zoom7X1", {VK_SHIFT, VK_F7}},
    {L"Zoom8X1", {VK_SHIFT, VK_F8}},
    {L"Zoom9X1", {VK_SHIFT, VK_F9}},
    {L"Zoom10X1", {VK_SHIFT, VK_F10}},
    {L"SetCoordinates1", {VK_CONTROL, VK_MENU, 'C'}},
    {L"ResetCoordinates2", {VK_CONTROL, VK_MENU, 'X'}},
    {L"ClearZoomWindow1", {VK_CONTROL, VK_MENU, 'Q'}},
    {L"HTMLHex1", {VK_CONTROL, 'H'}},
    {L"DelphiHex1", {VK_CONTROL, 'D'}},
    {L"VBHex1", {VK_CONTROL, 'B'}},
    {L"RGBValues1", {VK_CONTROL, 'R'}},
    {L"CMYKValues1", {VK_CONTROL, 'K'}},
    {L"PhotoshopValues1", {VK_CONTROL, 'P'}},
    {L"Off1", {VK_CONTROL, VK_MENU, '1'}},
    {L"N3x3Average1", {VK_CONTROL, VK_MENU, '3'}},
    {L"N5x5Average1", {VK_CONTROL, VK_MENU, '5'}},
    {L"UndoColorChange1", {VK_CONTROL, 'Z'}},
    {L"RedoColorchange1", {VK_CONTROL, VK_MENU, 'Z'}},
    {L"ShowHelpfile1", {VK_F1}},
    {L"Exit1", {VK_MENU, VK_F4}},
};

void CollectShortcutItems(const MenuItem& parent, std::set<std::wstring>& names) {
  for (const auto& item : parent.Items()) {
    if (!item->Key.Empty()) names.insert(item->Name());
    CollectShortcutItems(*item, names);
  }
}

class ShortcutTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    Application::Instance().SetMainForm(window_.get());
    window_->Show();
    // Each item tells that it was reached, and does nothing else.
    for (const ShortcutCase& shortcut : kShortcuts) {
      window_->FindMenuItem(shortcut.item)->OnClick = [this](MenuItem& item) {
        reached_.push_back(item.Name());
      };
    }
  }
  void TearDown() override {
    Application::Instance().SetMainForm(nullptr);
    window_.reset();
  }
  // Lets the program's own loop, with its shortcut translation, run.
  bool RunUntil(const std::function<bool()>& condition) {
    return WaitUntil([&] {
      Application::Instance().ProcessMessages();
      return condition();
    });
  }
  // The keys as a driver would put them in, for the focused window.
  static void Press(const std::vector<WORD>& keys) {
    std::vector<INPUT> input;
    for (WORD key : keys) input.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
      input.push_back({INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
  }
  // The same key as a message to the main window with the modifiers held,
  // whether or not the window has the keyboard.
  void Post(const std::vector<WORD>& keys) {
    BYTE state[256] = {};
    for (size_t i = 0; i + 1 < keys.size(); ++i) state[keys[i]] = 0x80;
    SetKeyboardState(state);
    const bool altOnly = keys.size() == 2 && keys[0] == VK_MENU;
    PostMessageW(window_->Handle(), altOnly ? WM_SYSKEYDOWN : WM_KEYDOWN, keys.back(), 0);
    Application::Instance().ProcessMessages();
    const BYTE released[256] = {};
    SetKeyboardState(const_cast<BYTE*>(released));
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
  std::vector<std::wstring> reached_;
};

TEST_F(ShortcutTest, TheTableHoldsEveryShortcutOfTheMainMenu) {
  std::set<std::wstring> withKeys;
  CollectShortcutItems(window_->Popup->Items(), withKeys);
  std::set<std::wstring> tested;
  for (const ShortcutCase& shortcut : kShortcuts) tested.insert(shortcut.item);
  EXPECT_EQ(withKeys, tested);
}

TEST_F(ShortcutTest, EachKeyReachesItsItemFromAControlInTheWindow) {
  SetForegroundWindow(window_->Handle());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window_->Handle(); }));
  // Keys go first to the focused control; the window's menu still has them.
  SetFocus(window_->CodeBox().CodeEdit().Handle());
  for (const ShortcutCase& shortcut : kShortcuts) {
    SCOPED_TRACE(win::Narrow(shortcut.item));
    reached_.clear();
    Press(shortcut.keys);
    EXPECT_TRUE(RunUntil([&] { return !reached_.empty(); }));
    EXPECT_EQ(reached_, std::vector<std::wstring>{shortcut.item});
  }
}

TEST_F(ShortcutTest, NoKeyWorksWhileTheProgramIsHiddenToTheTray) {
  for (const ShortcutCase& shortcut : kShortcuts) Post(shortcut.keys);
  ASSERT_EQ(reached_.size(), std::size(kShortcuts)) << "shown, the same keys work";
  reached_.clear();
  window_->Tray().HideProgram();
  for (const ShortcutCase& shortcut : kShortcuts) Post(shortcut.keys);
  EXPECT_TRUE(reached_.empty());
}

}  // namespace
}  // namespace tw::test

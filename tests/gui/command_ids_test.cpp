// Every menu command answers WM_COMMAND with its fixed id, whichever menu
// it lives in, as other programs and automation tools send it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "test_support.h"
#include "win/platform/text.h"
#include "win/window/command_ids.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::MainWindow;
using win::MenuItem;

class Commands : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Show();
  }
  MainWindow& W() { return *window_; }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

struct CommandCase {
  const wchar_t* item;  // an item of the menu the command is taken from
  UINT command;
  std::function<bool(MainWindow&)> done;
};

TEST_F(Commands, ACommandOfEachMenuRunsWhenItsIdIsPosted) {
  const CommandCase cases[] = {
      {L"AlwaysonTop1", win::kAlwaysOnTopCommand,
       [](MainWindow& w) { return w.Layout().StaysOnTop(); }},
      {L"Medium1", win::kMediumLayoutCommand,
       [](MainWindow& w) { return w.Layout().Current() == kMediumLayout; }},
      {L"SortbyHue1_copy", win::kFirstSortCommand + SortByHue,
       [](MainWindow& w) { return w.Names().SortOrder() == SortByHue; }},
      {L"Showonlyhtmlcolors", win::kHtmlOnlyCommand,
       [](MainWindow& w) { return w.Names().HtmlOnly(); }},
      {L"setTextcolortoBlack1", win::kBlackTextCommand,
       [](MainWindow& w) { return w.Frame().TextColor() == 0; }},
      // Without a slot that opened the menu, the first one is meant.
      {L"SaveColorHere1", win::kStoreInSlotCommand,
       [](MainWindow& w) { return w.Slots().Slot(0).Color() == w.Current().Value(); }},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(win::Narrow(c.item));
    ASSERT_EQ(W().FindMenuItem(c.item)->Id(), c.command);
    ASSERT_FALSE(c.done(W())) << "already so before the command";
    PostMessageW(W().Handle(), WM_COMMAND, MAKEWPARAM(c.command, 0), 0);
    EXPECT_TRUE(WaitUntil([&] { return c.done(W()); }));
  }
}

// A command's id never comes from the order in which the menus were built:
// every item that runs a command has an id of the fixed range, and an id
// shared by two items is one command under one caption.
void CollectCommands(const MenuItem& parent, std::map<UINT, std::wstring>& captions) {
  for (const auto& item : parent.Items()) {
    if (!item->Items().empty()) {
      CollectCommands(*item, captions);
      continue;
    }
    if (item->IsSeparator()) continue;
    const UINT id = item->Id();
    EXPECT_TRUE(id == win::kExitCommand ||
                (id >= win::kAlwaysOnTopCommand && id <= win::kLastCommand))
        << win::Narrow(item->Name());
    const auto [known, added] = captions.emplace(id, item->Caption);
    EXPECT_TRUE(added || known->second == item->Caption) << win::Narrow(item->Name());
  }
}

TEST_F(Commands, EveryCommandHasAFixedIdOfItsOwn) {
  std::map<UINT, std::wstring> captions;
  for (const wchar_t* menu : {L"pupMain", L"pupColorPanel", L"pupPalette", L"mnuClosestColor"}) {
    SCOPED_TRACE(win::Narrow(menu));
    const MenuItem* root = W().FindMenuItem(menu);
    ASSERT_NE(root, nullptr);
    CollectCommands(*root, captions);
  }
  EXPECT_EQ(captions.size(), 76u) << "commands in all four menus";
}

}  // namespace
}  // namespace tw::test

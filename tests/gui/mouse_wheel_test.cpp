// The mouse wheel over the real window's controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <algorithm>
#include <memory>

#include "core/names/color_tables.h"
#include "test_support.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Channel;
using win::MainWindow;

class MouseWheel : public testing::Test {
 protected:
  // A fresh window with no settings of an earlier one.
  void SetUp() override {
    window_.reset();
    std::filesystem::remove(folder_.Path() / L"Tintwright.ini");
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Show();
  }
  MainWindow& W() { return *window_; }

  // One notch of the wheel with the pointer over `target`, delivered as the
  // window system delivers it: to the control with the keyboard focus.
  void Turn(const win::Control& target, bool up, HWND focus = nullptr) {
    RECT r;
    GetWindowRect(target.Handle(), &r);
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ASSERT_TRUE(MovePointerTo(centre));
    ASSERT_EQ(WindowFromPoint(centre), target.Handle())
        << "the pointer is not over " << win::Narrow(target.Name());
    const HWND receiver = focus ? focus : target.Handle();
    SendMessageW(receiver, WM_MOUSEWHEEL, MAKEWPARAM(0, up ? WHEEL_DELTA : -WHEEL_DELTA),
                 MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

struct StepCase {
  const char* what;
  std::function<win::Control&(MainWindow&)> control;
  std::function<void(MainWindow&)> prepare;
  bool up;
  std::function<std::wstring(MainWindow&)> read;
  std::wstring expected;
};

win::Edit& Box(MainWindow& w, Channel channel) { return w.Editor().Box(channel); }
win::ScrollBar& Bar(MainWindow& w, Channel channel) { return w.Editor().Bar(channel); }
std::wstring BarText(MainWindow& w, Channel channel) {
  return std::to_wstring(Bar(w, channel).Position());
}
std::wstring CodeText(MainWindow& w) { return w.CodeBox().CodeEdit().Text(); }
void Nothing(MainWindow&) {}

// The window starts at (65, 105, 225), hue 225, saturation 181, value 225.
const StepCase kSteps[] = {
    {"red bar up", [](MainWindow& w) -> win::Control& { return Bar(w, Channel::kRed); }, Nothing,
     true, [](MainWindow& w) { return Box(w, Channel::kRed).Text(); }, L"66"},
    {"red bar at 255 up", [](MainWindow& w) -> win::Control& { return Bar(w, Channel::kRed); },
     [](MainWindow& w) { w.Current().Set(MakeColor(255, 0, 0), false); }, true,
     [](MainWindow& w) { return BarText(w, Channel::kRed); }, L"255"},
    {"hue bar up to 360", [](MainWindow& w) -> win::Control& { return Bar(w, Channel::kHue); },
     [](MainWindow& w) { Bar(w, Channel::kHue).SetPosition(359); }, true,
     [](MainWindow& w) { return BarText(w, Channel::kHue); }, L"360"},
    {"value bar down", [](MainWindow& w) -> win::Control& { return Bar(w, Channel::kValue); },
     Nothing, false, [](MainWindow& w) { return CodeText(w); }, L"#4169E0"},
    {"green box down", [](MainWindow& w) -> win::Control& { return Box(w, Channel::kGreen); },
     Nothing, false, [](MainWindow& w) { return CodeText(w); }, L"#4168E1"},
    {"hue box past 255 up", [](MainWindow& w) -> win::Control& { return Box(w, Channel::kHue); },
     [](MainWindow& w) { Box(w, Channel::kHue).SetText(L"300"); }, true,
     [](MainWindow& w) { return Box(w, Channel::kHue).Text(); }, L"301"},
    {"hue box at 360 up", [](MainWindow& w) -> win::Control& { return Box(w, Channel::kHue); },
     [](MainWindow& w) { Box(w, Channel::kHue).SetText(L"360"); }, true,
     [](MainWindow& w) { return Box(w, Channel::kHue).Text(); }, L"360"},
    {"saturation box at 255 up",
     [](MainWindow& w) -> win::Control& { return Box(w, Channel::kSaturation); },
     [](MainWindow& w) { Box(w, Channel::kSaturation).SetText(L"255"); }, true,
     [](MainWindow& w) { return Box(w, Channel::kSaturation).Text(); }, L"255"},
    {"blue box at 0 down", [](MainWindow& w) -> win::Control& { return Box(w, Channel::kBlue); },
     [](MainWindow& w) { Box(w, Channel::kBlue).SetText(L"0"); }, false,
     [](MainWindow& w) { return Box(w, Channel::kBlue).Text(); }, L"0"},
    {"empty box up", [](MainWindow& w) -> win::Control& { return Box(w, Channel::kRed); },
     [](MainWindow& w) { Box(w, Channel::kRed).SetText(L""); }, true,
     [](MainWindow& w) { return Box(w, Channel::kRed).Text(); }, L""},
    {"HTML code up", [](MainWindow& w) -> win::Control& { return w.CodeBox().CodeEdit(); }, Nothing,
     true, CodeText, L"#4169E1"},
    {"Delphi code down", [](MainWindow& w) -> win::Control& { return w.CodeBox().CodeEdit(); },
     [](MainWindow& w) { w.FindMenuItem(L"DelphiHex1")->Click(); }, false, CodeText,
     L"14772544"},  // $00E16941 - 1
    {"notation list down",
     [](MainWindow& w) -> win::Control& { return w.CodeBox().NotationList(); }, Nothing, false,
     CodeText, L"$00E16941"},
    {"notation list at its first item up",
     [](MainWindow& w) -> win::Control& { return w.CodeBox().NotationList(); }, Nothing, true,
     CodeText, L"#4169E1"},
    {"zoom list at its last item down",
     [](MainWindow& w) -> win::Control& { return w.Magnifier().ZoomList(); },
     [](MainWindow& w) { w.Magnifier().ZoomList().SetItemIndex(19); }, false,
     [](MainWindow& w) { return std::to_wstring(w.Magnifier().ZoomList().ItemIndex()); }, L"19"},
    {"zoom list up", [](MainWindow& w) -> win::Control& { return w.Magnifier().ZoomList(); },
     Nothing, true,
     [](MainWindow& w) { return std::to_wstring(w.Magnifier().ZoomList().ItemIndex()); }, L"3"},
    {"a label", [](MainWindow& w) -> win::Control& { return *w.FindControl(L"lblRed"); }, Nothing,
     true, CodeText, L"#4169E1"},
};

TEST_F(MouseWheel, StepsTheControlUnderThePointerByOne) {
  for (const StepCase& step : kSteps) {
    SCOPED_TRACE(step.what);
    SetUp();
    step.prepare(W());
    ASSERT_NO_FATAL_FAILURE(Turn(step.control(W()), step.up));
    EXPECT_EQ(step.read(W()), step.expected);
  }
}

TEST_F(MouseWheel, ActsOnThePointersControlNotOnTheFocusedOne) {
  win::ComboBox& notations = W().CodeBox().NotationList();
  SetFocus(notations.Handle());
  ASSERT_NO_FATAL_FAILURE(
      Turn(Bar(W(), Channel::kBlue), false, notations.Handle()));  // reaches the focused list
  EXPECT_EQ(notations.ItemIndex(), 0) << "the focused list does not scroll";
  EXPECT_EQ(Bar(W(), Channel::kBlue).Position(), 224);
  EXPECT_EQ(W().Current().Value(), MakeColor(65, 105, 224));
}

TEST_F(MouseWheel, TheNamedColorListTakesTheNextNameWithUndo) {
  win::ComboBox& names = W().Names().List();
  const int selected = names.ItemIndex();
  ASSERT_GE(selected, 0) << "the start color has a name";
  const int depth = W().Current().History().UndoDepth();
  ASSERT_NO_FATAL_FAILURE(Turn(names, false));
  EXPECT_EQ(names.ItemIndex(), selected + 1);
  EXPECT_EQ(W().Current().Value(), W().Names().Entries()[static_cast<size_t>(selected + 1)].value);
  EXPECT_EQ(W().Current().History().UndoDepth(), depth + 1);
}

TEST_F(MouseWheel, TheNamedColorListWithoutASelectionStaysSo) {
  // A color that no entry of either table has.
  TColor unnamed = MakeColor(1, 2, 4);
  while (std::any_of(ColorNameTable().begin(), ColorNameTable().end(),
                     [&](const NamedColor& entry) { return entry.value == unnamed; })) {
    unnamed += 0x010203;
  }
  W().Current().Set(unnamed, false);
  win::ComboBox& names = W().Names().List();
  ASSERT_EQ(names.ItemIndex(), -1);
  for (bool up : {true, false}) {
    ASSERT_NO_FATAL_FAILURE(Turn(names, up));
    EXPECT_EQ(names.ItemIndex(), -1);
    EXPECT_EQ(W().Current().Value(), unnamed);
  }
}

}  // namespace
}  // namespace tw::test

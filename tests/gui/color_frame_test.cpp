// The color frame's text: shown or not, its color and its font.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <utility>

#include "test_support.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::MainWindow;

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0;

class ColorFrameText : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Show();
  }
  MainWindow& W() { return *window_; }
  void Click(const wchar_t* item) { W().FindMenuItem(item)->Click(); }
  TColor TextColor() { return W().Frame().TextColor(); }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(ColorFrameText, CommandsSetTheTextColorOnceForTheBackgroundOfThatMoment) {
  Click(L"setTextColortoContrastColor1");
  EXPECT_EQ(TextColor(), kWhite) << "on (65, 105, 225)";
  W().Current().Set(MakeColor(255, 255, 0), true);
  EXPECT_EQ(TextColor(), kWhite) << "the text does not follow the background by itself";
  Click(L"setTextColortoContrastColor1");
  EXPECT_EQ(TextColor(), kBlack);
  W().Current().Set(MakeColor(65, 105, 225), true);
  Click(L"setTextcolortotheinverseoftheBGcolor1");
  EXPECT_EQ(TextColor(), MakeColor(190, 150, 30));
  Click(L"setTextcolortoWhite1");
  EXPECT_EQ(TextColor(), kWhite);
  Click(L"setTextcolortoBlack1");
  EXPECT_EQ(TextColor(), kBlack);
}

TEST_F(ColorFrameText, BothTextItemsAgreeAndHidingTheTextDisablesSetAsTextColor) {
  for (const wchar_t* item : {L"UseTextinColorFrame1", L"UseText"}) {
    SCOPED_TRACE(item);
    Click(item);
    EXPECT_FALSE(W().FindMenuItem(L"UseText")->Checked);
    EXPECT_FALSE(W().FindMenuItem(L"UseTextinColorFrame1")->Checked);
    EXPECT_FALSE(W().FindMenuItem(L"SetasTextColor1")->Enabled);
    EXPECT_EQ(W().Frame().Swatch().Caption(), L"");
    Click(item);
    EXPECT_TRUE(W().FindMenuItem(L"UseText")->Checked);
    EXPECT_TRUE(W().FindMenuItem(L"UseTextinColorFrame1")->Checked);
    EXPECT_TRUE(W().FindMenuItem(L"SetasTextColor1")->Enabled);
    EXPECT_EQ(W().Frame().Swatch().Caption(), L"Tintwright");
  }
}

TEST_F(ColorFrameText, AColorSetWhileTheTextIsHiddenIsUsedWhenItComesBack) {
  Click(L"UseText");
  Click(L"setTextcolortoWhite1");
  Click(L"UseText");
  EXPECT_EQ(TextColor(), kWhite);
  EXPECT_EQ(W().Frame().Swatch().Caption(), L"Tintwright");
}

TEST_F(ColorFrameText, TheFrameOpensItsOwnMenu) {
  EXPECT_EQ(W().Frame().Swatch().Popup, &W().Frame().Menu());
  EXPECT_EQ(W().Frame().Menu().Name(), L"pupColorPanel");
}

// Answers the font dialog as a user who picks a face and a size and confirms.
class FontDialogAnswerer {
 public:
  FontDialogAnswerer(const wchar_t* face, const wchar_t* size)
      : thread_([this, face, size] {
          HWND dialog = nullptr;
          WaitUntil([&] {
            return stop_ || (dialog = FindProcessWindow(GetCurrentProcessId(), L"#32770")) &&
                                IsWindowVisible(dialog);
          });
          if (!dialog || stop_) return;
          // The face and size combo boxes of the standard font dialog.
          constexpr int kFaceBox = 0x470;
          constexpr int kSizeBox = 0x472;
          for (const auto& [box, text] : {std::pair{kFaceBox, face}, std::pair{kSizeBox, size}}) {
            SendDlgItemMessageW(dialog, box, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(text));
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(box, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, box)));
          }
          PressOk(dialog);
          answered_ = true;
        }) {}
  ~FontDialogAnswerer() {
    stop_ = true;
    thread_.join();
  }
  bool Answered() const { return answered_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> answered_{false};
  std::thread thread_;
};

TEST_F(ColorFrameText, ChangeFontTakesTheDialogsFont) {
  const LOGFONTW before = W().Frame().TextFont();
  {
    FontDialogAnswerer answerer(L"Tahoma", L"24");
    Click(L"ChangeFont1");
    ASSERT_TRUE(answerer.Answered());
  }
  const LOGFONTW after = W().Frame().TextFont();
  EXPECT_NE(after.lfHeight, before.lfHeight);
  EXPECT_EQ(std::wstring(after.lfFaceName), L"Tahoma");
}

}  // namespace
}  // namespace tw::test

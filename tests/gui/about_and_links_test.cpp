// The About box, the readme, the help file and the web-site command of the
// real main window's menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "dialog_support.h"
#include "test_support.h"
#include "win/platform/files.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::AboutBox;
using win::MainWindow;

class AboutAndLinksTest : public testing::Test {
 protected:
  MainWindow& Create(bool openerSucceeds = true) {
    opened_ = std::make_unique<ShellOpenRecorder>(openerSucceeds);
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Information().SetMaker({L"www.maker.example", L"help@maker.example"});
    window_->Information().SetShellOpener(opened_->Opener());
    return *window_;
  }
  win::MenuItem& AboutItem() { return *window_->FindMenuItem(L"AboutTintwright1"); }
  // Opens the About box from the menu, runs `whileOpen` in it, then OK.
  void WithAboutBox(const std::function<void(AboutBox&, HWND)>& whileOpen) {
    WhenWindowShows watcher(L"TfrmAbout", [&](HWND window) {
      AboutBox& box = *window_->Information().ShownAboutBox();
      whileOpen(box, window);
      ClickWindow(box.OkButton().Handle());
    });
    AboutItem().Click();
    EXPECT_TRUE(watcher.Ran());
    EXPECT_EQ(window_->Information().ShownAboutBox(), nullptr);
  }

  TempFolder folder_;
  std::unique_ptr<ShellOpenRecorder> opened_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(AboutAndLinksTest, AboutBoxShowsTheRunningVersionAndDisablesItsItemWhileOpen) {
  MainWindow& window = Create();
  window.Show();
  std::wstring caption;
  RECT client{};
  std::wstring name;
  bool itemEnabled = true;
  COLORREF background = 0;
  bool pictures = false;
  WithAboutBox([&](AboutBox& box, HWND handle) {
    caption = WindowText(handle);
    GetClientRect(handle, &client);
    name = box.NameLabel().Caption();
    itemEnabled = AboutItem().Enabled;
    UpdateWindow(handle);
    background = ScreenPixel(handle, {500, 10});
    pictures = box.Logo().HasPicture() && box.ProgramIcon().HasPicture();
  });
  EXPECT_EQ(caption, L"About Tintwright");
  EXPECT_EQ(client.right, 514);
  EXPECT_EQ(client.bottom, 216);
  EXPECT_EQ(name, L"Tintwright " + window.Version());
  EXPECT_EQ(name, L"Tintwright 1.0");
  EXPECT_EQ(background, RGB(255, 245, 133));
  EXPECT_TRUE(pictures);
  EXPECT_FALSE(itemEnabled);
  EXPECT_TRUE(AboutItem().Enabled);
  EXPECT_TRUE(opened_->Requests().empty());
}

TEST_F(AboutAndLinksTest, EscapeAndTheCloseBoxCloseTheAboutBoxToo) {
  Create();
  for (UINT close : {WM_CLOSE, WM_KEYDOWN}) {
    WhenWindowShows watcher(L"TfrmAbout", [&](HWND window) {
      if (close == WM_CLOSE) {
        PostMessageW(window, WM_CLOSE, 0, 0);
      } else {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
      }
    });
    AboutItem().Click();
    EXPECT_TRUE(watcher.Ran());
    EXPECT_TRUE(AboutItem().Enabled);
  }
}

TEST_F(AboutAndLinksTest, TheAddressLinksOpenTheirHints) {
  Create();
  std::wstring emailHint;
  std::wstring siteText;
  WithAboutBox([&](AboutBox& box, HWND) {
    emailHint = box.EmailLink().Hint();
    siteText = box.WebSiteLink().Caption();
    ClickWindow(box.EmailLink().Handle());
    ClickWindow(box.WebSiteLink().Handle());
  });
  EXPECT_EQ(emailHint, L"mailto:help@maker.example");
  EXPECT_EQ(siteText, L"www.maker.example");
  const auto& requests = opened_->Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].target, L"mailto:help@maker.example");
  EXPECT_EQ(requests[1].target, L"http://www.maker.example/");
}

TEST_F(AboutAndLinksTest, ViewReadmeOpensTheReadmeBesideTheProgram) {
  Create();
  HWND box = nullptr;
  DialogAnswerer answerer;
  WithAboutBox([&](AboutBox& about, HWND handle) {
    box = handle;
    ClickWindow(about.ReadmeButton().Handle());
  });
  ASSERT_EQ(opened_->Requests().size(), 1u);
  EXPECT_EQ(opened_->Requests()[0].target, win::PathBesideProgram(L"readme.txt"));
  EXPECT_EQ(opened_->Requests()[0].owner, box);
  EXPECT_TRUE(answerer.Seen().empty());
}

TEST_F(AboutAndLinksTest, ViewReadmeWithoutTheFileWarnsWithItsPath) {
  Create();
  // The desktop's own "open", which finds no file there.
  window_->Information().SetShellOpener(win::ShellOpen);
  const std::wstring readme = win::PathBesideProgram(L"readme.txt");
  ASSERT_FALSE(std::filesystem::exists(readme)) << "this test needs no readme beside it";
  DialogAnswerer answerer;
  WithAboutBox([&](AboutBox& box, HWND) {
    ClickWindow(box.ReadmeButton().Handle());
    // The warning is answered while the box still shows.
    EXPECT_EQ(answerer.Seen().size(), 1u);
  });
  const std::vector<MessageBoxSeen> seen = answerer.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, L"Warning");
  EXPECT_EQ(seen[0].text, L"The following link is invalid :\n\r" + readme);
}

TEST_F(AboutAndLinksTest, ShowHelpfileHandsTheViewerTheHelpFilesPathQuoted) {
  MainWindow& window = Create();
  window.FindMenuItem(L"ShowHelpfile1")->Click();
  ASSERT_EQ(opened_->Requests().size(), 1u);
  const win::ShellOpenRequest& request = opened_->Requests()[0];
  EXPECT_EQ(request.owner, window.Handle());
  EXPECT_EQ(request.target, L"hh.exe");
  // Quoted whole, so that a folder with blanks reaches the viewer as one path.
  EXPECT_EQ(request.parameters, L"\"" + win::PathBesideProgram(L"Tintwright.chm") + L"\"");
}

TEST_F(AboutAndLinksTest, TheWebSiteCommandOpensTheSiteOrWarns) {
  for (bool desktopOpensIt : {true, false}) {
    SCOPED_TRACE(desktopOpensIt ? "opened" : "refused");
    Create(desktopOpensIt);
    DialogAnswerer answerer;
    window_->FindMenuItem(L"VisitQuillfenSoftwareWebsite1")->Click();
    ASSERT_EQ(opened_->Requests().size(), 1u);
    EXPECT_EQ(opened_->Requests()[0].target, L"http://www.maker.example/");
    EXPECT_EQ(opened_->Requests()[0].owner, nullptr);
    const std::vector<MessageBoxSeen> seen = answerer.Seen();
    if (desktopOpensIt) {
      EXPECT_TRUE(seen.empty());
    } else {
      ASSERT_EQ(seen.size(), 1u);
      EXPECT_EQ(seen[0].caption, L"Warning");
      EXPECT_EQ(seen[0].text, L"The following link is invalid :\n\rhttp://www.maker.example/");
    }
  }
}

}  // namespace
}  // namespace tw::test

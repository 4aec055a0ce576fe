// The version check against a real HTTP server on 127.0.0.1, driven through
// the real main window's menu item.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dialog_support.h"
#include "loopback_http_server.h"
#include "test_support.h"
#include "win/platform/text.h"
#include "win/widgets/menu.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::MainWindow;
using win::UpdateDialog;

constexpr wchar_t kNoConnection[] =
    L"Cannot connect to the internet.  Please check your connection.";

std::string VersionFile(const std::string& version) {
  return "<html><head>\r\n<meta name=\"Version\" content=\"" + version +
         "\">\r\n<meta name=\"whatsnew1\" content=\"Faster wheel\">\r\n<meta "
         "name=\"whatsnew2\" content=\"Named grays\">\r\n<meta name=\"whatsnew4\" "
         "content=\"Fixes\">\r\n</head></html>\r\n";
}

// What the update dialog showed while it was open.
struct DialogSeen {
  std::wstring caption;
  RECT client{};
  int outerHeight = 0;
  int okBottomGap = 0;  // from OK's bottom edge to the client area's
  std::wstring current;
  std::wstring latest;
  std::wstring outcome;
  bool newsShown = false;
  std::wstring news;
  bool linkShown = false;
  bool checkItemEnabled = true;
};

class UpdateCheckTest : public testing::Test {
 protected:
  MainWindow& Create(const std::wstring& host) {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Information().SetMaker({host, L"support@test.example"});
    window_->Information().SetShellOpener(opened_.Opener());
    return *window_;
  }
  win::MenuItem& CheckItem() { return *window_->FindMenuItem(L"mnuCheckUpdate"); }
  bool CheckDone() {
    return !window_->Information().CheckRunning() &&
           window_->Information().ShownUpdateDialog() == nullptr;
  }
  // Reads the dialog while it shows; `whileOpen` runs before OK is pressed.
  DialogSeen CheckAndReadDialog(const std::function<void(UpdateDialog&)>& whileOpen = {}) {
    DialogSeen seen;
    WhenWindowShows reader(L"TfrmCheckUpdate", [&](HWND window) {
      UpdateDialog& dialog = *window_->Information().ShownUpdateDialog();
      seen.caption = WindowText(window);
      GetClientRect(window, &seen.client);
      seen.outerHeight = dialog.OuterSize().cy;
      const win::Rect ok = dialog.OkButton().Bounds();
      seen.okBottomGap = seen.client.bottom - (ok.top + ok.height);
      seen.current = dialog.CurrentVersionLabel().Caption();
      seen.latest = dialog.LatestVersionLabel().Caption();
      seen.outcome = dialog.OutcomeLabel().Caption();
      seen.newsShown = IsWindowVisible(dialog.NewsCaption().Handle()) &&
                       IsWindowVisible(dialog.NewsLabel().Handle());
      seen.news = dialog.NewsLabel().Caption();
      seen.linkShown = IsWindowVisible(dialog.DownloadLink().Handle());
      seen.checkItemEnabled = CheckItem().Enabled;
      if (whileOpen) whileOpen(dialog);
      ClickWindow(dialog.OkButton().Handle());
    });
    CheckItem().Click();
    EXPECT_TRUE(WaitUntil([&] { return reader.Ran() && CheckDone(); }, 30s));
    return seen;
  }

  TempFolder folder_;
  ShellOpenRecorder opened_;
  std::unique_ptr<MainWindow> window_;
};

struct OutcomeCase {
  const char* latest;
  const wchar_t* outcome;
  bool upgrade;
};

const OutcomeCase kOutcomeCases[] = {
    {"1.1", L"Minor upgrade found", true},
    {"1.10", L"Minor upgrade found", true},
    {"2.0", L"Major upgrade found", true},
    {"1.0", L"You are already using the latest version.", false},
    {"0.9", L"You are already using the latest version.", false},
    {"1.2.1", L"You are already using the latest version.", false},  // minor "2.1" reads 0
};

TEST_F(UpdateCheckTest, TheDialogShowsTheOutcomeForEachLatestVersion) {
  for (const OutcomeCase& c : kOutcomeCases) {
    SCOPED_TRACE(c.latest);
    LoopbackHttpServer server(HttpAnswer(200, "OK", VersionFile(c.latest)));
    MainWindow& window = Create(server.Host());
    ASSERT_EQ(window.Version(), L"1.0");
    const DialogSeen seen = CheckAndReadDialog();
    EXPECT_EQ(seen.caption, L"Check For Tintwright Update");
    EXPECT_EQ(seen.current, L"You are currently using version 1.0");
    EXPECT_EQ(seen.latest, win::Widen(c.latest));
    EXPECT_EQ(seen.outcome, c.outcome);
    EXPECT_EQ(seen.newsShown, c.upgrade);
    EXPECT_EQ(seen.linkShown, c.upgrade);
    // The news is filled even when it stays hidden; whatsnew3 is missing.
    EXPECT_EQ(seen.news, L"Faster wheel\r\nNamed grays\r\n\r\nFixes\r\n");
    if (c.upgrade) {
      EXPECT_EQ(seen.client.right, 415);
      EXPECT_EQ(seen.client.bottom, 202);
    } else {
      EXPECT_EQ(seen.outerHeight, 170);
    }
    EXPECT_EQ(seen.okBottomGap, 12) << "OK keeps its distance from the bottom edge";
    EXPECT_FALSE(seen.checkItemEnabled) << "disabled while the dialog is open";
    EXPECT_TRUE(CheckItem().Enabled) << "enabled again when it closes";
    EXPECT_EQ(window.Information().LastCheckFailure(), "");
    const std::vector<std::string> requests = server.RequestHeads();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")),
              "GET /version/tintwright.txt HTTP/1.1");
    EXPECT_NE(requests[0].find("\r\nHost: 127.0.0.1:"), std::string::npos) << requests[0];
    window_.reset();
  }
  EXPECT_TRUE(opened_.Requests().empty());
}

TEST_F(UpdateCheckTest, TheDownloadLinkOpensTheMakersWebSite) {
  LoopbackHttpServer server(HttpAnswer(200, "OK", VersionFile("3.0")));
  Create(server.Host());
  bool linkHot = false;
  CheckAndReadDialog([&](UpdateDialog& dialog) {
    HWND link = dialog.DownloadLink().Handle();
    SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    linkHot = dialog.DownloadLink().Hot();
    ClickWindow(link);
  });
  EXPECT_TRUE(linkHot) << "the link is highlighted under the pointer";
  ASSERT_EQ(opened_.Requests().size(), 1u);
  EXPECT_EQ(opened_.Requests()[0].target, L"http://" + server.Host() + L"/");
  EXPECT_EQ(opened_.Requests()[0].parameters, L"");
}

struct FailureCase {
  const char* description;
  std::string answer;  // from the server; empty: no server at all
  const char* reason;  // a part of the failure's own text
};

const std::string kGoodFile = VersionFile("9.0");
const std::string kLargeFile = kGoodFile + std::string(64 * 1024, ' ');

const FailureCase kFailureCases[] = {
    {"not found, with a good file as the body", HttpAnswer(404, "Not Found", kGoodFile),
     "HTTP status 404"},
    {"server error", HttpAnswer(500, "Internal Server Error", kGoodFile), "HTTP status 500"},
    {"a body over 64 KiB", HttpAnswer(200, "OK", kLargeFile), "too large"},
    {"a page without a version", HttpAnswer(200, "OK", "<html>Moved elsewhere</html>"),
     "incorrect data found"},
    {"no server listening", "", "Cannot open URL http://127.0.0.1:"},
};

TEST_F(UpdateCheckTest, EveryFailureShowsTheOneWarningAndEnablesTheItemAgain) {
  for (const FailureCase& c : kFailureCases) {
    SCOPED_TRACE(c.description);
    std::unique_ptr<LoopbackHttpServer> server;
    if (!c.answer.empty()) server = std::make_unique<LoopbackHttpServer>(c.answer);
    Create(server ? server->Host() : LoopbackHttpServer::HostWithoutServer());
    WhenWindowShows noDialog(L"TfrmCheckUpdate",
                             [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); });
    DialogAnswerer answerer;
    CheckItem().Click();
    ASSERT_TRUE(WaitUntil([&] { return CheckDone() && !answerer.Seen().empty(); }, 30s));
    const std::vector<MessageBoxSeen> seen = answerer.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"Warning");
    EXPECT_EQ(seen[0].text, kNoConnection);
    EXPECT_TRUE(CheckItem().Enabled);
    EXPECT_FALSE(noDialog.Ran());
    EXPECT_NE(window_->Information().LastCheckFailure().find(c.reason), std::string::npos)
        << window_->Information().LastCheckFailure();
    window_.reset();
  }
}

TEST_F(UpdateCheckTest, WhileTheServerKeepsSilentTheWindowStaysUsableUntilTheTimeout) {
  LoopbackHttpServer server("");
  MainWindow& window = Create(server.Host());
  window.Show();
  DialogAnswerer answerer;
  CheckItem().Click();
  // The click came back at once: the wait happens elsewhere.
  ASSERT_TRUE(window.Information().CheckRunning());
  EXPECT_FALSE(CheckItem().Enabled);
  ASSERT_TRUE(WaitUntil([&] { return server.RequestHeads().size() == 1; }));
  // The window paints...
  RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  EXPECT_TRUE(WaitUntil([&] { return !GetUpdateRect(window.Handle(), nullptr, FALSE); }));
  // ...and the rest of the menu works: the About box opens and closes.
  bool checkingWhileAboutShown = false;
  WhenWindowShows about(L"TfrmAbout", [&](HWND) {
    checkingWhileAboutShown = window.Information().CheckRunning();
    ClickWindow(window.Information().ShownAboutBox()->OkButton().Handle());
  });
  window.FindMenuItem(L"AboutTintwright1")->Click();
  EXPECT_TRUE(about.Ran());
  EXPECT_TRUE(checkingWhileAboutShown);
  // The timeouts end the wait with the warning.
  ASSERT_TRUE(WaitUntil([&] { return CheckDone() && !answerer.Seen().empty(); }, 60s));
  EXPECT_EQ(answerer.Seen()[0].text, kNoConnection);
  EXPECT_TRUE(CheckItem().Enabled);
  EXPECT_FALSE(window.Information().LastCheckFailure().empty());
}

TEST_F(UpdateCheckTest, ClosingTheWindowDuringACheckEndsTheWorkAndShowsNothing) {
  LoopbackHttpServer server("");
  Create(server.Host());
  DialogAnswerer answerer;
  CheckItem().Click();
  ASSERT_TRUE(WaitUntil([&] { return server.RequestHeads().size() == 1; }));
  // Waits for the worker, which the timeouts end; its result has nowhere
  // to go then.
  window_.reset();
  EXPECT_TRUE(answerer.Seen().empty());
}

}  // namespace
}  // namespace tw::test

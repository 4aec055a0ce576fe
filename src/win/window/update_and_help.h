#pragma once

#include <memory>
#include <optional>
#include <string>

#include "win/dialogs/about_box.h"
#include "win/dialogs/maker.h"
#include "win/dialogs/update_dialog.h"
#include "win/platform/background_job.h"
#include "win/platform/http_fetch.h"
#include "win/platform/shell_open.h"
#include "win/widgets/form.h"
#include "win/widgets/menu.h"

namespace tw::win {

// The main menu's commands about the program itself: the maker's web site,
// the check for a new version, the help file and the About box.
//
// The check fetches the version file on a worker thread, so the window
// keeps painting and the rest of the menu stays usable while it waits; the
// result comes back through the window's message loop. Its menu item stays
// disabled from the click until the result dialog or the warning is done,
// and the About item while the About box shows.
class UpdateAndHelp {
 public:
  // `version` is the window's own "major.minor", read after this is built.
  UpdateAndHelp(Form& window, const std::wstring& version);

  void AddMenuItems(MenuItem& mainMenu);

  // Where the check and the links go: the maker this build knows, unless a
  // test points them at a server of its own.
  const Maker& MakerAddresses() const { return maker_; }
  void SetMaker(Maker maker) { maker_ = std::move(maker); }
  // How documents, links and the help viewer are opened.
  void SetShellOpener(ShellOpener opener) { opener_ = std::move(opener); }

  bool CheckRunning() const { return job_ && !job_->Idle(); }
  // Why the latest check failed; empty after one that succeeded.
  const std::string& LastCheckFailure() const { return lastFailure_; }
  // The dialogs while they show, else null.
  UpdateDialog* ShownUpdateDialog() const { return updateDialog_; }
  AboutBox* ShownAboutBox() const { return aboutBox_; }

 private:
  void OpenWebSite();
  void StartCheck();
  void FinishCheck();
  // The report of the fetched version file; nothing, and the reason in
  // lastFailure_, when there is none.
  std::optional<UpdateReport> ReadFetched();
  void ShowUpdateDialog(const UpdateReport& report);
  void ShowHelp();
  void ShowAbout();

  Form& window_;
  const std::wstring& version_;
  Maker maker_ = BuiltInMaker();
  ShellOpener opener_ = ShellOpen;
  MenuItem* checkItem_ = nullptr;
  MenuItem* aboutItem_ = nullptr;
  std::string lastFailure_;
  UpdateDialog* updateDialog_ = nullptr;
  AboutBox* aboutBox_ = nullptr;
  HttpFetchResult fetched_;  // written by the worker, read once it has ended
  // Made at the first check, so that a start makes no window for it; last,
  // so that the worker ends before what it writes goes.
  std::unique_ptr<BackgroundJob> job_;
};

}  // namespace tw::win

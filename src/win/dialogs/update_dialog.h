#pragma once

#include <windows.h>

#include <string>

#include "core/update/version_compare.h"
#include "win/platform/shell_open.h"
#include "win/widgets/button.h"
#include "win/widgets/label.h"
#include "win/widgets/link_label.h"
#include "win/widgets/modal_form.h"

namespace tw::win {

// What the version check found, as the update dialog shows it.
struct UpdateReport {
  std::wstring runningVersion;
  std::wstring latestVersion;  // exactly as the version file gives it
  UpdateOutcome outcome = UpdateOutcome::kUpToDate;
  std::wstring news;  // four lines, each followed by CR LF
};

// The result of a version check: the running and the latest version, what
// that means, and, when there is something newer, the news and a link to the
// maker's web site. Without an upgrade the dialog is shorter and shows
// neither.
class UpdateDialog : public ModalForm {
 public:
  UpdateDialog(HWND owner, const ShellOpener& opener, std::wstring webSite);

  void ShowReport(const UpdateReport& report);

  const Label& CurrentVersionLabel() const { return *current_; }
  const Label& LatestVersionLabel() const { return *latest_; }
  const Label& OutcomeLabel() const { return *outcome_; }
  const Label& NewsCaption() const { return *newsCaption_; }
  const Label& NewsLabel() const { return *news_; }
  LinkLabel& DownloadLink() { return *download_; }
  Button& OkButton() { return *ok_; }

 private:
  void ShrinkForNoUpgrade();

  Label* current_;
  Label* latest_;
  Label* outcome_;
  Label* newsCaption_;
  Label* news_;
  LinkLabel* download_;
  Button* ok_;
};

}  // namespace tw::win

#include "win/window/update_and_help.h"

#include <exception>
#include <optional>

#include "core/update/version_file.h"
#include "win/dialogs/warnings.h"
#include "win/platform/ansi_codec.h"
#include "win/platform/files.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/design/menus.h"

namespace tw::win {
namespace {

// A version file is a few lines; a few seconds bound a dead or stuck server,
// and the window never waits for it anyway.
constexpr HttpFetchLimits kVersionFileLimits{5000, 10000, 64 * 1024};

constexpr wchar_t kNoConnectionText[] =
    L"Cannot connect to the internet.  Please check your connection.";

}  // namespace

UpdateAndHelp::UpdateAndHelp(Form& window, const std::wstring& version)
    : window_(window), version_(version) {}

void UpdateAndHelp::AddMenuItems(MenuItem& mainMenu) {
  mainMenu.AddSeparator(design::kBeforeWebSiteSeparator);
  mainMenu.Add(design::kWebSiteItem).OnClick = [this](MenuItem&) { OpenWebSite(); };
  checkItem_ = &mainMenu.Add(design::kCheckUpdateItem);
  checkItem_->OnClick = [this](MenuItem&) { StartCheck(); };
  mainMenu.AddSeparator(design::kBeforeHelpSeparator);
  mainMenu.Add(design::kHelpItem).OnClick = [this](MenuItem&) { ShowHelp(); };
  mainMenu.AddSeparator(design::kBeforeAboutSeparator);
  aboutItem_ = &mainMenu.Add(design::kAboutItem);
  aboutItem_->OnClick = [this](MenuItem&) { ShowAbout(); };
}

void UpdateAndHelp::OpenWebSite() {
  const std::wstring site = maker_.WebSite();
  if (!opener_({nullptr, site, L""})) ShowWarning(nullptr, InvalidLinkText(site));
}

void UpdateAndHelp::StartCheck() {
  if (CheckRunning()) return;
  if (!job_) job_ = std::make_unique<BackgroundJob>();
  checkItem_->Enabled = false;
  lastFailure_.clear();
  const std::wstring url = maker_.VersionFileUrl();
  job_->Start(
      [this, url] {
        try {
          fetched_ = FetchHttpBody(url, kVersionFileLimits);
        } catch (const std::exception& error) {
          fetched_ = {false, {}, error.what()};
        }
      },
      [this] { FinishCheck(); });
}

void UpdateAndHelp::FinishCheck() {
  // Runs inside the message window's procedure: nothing may escape.
  try {
    const std::optional<UpdateReport> report = ReadFetched();
    if (!report) {
      checkItem_->Enabled = true;
      ShowWarning(nullptr, kNoConnectionText);
      return;
    }
    ShowUpdateDialog(*report);
  } catch (const std::exception& error) {
    updateDialog_ = nullptr;
    Application::Instance().ShowException(error);
  }
  checkItem_->Enabled = true;
}

std::optional<UpdateReport> UpdateAndHelp::ReadFetched() {
  if (!fetched_.ok) {
    lastFailure_ = fetched_.error;
    return std::nullopt;
  }
  // The file is text in the system's code page.
  const std::optional<VersionFile> file = ReadVersionFile(AnsiCodec().Decode(fetched_.body));
  if (!file) {
    lastFailure_ = "incorrect data found";
    return std::nullopt;
  }
  return UpdateReport{version_, Widen(file->latestVersion),
                      CompareWithRunningVersion(Narrow(version_), file->latestVersion),
                      Widen(NewsText(*file))};
}

void UpdateAndHelp::ShowUpdateDialog(const UpdateReport& report) {
  UpdateDialog dialog(window_.Handle(), opener_, maker_.WebSite());
  dialog.ShowReport(report);
  updateDialog_ = &dialog;
  dialog.ShowModal(&dialog.OkButton());
  updateDialog_ = nullptr;
}

void UpdateAndHelp::ShowHelp() {
  // Quoted, so that a program folder with blanks reaches the viewer whole.
  const std::wstring helpFile = PathBesideProgram(Application::Instance().HelpFile());
  opener_({window_.Handle(), L"hh.exe", L"\"" + helpFile + L"\""});  // the viewer reports its own
}

void UpdateAndHelp::ShowAbout() {
  AboutBox box(window_.Handle(), version_, maker_, opener_);
  aboutItem_->Enabled = false;
  aboutBox_ = &box;
  box.ShowModal(&box.OkButton());
  aboutBox_ = nullptr;
  aboutItem_->Enabled = true;
}

}  // namespace tw::win

#include "win/dialogs/update_dialog.h"

#include "win/platform/font_description.h"
#include "win/platform/icon_title_font.h"

namespace tw::win {
namespace {

constexpr TColor kHighlightColor = static_cast<TColor>(0xFF00000D);
constexpr int kShortOuterHeight = 170;  // at 96 dpi, without the news and the link

Form::Design DialogDesign(HWND owner) {
  return {L"TfrmCheckUpdate",
          L"Check For Tintwright Update",
          415,
          202,
          kButtonFaceColor,
          WS_POPUP | WS_CAPTION | WS_SYSMENU,
          owner,
          L"Segoe UI",
          -12};
}

const ControlDesign<Label> kCurrentLabel{L"lblCurrent",
                                         {24, 16, L"You are currently using version"}};
const ControlDesign<Label> kLatestCaption{L"lblLatestVersion",
                                          {24, 40, L"Latest version found online :"}};
const ControlDesign<Label> kLatestLabel{L"lblVersion", {178, 40, L""}};
const ControlDesign<Label> kOutcomeLabel{L"lblText", {24, 64, L""}};
const ControlDesign<Label> kNewsCaption{L"lblnewfeatures", {24, 88, L"New Features"}};
const ControlDesign<Label> kNewsLabel{L"lblFeatures", {104, 88, L""}};
const ControlDesign<LinkLabel> kDownloadLink{
    L"lnkDownload", {24, 153, L"Download new Version", 13, kHighlightColor}};
const ControlDesign<Button> kOkButton{L"btnOK", {{330, 165, 75, 25}, L"OK"}};

const wchar_t* OutcomeText(UpdateOutcome outcome) {
  switch (outcome) {
    case UpdateOutcome::kMajorUpgrade:
      return L"Major upgrade found";
    case UpdateOutcome::kMinorUpgrade:
      return L"Minor upgrade found";
    case UpdateOutcome::kUpToDate:
      break;
  }
  return L"You are already using the latest version.";
}

LOGFONTW LinkFont(const Form& form) {
  return FontDescription(L"MS Sans Serif", -form.Scale(11), FW_BOLD);
}

}  // namespace

UpdateDialog::UpdateDialog(HWND owner, const ShellOpener& opener, std::wstring webSite)
    : ModalForm(L"frmCheckUpdate", DialogDesign(owner)) {
  LOGFONTW font{};
  GetObjectW(Font(), sizeof(font), &font);
  if (ApplyIconTitleFont(font)) SetFormFont(font);
  current_ = &Add(*this, kCurrentLabel);
  Add(*this, kLatestCaption);
  latest_ = &Add(*this, kLatestLabel);
  outcome_ = &Add(*this, kOutcomeLabel);
  newsCaption_ = &Add(*this, kNewsCaption);
  news_ = &Add(*this, kNewsLabel);
  download_ = &Add(*this, kDownloadLink);
  download_->SetOwnFont(LinkFont(*this));
  download_->OnClick = [opener, webSite = std::move(webSite)](LinkLabel&) {
    opener({nullptr, webSite, L""});  // a failure here goes unreported
  };
  ok_ = &Add(*this, kOkButton);
  ok_->OnClick = [this](Button&) { EndModal(IDOK); };
  CenterOnScreen();
}

void UpdateDialog::ShowReport(const UpdateReport& report) {
  current_->SetCaption(current_->Caption() + L" " + report.runningVersion);
  latest_->SetCaption(report.latestVersion);
  outcome_->SetCaption(OutcomeText(report.outcome));
  // Filled even when it stays hidden.
  news_->SetCaption(report.news);
  if (report.outcome == UpdateOutcome::kUpToDate) ShrinkForNoUpgrade();
}

void UpdateDialog::ShrinkForNoUpgrade() {
  download_->SetVisible(false);
  newsCaption_->SetVisible(false);
  news_->SetVisible(false);
  RECT before;
  GetClientRect(Handle(), &before);
  SetOuterSize({OuterSize().cx, Scale(kShortOuterHeight)});
  RECT after;
  GetClientRect(Handle(), &after);
  // OK keeps its distance from the bottom edge.
  const Rect ok = ok_->Bounds();
  ok_->SetBounds({ok.left, ok.top + after.bottom - before.bottom, ok.width, ok.height});
  CenterOnScreen();
}

}  // namespace tw::win

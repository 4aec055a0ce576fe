#include "win/dialogs/about_box.h"

#include "resource_ids.h"
#include "win/dialogs/warnings.h"
#include "win/platform/files.h"
#include "win/platform/font_description.h"
#include "win/widgets/window_class.h"

namespace tw::win {
namespace {

constexpr TColor kAboutColor = 8779263;  // light yellow: red 255, green 245, blue 133
constexpr TColor kLinkColor = 0xFF0000;  // blue
constexpr wchar_t kNotice[] = L"\u00A9 2026 Quillfen Software";

Form::Design BoxDesign(HWND owner) {
  return {L"TfrmAbout", L"About Tintwright", 514,
          216,          kAboutColor,         WS_POPUP | WS_CAPTION | WS_SYSMENU,
          owner,        L"Segoe UI",         -12};
}

const ControlDesign<Image> kLogo{L"imgLogo", {{8, 8, 201, 200}, true}};
const ControlDesign<Image> kIcon{L"Imageicon", {{338, 7, 48, 48}}};
const ControlDesign<Label> kNameLabel{L"lblAppName", {215, 52, L"", false, 291, 35, true}};
const ControlDesign<Label> kNoticeLabel{L"lblDate", {215, 88, kNotice, false, 291, 15, true}};
const ControlDesign<Label> kFreewareLabel{L"lblFreeware",
                                          {215, 104, L"freeware", false, 291, 33, true}};
const ControlDesign<Label> kEmailCaption{L"lblEmail", {299, 138, L"email :", true}};
const ControlDesign<Label> kWebSiteCaption{L"lblWebsite", {298, 154, L"website :", true}};
const ControlDesign<LinkLabel> kEmailLink{L"JvLinkLabel2", {305, 138, L"", 13, kLinkColor}};
const ControlDesign<LinkLabel> kWebSiteLink{L"JvLinkLabel3", {304, 155, L"", 13, kLinkColor}};
const ControlDesign<Button> kReadmeButton{L"btnReadme", {{234, 181, 111, 25}, L"View Readme.txt"}};
const ControlDesign<Button> kOkButton{L"btnOK", {{416, 181, 75, 25}, L"OK"}};

LOGFONTW DesignFont(const Form& form, const wchar_t* face, int height, LONG weight) {
  return FontDescription(face, -form.Scale(height), weight);
}

// Copies a 24-bit bitmap resource into the image's picture.
void LoadPicture(Image& image, int resource) {
  GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, 0)));
  BITMAP size{};
  if (!bitmap || !GetObjectW(bitmap.Get(), sizeof(size), &size)) return;
  const BgrImageView picture = image.Picture(size.bmWidth, size.bmHeight);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 24, BI_RGB};
  MeasuringDC dc;
  GetDIBits(dc.Get(), bitmap.Get(), 0, static_cast<UINT>(size.bmHeight), picture.bits, &info,
            DIB_RGB_COLORS);
  image.Changed();
}

// Draws the program's icon, at the image's size, on the box's color.
void DrawProgramIcon(Image& image, TColor background) {
  const int width = image.Width();
  const int height = image.Height();
  image.Picture(width, height);
  HICON icon =
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon),
                                    IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
  MemoryDC dc(nullptr, image.PictureBitmap());
  const RECT area{0, 0, width, height};
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(background)));
  FillRect(dc.Get(), &area, brush.Get());
  if (icon) {
    DrawIconEx(dc.Get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
  }
  image.Changed();
}

}  // namespace

AboutBox::AboutBox(HWND owner, const std::wstring& version, const Maker& maker,
                   const ShellOpener& opener)
    : ModalForm(L"frmAbout", BoxDesign(owner)), opener_(opener) {
  CreatePictures();
  CreateTexts(version);
  CreateLinks(maker);
  readme_ = &Add(*this, kReadmeButton);
  readme_->OnClick = [this](Button&) { OpenReadme(); };
  ok_ = &Add(*this, kOkButton);
  ok_->OnClick = [this](Button&) { EndModal(IDOK); };
  CenterOnScreen();
}

void AboutBox::CreatePictures() {
  logo_ = &Add(*this, kLogo);
  LoadPicture(*logo_, IDB_ABOUT_LOGO);
  icon_ = &Add(*this, kIcon);
  DrawProgramIcon(*icon_, Color());
}

void AboutBox::CreateTexts(const std::wstring& version) {
  const LOGFONTW title = DesignFont(*this, L"Arial Black", 27, FW_NORMAL);
  name_ = &Add(*this, kNameLabel);
  name_->SetOwnFont(title);
  name_->SetCaption(L"Tintwright " + version);
  notice_ = &Add(*this, kNoticeLabel);
  Add(*this, kFreewareLabel).SetOwnFont(DesignFont(*this, L"Arial Black", 24, FW_NORMAL));
  const LOGFONTW bold = DesignFont(*this, L"Segoe UI", 12, FW_BOLD);
  Add(*this, kEmailCaption).SetOwnFont(bold);
  Add(*this, kWebSiteCaption).SetOwnFont(bold);
}

void AboutBox::CreateLinks(const Maker& maker) {
  const LOGFONTW bold = DesignFont(*this, L"Segoe UI", 12, FW_BOLD);
  // Each link opens its hint: the mail link's "mailto:" address, the site's URL.
  const auto openHint = [this](LinkLabel& link) { opener_({Handle(), link.Hint(), L""}); };
  ControlDesign<LinkLabel> email = kEmailLink;
  email.design.caption = maker.email;
  email_ = &Add(*this, email);
  email_->SetHint(L"mailto:" + maker.email);
  ControlDesign<LinkLabel> webSite = kWebSiteLink;
  webSite.design.caption = maker.host;
  webSite_ = &Add(*this, webSite);
  webSite_->SetHint(maker.WebSite());
  for (LinkLabel* link : {email_, webSite_}) {
    link->SetOwnFont(bold);
    link->OnClick = openHint;
  }
}

void AboutBox::OpenReadme() {
  const std::wstring path = PathBesideProgram(L"readme.txt");
  if (!opener_({Handle(), path, L""})) ShowWarning(Handle(), InvalidLinkText(path));
}

}  // namespace tw::win

#include "win/widgets/label.h"

#include "win/widgets/form.h"

namespace tw::win {

Label::Label(Form& owner, Control& parent, std::wstring name, const Design& design)
    : CustomControl(owner, parent, std::move(name)),
      caption_(design.caption),
      alignRight_(design.alignRight),
      centered_(design.centered),
      autoSize_(design.width == 0),
      anchor_(owner.Scale(design.left)) {
  const int width = autoSize_ ? 1 : design.width;
  const int height = design.height ? design.height : 13;
  CreateCustom(L"TwLabel",
               {alignRight_ ? design.left - width : design.left, design.top, width, height});
}

void Label::SetCaption(std::wstring caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  FitToText();
  InvalidateAll();
}

void Label::SetOwnFont(const LOGFONTW& font) {
  ownFont_.Reset(CreateFontIndirectW(&font));
  UseOwnFont(ownFont_.Get());
}

void Label::FitToText() {
  if (!autoSize_ || !Handle()) return;
  MeasuringDC dc;
  SelectedObject font(dc.Get(), CurrentFont());
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc.Get(), caption_.empty() ? L" " : caption_.c_str(), -1, &measured,
            DT_CALCRECT | DT_NOPREFIX);
  const int width = caption_.empty() ? 0 : measured.right;
  SetBounds({alignRight_ ? anchor_ - width : anchor_, Top(), width, measured.bottom});
}

void Label::Paint(HDC dc, const RECT& client) {
  FillBackground(dc, client, BackgroundColor());
  SelectedObject font(dc, CurrentFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(kWindowTextColor));
  RECT area = client;
  const UINT alignment = centered_ ? DT_CENTER : alignRight_ ? DT_RIGHT : DT_LEFT;
  DrawTextW(dc, caption_.c_str(), -1, &area, alignment | DT_NOPREFIX);
}

}  // namespace tw::win

#include "win/widgets/panel.h"

namespace tw::win {
namespace {

void DrawBevel(HDC dc, RECT& area, Bevel bevel) {
  if (bevel == Bevel::None) return;
  DrawEdge(dc, &area, bevel == Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
           BF_RECT | BF_ADJUST);
}

}  // namespace

Panel::Panel(Form& owner, Control& parent, std::wstring name, const Design& design)
    : CustomControl(owner, parent, std::move(name)),
      color_(design.color),
      outer_(design.outer),
      inner_(design.inner),
      caption_(design.caption),
      fontColor_(kWindowTextColor) {
  CreateCustom(L"TwPanel", design.bounds, CS_DBLCLKS);  // palette slots copy on a double-click
}

Rect Panel::ContentBounds() const {
  // Each bevel is one pixel wide at every resolution, as DrawEdge draws it.
  const int inset = (outer_ != Bevel::None ? 1 : 0) + (inner_ != Bevel::None ? 1 : 0);
  return {inset, inset, Width() - 2 * inset, Height() - 2 * inset};
}

void Panel::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  InvalidateAll();
}

void Panel::SetCaption(std::wstring caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  InvalidateAll();
}

void Panel::SetFontColor(TColor color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  InvalidateAll();
}

void Panel::SetOwnFont(const LOGFONTW& font) {
  ownFont_.Reset(CreateFontIndirectW(&font));
  UseOwnFont(ownFont_.Get());
}

void Panel::Paint(HDC dc, const RECT& client) {
  FillBackground(dc, client, color_);
  RECT area = client;
  DrawBevel(dc, area, outer_);
  DrawBevel(dc, area, inner_);
  if (caption_.empty()) return;
  SelectedObject font(dc, CurrentFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(fontColor_));
  // Centre the whole block of lines vertically, each line horizontally.
  RECT measured = area;
  DrawTextW(dc, caption_.c_str(), -1, &measured,
            DT_CENTER | DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
  const int textHeight = measured.bottom - measured.top;
  area.top += (area.bottom - area.top - textHeight) / 2;
  DrawTextW(dc, caption_.c_str(), -1, &area, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace tw::win

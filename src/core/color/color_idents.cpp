#include "core/color/color_idents.h"

#include <algorithm>
#include <array>

#include "core/text/ascii_case.h"

namespace tw {
namespace {

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | index); }

constexpr std::array<ColorIdent, 52> kColorIdents{{
    {"clBlack", MakeColor(0, 0, 0)},
    {"clMaroon", MakeColor(128, 0, 0)},
    {"clGreen", MakeColor(0, 128, 0)},
    {"clOlive", MakeColor(128, 128, 0)},
    {"clNavy", MakeColor(0, 0, 128)},
    {"clPurple", MakeColor(128, 0, 128)},
    {"clTeal", MakeColor(0, 128, 128)},
    {"clGray", MakeColor(128, 128, 128)},
    {"clSilver", MakeColor(192, 192, 192)},
    {"clRed", MakeColor(255, 0, 0)},
    {"clLime", MakeColor(0, 255, 0)},
    {"clYellow", MakeColor(255, 255, 0)},
    {"clBlue", MakeColor(0, 0, 255)},
    {"clFuchsia", MakeColor(255, 0, 255)},
    {"clAqua", MakeColor(0, 255, 255)},
    {"clWhite", MakeColor(255, 255, 255)},
    {"clMoneyGreen", MakeColor(192, 220, 192)},
    {"clSkyBlue", MakeColor(166, 202, 240)},
    {"clCream", MakeColor(255, 251, 240)},
    {"clMedGray", MakeColor(160, 160, 164)},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", SystemColor(0)},
    {"clBackground", SystemColor(1)},
    {"clActiveCaption", SystemColor(2)},
    {"clInactiveCaption", SystemColor(3)},
    {"clMenu", SystemColor(4)},
    {"clWindow", SystemColor(5)},
    {"clWindowFrame", SystemColor(6)},
    {"clMenuText", SystemColor(7)},
    {"clWindowText", SystemColor(8)},
    {"clCaptionText", SystemColor(9)},
    {"clActiveBorder", SystemColor(10)},
    {"clInactiveBorder", SystemColor(11)},
    {"clAppWorkSpace", SystemColor(12)},
    {"clHighlight", SystemColor(13)},
    {"clHighlightText", SystemColor(14)},
    {"clBtnFace", SystemColor(15)},
    {"clBtnShadow", SystemColor(16)},
    {"clGrayText", SystemColor(17)},
    {"clBtnText", SystemColor(18)},
    {"clInactiveCaptionText", SystemColor(19)},
    {"clBtnHighlight", SystemColor(20)},
    {"cl3DDkShadow", SystemColor(21)},
    {"cl3DLight", SystemColor(22)},
    {"clInfoText", SystemColor(23)},
    {"clInfoBk", SystemColor(24)},
    // The system color table has no name for index 25.
    {"clHotLight", SystemColor(26)},
    {"clGradientActiveCaption", SystemColor(27)},
    {"clGradientInactiveCaption", SystemColor(28)},
    {"clMenuHighlight", SystemColor(29)},
    {"clMenuBar", SystemColor(30)},
}};

}  // namespace

std::span<const ColorIdent> ColorIdents() { return kColorIdents; }

std::optional<std::string_view> ColorToIdent(TColor color) {
  const auto found = std::ranges::find(kColorIdents, color, &ColorIdent::value);
  if (found == kColorIdents.end()) return std::nullopt;
  return found->name;
}

std::optional<TColor> IdentToColor(std::string_view name) {
  const auto found = std::ranges::find_if(kColorIdents, [name](const ColorIdent& ident) {
    return EqualsIgnoringAsciiCase(ident.name, name);
  });
  if (found == kColorIdents.end()) return std::nullopt;
  return found->value;
}

}  // namespace tw

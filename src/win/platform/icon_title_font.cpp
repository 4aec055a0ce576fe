#include "win/platform/icon_title_font.h"

#include <cwchar>

namespace tw::win {

bool ApplyIconTitleFont(LOGFONTW& font) {
  LOGFONTW iconTitle{};
  if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(iconTitle), &iconTitle, 0))
    return false;
  font.lfHeight = iconTitle.lfHeight;
  font.lfOrientation = iconTitle.lfOrientation;
  font.lfCharSet = iconTitle.lfCharSet;
  wcsncpy(font.lfFaceName, iconTitle.lfFaceName, LF_FACESIZE);
  font.lfWeight = iconTitle.lfWeight >= FW_BOLD ? FW_BOLD : FW_NORMAL;
  font.lfItalic = iconTitle.lfItalic == 1;
  font.lfUnderline = iconTitle.lfUnderline == 1;
  font.lfStrikeOut = iconTitle.lfStrikeOut == 1;
  const BYTE pitch = iconTitle.lfPitchAndFamily & 0x0F;
  font.lfPitchAndFamily = pitch == FIXED_PITCH || pitch == VARIABLE_PITCH ? pitch : DEFAULT_PITCH;
  return true;
}

}  // namespace tw::win

#include "win/platform/font_description.h"

#include <cwchar>

namespace tw::win {

LOGFONTW FontDescription(const wchar_t* face, LONG height, LONG weight, BYTE charSet) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = charSet;
  wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
  return font;
}

}  // namespace tw::win

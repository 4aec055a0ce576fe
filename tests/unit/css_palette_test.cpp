#include "core/palette/css_palette.h"

#include <gtest/gtest.h>

#include "core/names/rgb_hex.h"

namespace tw {
namespace {

TEST(CssPaletteWrite, OnePropertyPerSlotWithItsNameAsComment) {
  struct Case {
    const char* what;
    std::vector<PaletteEntry> entries;
    const char* css;
  };
  const Case cases[] = {
      {"no slots", {}, "@charset \"UTF-8\";\n:root {\n}\n"},
      {"named, unnamed and non-ASCII",
       {{RGBHex(0xF400A1), "Rosa ü"}, {RGBHex(0x0A0B0C), ""}, {RGBHex(0xFFFFFF), "白"}},
       "@charset \"UTF-8\";\n:root {\n  --tw-1: #f400a1; /* Rosa ü */\n  --tw-2: #0a0b0c;\n"
       "  --tw-3: #ffffff; /* 白 */\n}\n"},
      {"a name cannot end its comment early",
       {{RGBHex(0), "a*/b**/"}},
       "@charset \"UTF-8\";\n:root {\n  --tw-1: #000000; /* a* /b** / */\n}\n"},
      {"a system color as the color it shows",
       {{static_cast<TColor>(0xFF000005), ""}},
       "@charset \"UTF-8\";\n:root {\n  --tw-1: #ffffff;\n}\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FormatCssPalette(c.entries), c.css);
  }
}

TEST(CssPaletteWrite, TwelveSlotsAreNumberedFromOne) {
  const std::string css = FormatCssPalette(std::vector<PaletteEntry>(12, {RGBHex(0x123456), ""}));
  EXPECT_NE(css.find("  --tw-12: #123456;\n}"), std::string::npos);
  EXPECT_EQ(css.find("--tw-0"), std::string::npos);
  EXPECT_EQ(css.find("--tw-13"), std::string::npos);
}

}  // namespace
}  // namespace tw

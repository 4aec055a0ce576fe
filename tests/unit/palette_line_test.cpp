#include "core/palette/palette_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "core/color/color_idents.h"

namespace tw {
namespace {

using namespace std::string_view_literals;

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}

struct LineCase {
  TColor color;
  std::string_view text;
};

TEST(PaletteLineWrite, WritesTheIdentifierElseEightUpperCaseHexDigits) {
  const LineCase cases[] = {
      {MakeColor(0, 0, 0), "clBlack"},
      {MakeColor(255, 255, 255), "clWhite"},
      {MakeColor(0, 255, 0), "clLime"},
      {MakeColor(0x12, 0x34, 0x56), "$00563412"},
      {MakeColor(0xF4, 0x00, 0xA1), "$00A100F4"},
      {MakeColor(0xEF, 0xCD, 0xAB), "$00ABCDEF"},
      {SystemColor(15), "clBtnFace"},
      {SystemColor(25), "$FF000019"},  // the one index below 31 without a name
      {SystemColor(32), "$FF000020"},
      {0x1FFFFFFF, "clNone"},
      {0x20000000, "clDefault"},
      {0x20000001, "$20000001"},
      {-1, "$FFFFFFFF"},
      {-2147483647 - 1, "$80000000"},
      {2147483647, "$7FFFFFFF"},
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(ColorToString(c.color), c.text) << c.color;
  }
}

TEST(PaletteLineRead, AcceptsIdentifiersInAnyCaseAndIntegerText) {
  const LineCase cases[] = {
      {MakeColor(0, 255, 0), "clLime"},
      {MakeColor(0, 255, 0), "CLLIME"},
      {MakeColor(0, 255, 0), "cllime"},
      {MakeColor(0, 255, 0), "$0000FF00"},
      {MakeColor(0, 255, 0), "0xff00"},
      {MakeColor(0, 255, 0), "65280"},
      {MakeColor(0, 255, 0), "   65280"},  // leading spaces before a number
      {MakeColor(0, 255, 0), "0000000000000065280"},
      {31, "x1F"},
      {31, "X1f"},
      {31, "0X1F"},
      {16, "+$10"},
      {-1, "-1"},
      {-1, "-$1"},
      {SystemColor(15), "clbtnface"},
      {SystemColor(15), "-16777201"},
      {SystemColor(32), "$FF000020"},
      {0x1FFFFFFF, "CLNONE"},
      {2147483647, "2147483647"},
      {-2147483647 - 1, "-2147483648"},
      {-2147483647 - 1, "$80000000"},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.text);
    const Converted<TColor> read = StringToColor(c.text);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read.value(), c.color);
  }
}

TEST(PaletteLineRead, RejectsAnythingElseQuotingTheText) {
  const std::string_view texts[] = {
      "",
      " ",
      "#00FF00",
      "clLime ",  // nothing is trimmed
      " clLime",
      "65280 ",
      "\t65280",
      "65280\r",
      "cl Lime",
      "clPink",
      "clLime65280",
      "2147483648",
      "$100000000",
      "rgb(0,255,0)",
      "\xEF\xBB\xBF"
      "clLime",  // a byte-order mark inside a line is part of the text
      "clLime\0"sv,
      "\x89PNG",
  };
  for (std::string_view text : texts) {
    SCOPED_TRACE(text);
    const Converted<TColor> read = StringToColor(text);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error(), std::string("'").append(text).append("' is not a valid integer value"));
  }
}

TEST(PaletteLineRoundTrip, EveryIdentifierIsWrittenByNameAndReadBack) {
  for (const ColorIdent& ident : ColorIdents()) {
    SCOPED_TRACE(ident.name);
    EXPECT_EQ(ColorToString(ident.value), ident.name);
    const Converted<TColor> read = StringToColor(ident.name);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), ident.value);
  }
}

TEST(PaletteLineRoundTrip, ValuesAcrossTheWhole32BitRangeReadBackUnchanged) {
  // Every system color index and a spread of values through all 32 bits,
  // named or not.
  for (int index = 0; index < 256; ++index) {
    EXPECT_EQ(StringToColor(ColorToString(SystemColor(index))).value(), SystemColor(index));
  }
  for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 16777259u) {
    const auto color = static_cast<TColor>(static_cast<std::uint32_t>(bits));
    EXPECT_EQ(StringToColor(ColorToString(color)).value(), color) << ColorToString(color);
  }
}

}  // namespace
}  // namespace tw

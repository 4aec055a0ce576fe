#include "core/palette/palette_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/color/color_idents.h"
#include "fixture_files.h"

namespace tw {
namespace {

using namespace std::string_view_literals;

const Windows1252Codec kCodec;

constexpr TColor Rgb(std::uint32_t rrggbb) {
  return MakeColor(rrggbb >> 16, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}

// The slots' colors of a new installation.
constexpr PaletteSlots kDefaultSlots = {
    Rgb(0xF400A1), Rgb(0xCEFF00), Rgb(0x40E0D0), Rgb(0x66DDAA), Rgb(0xFFDB00), Rgb(0xBA55D3),
    Rgb(0x0FC0FC), Rgb(0xFF0800), Rgb(0x0048BA), Rgb(0x00FF00), Rgb(0x008080), Rgb(0xD40000),
};

// The slots of every_form.plt and its encoded copies: clLime spelled six
// ways, then clBtnFace, $FF000020, -$1, x1F, clNone and -2147483648.
const std::vector<TColor> kEveryForm = [] {
  std::vector<TColor> colors(6, Rgb(0x00FF00));
  colors.insert(colors.end(),
                {SystemColor(15), SystemColor(32), -1, 31, 0x1FFFFFFF, -2147483647 - 1});
  return colors;
}();

std::vector<TColor> Prefix(const PaletteSlots& slots, std::size_t count) {
  return {slots.begin(), slots.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::string Fixture(const char* name) { return test::FixtureBytes("palette", name); }

void ExpectLoads(const Converted<std::vector<TColor>>& load, const std::vector<TColor>& colors) {
  ASSERT_TRUE(load.ok()) << load.error();
  EXPECT_EQ(load.value(), colors);
}

// A refusal carries only the message: there is no color the caller could
// apply, so a failing file changes no slot at all.
void ExpectRefuses(const Converted<std::vector<TColor>>& load, std::string_view error) {
  ASSERT_FALSE(load.ok());
  EXPECT_EQ(load.error(), error);
}

TEST(PaletteFileFormat, TheDefaultPaletteIsWrittenAsTwelveCrLfLines) {
  const std::string fixture = Fixture("default.plt");
  EXPECT_EQ(FormatPaletteFile(kDefaultSlots), fixture);
  EXPECT_EQ(fixture,
            "$00A100F4\r\n$0000FFCE\r\n$00D0E040\r\n$00AADD66\r\n$0000DBFF\r\n$00D355BA\r\n"
            "$00FCC00F\r\n$000008FF\r\n$00BA4800\r\nclLime\r\nclTeal\r\n$000000D4\r\n");
}

TEST(PaletteFileFormat, EverySlotValueFormRoundTrips) {
  std::vector<PaletteSlots> palettes = {
      kDefaultSlots,
      {0, Rgb(0xFFFFFF), Rgb(0x123456), SystemColor(15), SystemColor(25), SystemColor(32),
       SystemColor(255), 0x1FFFFFFF, 0x20000000, -1, -2147483647 - 1, 2147483647},
  };
  // Every identifier, twelve to a file.
  const auto idents = ColorIdents();
  for (std::size_t first = 0; first < idents.size(); first += kPaletteSlotCount) {
    PaletteSlots slots{};
    for (std::size_t i = 0; i < kPaletteSlotCount; ++i) {
      slots[i] = idents[(first + i) % idents.size()].value;
    }
    palettes.push_back(slots);
  }
  for (const PaletteSlots& slots : palettes) {
    const std::string text = FormatPaletteFile(slots);
    SCOPED_TRACE(text);
    ExpectLoads(ParsePaletteFile(text, kCodec), Prefix(slots, kPaletteSlotCount));
  }
}

struct FixtureCase {
  const char* file;
  std::vector<TColor> colors;  // loaded slots, from slot 1; empty when refused
  std::string_view error;
};

TEST(PaletteFileLoad, FixturesLoadOrAreRefusedWhole) {
  const FixtureCase cases[] = {
      {"default.plt", Prefix(kDefaultSlots, 12), {}},
      {"every_form.plt", kEveryForm, {}},
      {"utf8_bom.plt", kEveryForm, {}},
      {"utf16le_bom.plt", kEveryForm, {}},
      {"utf16be_bom.plt", kEveryForm, {}},
      {"mixed_line_ends.plt",
       {Rgb(0xFF0000), Rgb(0x0000FF), Rgb(0x00FF00), Rgb(0x000000), Rgb(0xFFFFFF), Rgb(0x00FFFF),
        Rgb(0x0000FF), Rgb(0x808080), Rgb(0x000080), Rgb(0x808000), Rgb(0x008080), Rgb(0x800000)},
       {}},
      // Lines after the twelfth are never read.
      {"thirteen_lines.plt", Prefix(kDefaultSlots, 12), {}},
      // A six-slot palette is whole; slots 7-12 keep their colors.
      {"six_lines.plt", Prefix(kDefaultSlots, 6), {}},
      // Among lines 7-12 the first bad one quietly ends the load.
      {"blank_line_7.plt", Prefix(kDefaultSlots, 6), {}},
      {"invalid_line_8.plt", Prefix(kDefaultSlots, 7), {}},
      // Within lines 1-6 a fault refuses the file.
      {"five_lines.plt", {}, "List index out of bounds (5)"},
      {"empty.plt", {}, "List index out of bounds (0)"},
      {"unknown_identifier.plt", {}, "'clPink' is not a valid integer value"},
      {"trailing_blank.plt", {}, "'clLime ' is not a valid integer value"},
      {"html_hex.plt", {}, "'#00FF00' is not a valid integer value"},
      {"blank_line_3.plt", {}, "'' is not a valid integer value"},
      {"png_header.plt", {}, "'\u2030PNG' is not a valid integer value"},
      // Without its byte-order mark UTF-16 is 8-bit text full of NULs.
      {"utf16le_no_bom.plt", {}, "'c\0l\0L\0i\0m\0e\0' is not a valid integer value"sv},
  };
  for (const FixtureCase& c : cases) {
    SCOPED_TRACE(c.file);
    const Converted<std::vector<TColor>> load = ParsePaletteFile(Fixture(c.file), kCodec);
    if (c.error.empty()) {
      ExpectLoads(load, c.colors);
    } else {
      ExpectRefuses(load, c.error);
    }
  }
}

TEST(PaletteFileLoad, ChecksLinesInSlotOrder) {
  // The first fault wins, be it a bad line or the end of the file.
  ExpectRefuses(ParsePaletteFile("clRed\r\nbad\r\n", kCodec), "'bad' is not a valid integer value");
  ExpectRefuses(ParsePaletteFile("clRed\r\nclRed\r\n", kCodec), "List index out of bounds (2)");
  ExpectRefuses(ParsePaletteFile("\xEF\xBB\xBF", kCodec), "List index out of bounds (0)");
  ExpectRefuses(ParsePaletteFile("\r\n", kCodec), "'' is not a valid integer value");
}

TEST(PaletteFileLoad, LfThenCrEndsTwoLines) {
  // After the seventh line "\n\r" leaves an empty eighth line, which ends
  // the load there.
  std::string text;
  for (int line = 0; line < 7; ++line) text += "clRed\n";
  text += "\rclBlue\nclBlue\n";
  ExpectLoads(ParsePaletteFile(text, kCodec), std::vector<TColor>(7, Rgb(0xFF0000)));
}

TEST(PaletteFileLoad, LongLinesAreReadWhole) {
  ExpectLoads(
      ParsePaletteFile(std::string(5000, ' ') + "65280\n" + std::string(5000, '0') +
                           "1\nclRed\nclRed\nclRed\nclRed\n",
                       kCodec),
      {Rgb(0x00FF00), Rgb(0x010000), Rgb(0xFF0000), Rgb(0xFF0000), Rgb(0xFF0000), Rgb(0xFF0000)});
  const std::string junk(5000, 'A');
  ExpectRefuses(ParsePaletteFile(junk + "\r\n", kCodec),
                "'" + junk + "' is not a valid integer value");
}

TEST(PaletteFileLoad, OnlyTheFirst64KiBCount) {
  // Five lines padded with leading spaces so that the sixth, "clRed", ends
  // `overshoot` bytes after the limit.
  const auto sixthLineEndingPastTheLimit = [](std::size_t overshoot) {
    std::string text = "clRed\nclRed\nclRed\nclRed\n";
    const std::string_view fifth = "65280\n";
    const std::string_view sixth = "clRed";
    text += std::string(
        kMaxPaletteFileBytes + overshoot - text.size() - fifth.size() - sixth.size(), ' ');
    text += fifth;
    text += sixth;
    text += "\n" + std::string(100000, '#');
    return text;
  };
  const std::vector<TColor> six = {Rgb(0xFF0000), Rgb(0xFF0000), Rgb(0xFF0000),
                                   Rgb(0xFF0000), Rgb(0x00FF00), Rgb(0xFF0000)};
  ExpectLoads(ParsePaletteFile(sixthLineEndingPastTheLimit(0), kCodec), six);
  ExpectRefuses(ParsePaletteFile(sixthLineEndingPastTheLimit(1), kCodec),
                "'clRe' is not a valid integer value");
  ExpectRefuses(ParsePaletteFile(sixthLineEndingPastTheLimit(5), kCodec),
                "List index out of bounds (5)");
}

}  // namespace
}  // namespace tw

#include "core/palette/gimp_palette.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/names/rgb_hex.h"
#include "fixture_files.h"

namespace tw {
namespace {

using namespace std::string_view_literals;

void ExpectReads(const PaletteLoad& load, const PaletteRead& expected) {
  ASSERT_TRUE(load.ok()) << load.error();
  EXPECT_EQ(load.value(), expected);
}

PaletteRead Unnamed(std::vector<std::uint32_t> rrggbb, std::size_t leftOut = 0) {
  PaletteRead read;
  for (std::uint32_t color : rrggbb) read.entries.push_back({RGBHex(color), {}});
  read.leftOut = leftOut;
  return read;
}

// Palettes as GIMP itself ships them (Debian's gimp-data 2.10.34).
TEST(GimpPaletteRead, FilesShippedWithGimp) {
  const PaletteRead warm =
      Unnamed({0xC40909, 0xD8D508, 0xED6E00, 0xE80032, 0x8C0B0B, 0xE4AA04, 0x750000});
  ExpectReads(ParseGimpPalette(test::FixtureBytes("gpl", "Warm_Colors.gpl")), warm);

  // 27 named colors: the first twelve are kept, the other fifteen counted.
  PaletteRead tango;
  tango.entries = {
      {RGBHex(0xFCE94F), "Butter 1"},    {RGBHex(0xEDD400), "Butter 2"},
      {RGBHex(0xC4A000), "Butter 3"},    {RGBHex(0x8AE234), "Chameleon 1"},
      {RGBHex(0x73D216), "Chameleon 2"}, {RGBHex(0x4E9A06), "Chameleon 3"},
      {RGBHex(0xFCAF3E), "Orange 1"},    {RGBHex(0xF57900), "Orange 2"},
      {RGBHex(0xCE5C00), "Orange 3"},    {RGBHex(0x729FCF), "Sky Blue 1"},
      {RGBHex(0x3465A4), "Sky Blue 2"},  {RGBHex(0x204A87), "Sky Blue 3"},
  };
  tango.leftOut = 15;
  ExpectReads(ParseGimpPalette(test::FixtureBytes("gpl", "Tango.gpl")), tango);

  // 256 colors, only the first of them named.
  PaletteRead bears = Unnamed({0x080808, 0x442C2C, 0x50080C, 0x483838, 0x685444, 0x746050, 0x54382C,
                               0x8C6858, 0xAC745C, 0x442C38, 0x584844, 0x70544C},
                              244);
  bears.entries[0].name = "grey3";
  ExpectReads(ParseGimpPalette(test::FixtureBytes("gpl", "Bears.gpl")), bears);
}

struct ReadCase {
  const char* what;
  std::string_view bytes;
  PaletteRead read;  // when the file is a palette
  std::string_view error;
};

PaletteRead Read(std::vector<PaletteEntry> entries, std::size_t skipped = 0) {
  return {std::move(entries), 0, skipped};
}

TEST(GimpPaletteRead, LinesAndHeaders) {
  const ReadCase cases[] = {
      {"no colors", "GIMP Palette\n", Read({}), {}},
      {"CR LF, a byte-order mark and blanks after the magic",
       "\xEF\xBB\xBFGIMP Palette \r\nName: x\r\n  1 2 3\tA\r\n",
       Read({{RGBHex(0x010203), "A"}}),
       {}},
      {"non-ASCII and empty names, blanks around a name",
       "GIMP Palette\n255 0 0\tRot ü 赤\n0 0 255\n0 255 0 \t  grün  \n"sv,
       Read({{RGBHex(0xFF0000), "Rot ü 赤"}, {RGBHex(0x0000FF), ""}, {RGBHex(0x00FF00), "grün"}}),
       {}},
      {"a malformed UTF-8 name is repaired",
       "GIMP Palette\n1 1 1 a\xFF"
       "b\n",
       Read({{RGBHex(0x010101),
              "a\xEF\xBF\xBD"
              "b"}}),
       {}},
      {"a channel above 255 counts as 255, as in GIMP",
       "GIMP Palette\n300 99999999999 7\n",
       Read({{RGBHex(0xFFFF07), ""}}),
       {}},
      {"comments, Columns and blank lines are read past",
       "GIMP Palette\n# c\nColumns: 4\n\n \t\n9 9 9\n",
       Read({{RGBHex(0x090909), ""}}),
       {}},
      {"lines that are no color are counted",
       "GIMP Palette\n1 2\n-1 2 3\n1 2 3x\nabc\n4 5 6\n",
       Read({{RGBHex(0x040506), ""}}, 4),
       {}},
      {"a last line without a break", "GIMP Palette\n10 20 30", Read({{RGBHex(0x0A141E), ""}}), {}},
      {"no magic line",
       "Name: x\n1 2 3\n",
       {},
       "The file does not begin with the line \"GIMP Palette\"."},
      {"the magic not alone on its line",
       "GIMP Palettes\n",
       {},
       "The file does not begin with the line \"GIMP Palette\"."},
      {"empty", "", {}, "The file does not begin with the line \"GIMP Palette\"."},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.what);
    const PaletteLoad load = ParseGimpPalette(c.bytes);
    if (c.error.empty()) {
      ExpectReads(load, c.read);
    } else {
      ASSERT_FALSE(load.ok());
      EXPECT_EQ(load.error(), c.error);
    }
  }
}

TEST(GimpPaletteRead, FilesAboveTheCapAreRefusedWhole) {
  std::string bytes = "GIMP Palette\n1 2 3\n";
  bytes.resize(kMaxNamedPaletteBytes, '\n');
  EXPECT_TRUE(ParseGimpPalette(bytes).ok());
  bytes += '\n';
  const PaletteLoad load = ParseGimpPalette(bytes);
  ASSERT_FALSE(load.ok());
  EXPECT_EQ(load.error(), "The file is larger than 1024 KB, too large for a palette.");
}

// Every cut of a file shorter than its magic line is no palette; from there
// on the cut file is read, never refused.
TEST(GimpPaletteRead, TruncatedAtEveryByte) {
  const std::string file =
      FormatGimpPalette({{RGBHex(0x102030), "eins"}, {RGBHex(0xFFFFFF), "zwei"}}, "t");
  for (std::size_t size = 0; size <= file.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_EQ(ParseGimpPalette(std::string_view(file).substr(0, size)).ok(),
              size >= "GIMP Palette"sv.size());
  }
}

TEST(GimpPaletteWrite, LaysOutColumnsAsGimpDoes) {
  EXPECT_EQ(FormatGimpPalette({{RGBHex(0x0A6400), "deep\ngreen"}, {RGBHex(0xFFFFFF), ""}},
                              " My\tpalette "),
            "GIMP Palette\nName: My palette\nColumns: 6\n#\n"
            " 10 100   0\tdeep green\n255 255 255\t\n");
  // A system color is written as the color it shows.
  EXPECT_EQ(FormatGimpPalette({{static_cast<TColor>(0xFF00000F), "face"}}, "s"),
            "GIMP Palette\nName: s\nColumns: 6\n#\n212 208 200\tface\n");
}

// Names come back as written, except that a name is one line without blanks
// at its ends.
TEST(GimpPaletteWrite, ColorsAndNamesReadBack) {
  struct Entry {
    PaletteEntry written;
    std::string_view readName;
  };
  const std::vector<std::vector<Entry>> palettes = {
      {},
      {{{RGBHex(0x000000), ""}, ""}},
      {{{RGBHex(0x000000), "schwarz"}, "schwarz"},
       {{RGBHex(0xFFFFFF), "白"}, "白"},
       {{RGBHex(0x123456), ""}, ""},
       {{RGBHex(0xF400A1), "Ελληνικά"}, "Ελληνικά"},
       {{RGBHex(0x00FF00), "  "}, ""},
       {{RGBHex(0x0000FF), "#1"}, "#1"},
       {{RGBHex(0x800000), "Name: x"}, "Name: x"},
       {{RGBHex(0x808080), "a\tb\r\n"}, "a b"},
       {{RGBHex(0x010101), "😀"}, "😀"},
       {{RGBHex(0xFEFEFE), " e "}, "e"},
       {{RGBHex(0x7F7F7F), "f"}, "f"},
       {{RGBHex(0x0000FE), "g"}, "g"}},
  };
  for (const std::vector<Entry>& palette : palettes) {
    std::vector<PaletteEntry> written;
    PaletteRead expected;
    for (const Entry& entry : palette) {
      written.push_back(entry.written);
      expected.entries.push_back({entry.written.color, std::string(entry.readName)});
    }
    const std::string file = FormatGimpPalette(written, "round trip");
    SCOPED_TRACE(file);
    ExpectReads(ParseGimpPalette(file), expected);
  }
}

}  // namespace
}  // namespace tw

#include "core/palette/palette_reading.h"

#include <gtest/gtest.h>

#include "core/names/rgb_hex.h"
#include "fixture_files.h"

namespace tw {
namespace {

const Windows1252Codec kCodec;

// The content decides; a file named for one format but holding another is
// read as what it holds.
TEST(PaletteReading, TheBytesDecideTheFormat) {
  struct Case {
    const char* folder;
    const char* file;
    PaletteFormat format;
  };
  const Case cases[] = {
      {"gpl", "Tango.gpl", PaletteFormat::kGimp},
      {"palette", "default.plt", PaletteFormat::kTintwright},
      {"palette", "utf16le_bom.plt", PaletteFormat::kTintwright},
      {"palette", "png_header.plt", PaletteFormat::kTintwright},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(SniffPaletteFormat(test::FixtureBytes(c.folder, c.file)), c.format);
  }
}

TEST(PaletteReading, APltFileGivesItsColorsWithoutNames) {
  const PaletteLoad load = ReadPaletteBytes(test::FixtureBytes("palette", "six_lines.plt"), kCodec);
  ASSERT_TRUE(load.ok()) << load.error();
  const std::vector<TColor> expected = {RGBHex(0xF400A1), RGBHex(0xCEFF00), RGBHex(0x40E0D0),
                                        RGBHex(0x66DDAA), RGBHex(0xFFDB00), RGBHex(0xBA55D3)};
  ASSERT_EQ(load.value().entries.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(load.value().entries[i], (PaletteEntry{expected[i], {}}));
  }
  EXPECT_EQ(load.value().leftOut, 0u);
}

TEST(PaletteReading, RefusalsKeepTheFormatsReason) {
  const struct {
    const char* folder;
    const char* file;
    const char* error;
  } cases[] = {
      {"palette", "five_lines.plt", "List index out of bounds (5)"},
      {"palette", "png_header.plt", "'\u2030PNG' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const PaletteLoad load = ReadPaletteBytes(test::FixtureBytes(c.folder, c.file), kCodec);
    ASSERT_FALSE(load.ok());
    EXPECT_EQ(load.error(), c.error);
  }
  const PaletteLoad gimp = ReadPaletteBytes("GIMP Palette\n1 2 3\n", kCodec);
  ASSERT_TRUE(gimp.ok()) << gimp.error();
  EXPECT_EQ(gimp.value().entries, (std::vector<PaletteEntry>{{RGBHex(0x010203), ""}}));
}

}  // namespace
}  // namespace tw

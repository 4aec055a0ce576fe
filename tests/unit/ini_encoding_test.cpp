#include <gtest/gtest.h>

#include "core/settings/ini_file.h"
#include "core/text/text_encoding.h"
#include "fixture_files.h"

namespace tw {
namespace {

const Windows1252Codec kCodec;

std::string FixtureBytes(const char* name) { return test::FixtureBytes("ini", name); }

struct FixtureCase {
  const char* file;
  std::string_view palettename;
};

TEST(IniFileEncoding, ReadsEachEncodingAndWritesTheSameBytesBack) {
  const FixtureCase cases[] = {
      {"utf8_bom.ini", "Fr\u00fch \u20ac \U0001F3A8.plt"},
      {"utf16le_bom.ini", "Fr\u00fch \u20ac \U0001F3A8.plt"},
      {"utf16be_bom.ini", "Fr\u00fch \u20ac \U0001F3A8.plt"},
      // 0x80 is the euro sign in Windows-1252; 0x81 is unassigned and kept.
      {"eight_bit.ini", "caf\u00e9 \u20ac \u0081.plt"},
  };
  for (const FixtureCase& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string bytes = FixtureBytes(c.file);
    const IniFile ini = IniFile::Parse(bytes, kCodec);
    EXPECT_EQ(ini.ReadString("Tintwright", "palettename", ""), c.palettename);
    EXPECT_EQ(ini.Serialize(kCodec), bytes);
  }
}

TEST(IniFileEncoding, MalformedInputKeepsEverythingElseAndRereadsAlike) {
  const FixtureCase cases[] = {
      {"utf16le_odd_length.ini", ""},
      {"utf16le_lone_surrogate.ini", "a\uFFFDb"},
      {"utf8_bom_invalid_bytes.ini", "a\uFFFDb\uFFFD\uFFFD"},
      {"nul_bytes.ini", std::string_view("a\0b", 3)},
  };
  for (const FixtureCase& c : cases) {
    SCOPED_TRACE(c.file);
    const IniFile ini = IniFile::Parse(FixtureBytes(c.file), kCodec);
    EXPECT_EQ(ini.ReadString("Tintwright", "palettename", ""), c.palettename);
    EXPECT_EQ(ini.ReadInteger("Tintwright", "layout", 2).value(), 1);
    const IniFile reread = IniFile::Parse(ini.Serialize(kCodec).value(), kCodec);
    EXPECT_EQ(reread.Serialize(kCodec), ini.Serialize(kCodec));
  }
}

TEST(IniFileEncoding, AnOddUtf16ByteBecomesAMarkedValuelessKey) {
  const IniFile ini = IniFile::Parse(FixtureBytes("utf16le_odd_length.ini"), kCodec);
  const std::string bytes = ini.Serialize(kCodec).value();
  EXPECT_EQ(bytes.size() % 2, 0u);
  EXPECT_TRUE(ini.HasKey("Tintwright", "\uFFFD"));
}

TEST(IniFileEncoding, ANewFileIsEightBitUnlessTheCodePageLacksACharacter) {
  IniFile ini;
  ini.WriteString("Tintwright", "palettename", "caf\u00e9.plt");
  EXPECT_EQ(ini.Serialize(kCodec), "[Tintwright]\r\npalettename=caf\xE9.plt\r\n\r\n");
  ini.WriteString("Tintwright", "palettename", "\u03a9.plt");
  EXPECT_EQ(ini.Serialize(kCodec), "\xEF\xBB\xBF[Tintwright]\r\npalettename=\xCE\xA9.plt\r\n\r\n");
}

// A code page whose conversion fails outright, as the system's does when it
// is handed flags the code page does not take.
class FailingCodec final : public EightBitCodec {
 public:
  std::string Decode(std::string_view bytes) const override { return kCodec.Decode(bytes); }
  EncodedText Encode(std::string_view) const override { return EncodedText::Failed(); }
};

TEST(IniFileEncoding, AFailedConversionGivesNoTextRatherThanAnEmptyOne) {
  const FailingCodec failing;
  IniFile ini = IniFile::Parse(FixtureBytes("eight_bit.ini"), failing);
  EXPECT_EQ(ini.Serialize(failing), std::nullopt);
  ini.WriteString("Tintwright", "palettename", "\u03a9.plt");  // not even UTF-8 is tried
  EXPECT_EQ(ini.Serialize(failing), std::nullopt);
  // Text with a byte-order mark never goes through the code page.
  const std::string bytes = FixtureBytes("utf8_bom.ini");
  EXPECT_EQ(IniFile::Parse(bytes, failing).Serialize(failing), bytes);
}

TEST(Windows1252Codec, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(kCodec.Encode(kCodec.Decode(all)).bytes, all);
}

TEST(Windows1252Codec, CharactersOutsideTheCodePageCannotBeEncoded) {
  for (std::string_view text : {"\u03a9", "\u0080", "\uFFFD", "\U0001F3A8"}) {
    EXPECT_EQ(kCodec.Encode(text).outcome, EncodedText::Outcome::kUnrepresentable) << text;
  }
}

TEST(TextEncoding, InvalidUtf8IsReplacedByteByByteWhenEncodingToUtf16) {
  // An overlong "/" and an encoded surrogate are not well-formed UTF-8.
  const EncodedText encoded =
      EncodeText("a\xC0\xAF\xED\xA0\x80", TextEncoding::kUtf16LeBom, kCodec);
  ASSERT_TRUE(encoded.ok());
  EXPECT_EQ(encoded.bytes, std::string("\xFF\xFE"
                                       "a\0\xFD\xFF\xFD\xFF\xFD\xFF\xFD\xFF\xFD\xFF",
                                       14));
}

}  // namespace
}  // namespace tw

// The settings file's 8-bit text in the system's code page, whichever it is:
// what the codec hands the system's conversion, and what a failed
// conversion does to the file on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"
#include "win/platform/ansi_codec.h"
#include "win/window/settings_storage.h"

namespace tw::test {
namespace {

using win::AnsiCodec;
using win::CodePageConversions;
using win::SettingsStorage;
using Outcome = EncodedText::Outcome;

struct ConversionCall {
  UINT codePage;
  DWORD flags;
  bool askedForUsedDefault;
};
std::vector<ConversionCall> calls;

// The system's conversion as Windows checks its arguments: for UTF-8 no
// flag but WC_ERR_INVALID_CHARS and no question about a default character.
// Wine accepts both, so without this stand-in no test here would see a
// system with the UTF-8 code page refuse the call.
int WINAPI StrictFromWide(UINT codePage, DWORD flags, LPCWCH text, int length, LPSTR out,
                          int outSize, LPCCH defaultChar, LPBOOL usedDefault) {
  calls.push_back({codePage, flags, usedDefault != nullptr});
  if (codePage == CP_UTF8 && (flags & ~static_cast<DWORD>(WC_ERR_INVALID_CHARS)) != 0) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  if (codePage == CP_UTF8 && (defaultChar || usedDefault)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return WideCharToMultiByte(codePage, flags, text, length, out, outSize, defaultChar, usedDefault);
}

int WINAPI FailingFromWide(UINT, DWORD, LPCWCH, int, LPSTR, int, LPCCH, LPBOOL) {
  SetLastError(ERROR_INVALID_PARAMETER);
  return 0;
}

const CodePageConversions kStrict{&MultiByteToWideChar, &StrictFromWide};
const CodePageConversions kFailing{&MultiByteToWideChar, &FailingFromWide};

struct CodecCase {
  UINT codePage;
  const char* text;  // UTF-8
  Outcome outcome;
  std::string bytes;
  DWORD flags;
  bool asksForUsedDefault;
};

const CodecCase kCodecCases[] = {
    // UTF-8 holds everything and takes neither the flag nor the question.
    {CP_UTF8, "caf\u00e9 \u03a9 \u65e5\u672c", Outcome::kEncoded,
     "caf\xC3\xA9 \xCE\xA9 \xE6\x97\xA5\xE6\x9C\xAC", 0, false},
    {1252, "caf\u00e9 \u20ac", Outcome::kEncoded, "caf\xE9 \x80", WC_NO_BEST_FIT_CHARS, true},
    {1252, "\u03a9", Outcome::kUnrepresentable, "", WC_NO_BEST_FIT_CHARS, true},
    // Shift JIS, a double-byte code page.
    {932, "\u65e5\u672c\u03a9", Outcome::kEncoded, "\x93\xFA\x96\x7B\x83\xB6", WC_NO_BEST_FIT_CHARS,
     true},
    {932, "caf\u00e9", Outcome::kUnrepresentable, "", WC_NO_BEST_FIT_CHARS, true},
};

TEST(SettingsCodec, EncodesInTheGivenCodePageWithWhatThatCodePageTakes) {
  for (const CodecCase& c : kCodecCases) {
    SCOPED_TRACE(testing::Message() << "code page " << c.codePage << ", " << c.text);
    calls.clear();
    const AnsiCodec codec(c.codePage, kStrict);
    const EncodedText encoded = codec.Encode(c.text);
    EXPECT_EQ(encoded.outcome, c.outcome);
    EXPECT_EQ(encoded.bytes, c.bytes);
    ASSERT_FALSE(calls.empty());
    for (const ConversionCall& call : calls) {
      EXPECT_EQ(call.codePage, c.codePage);
      EXPECT_EQ(call.flags, c.flags);
    }
    EXPECT_EQ(calls.front().askedForUsedDefault, c.asksForUsedDefault);
    if (encoded.ok()) EXPECT_EQ(codec.Decode(encoded.bytes), c.text) << "read back";
  }
}

TEST(SettingsCodec, AFailedConversionIsAFailureNotAnEmptyText) {
  EXPECT_EQ(AnsiCodec(1252, kFailing).Encode("layout=1").outcome, Outcome::kFailed);
  EXPECT_EQ(AnsiCodec(CP_UTF8, kFailing).Encode("layout=1").outcome, Outcome::kFailed);
  EXPECT_EQ(AnsiCodec(1252, kFailing).Encode("").outcome, Outcome::kEncoded)
      << "nothing to convert";
}

TEST(SettingsCodec, AFailedConversionLeavesTheSettingsFileAsItWas) {
  TempFolder folder;
  const std::filesystem::path file = folder.Path() / L"Tintwright.ini";
  const std::string before = "[Tintwright]\r\nmempan1_Color=clRed\r\nlayout=1\r\n\r\n";
  WriteFileBytes(file, before);
  {
    SettingsStorage storage(file.wstring(), AnsiCodec(1252, kFailing));
    storage.File().WriteInteger(SettingsStorage::kSection, "layout", 0);
    EXPECT_FALSE(storage.WriteFile()) << "reported as failed";
    storage.SetWriteOnDestroy(true);  // and again as the program ends
  }
  EXPECT_EQ(ReadFileBytes(file), before);
}

TEST(SettingsCodec, UnderTheUtf8CodePageTheFileIsWrittenAsUtf8) {
  TempFolder folder;
  const std::filesystem::path file = folder.Path() / L"Tintwright.ini";
  WriteFileBytes(file, "[Tintwright]\r\nlayout=1\r\n\r\n");
  {
    SettingsStorage storage(file.wstring(), AnsiCodec(CP_UTF8, kStrict));
    storage.File().WriteString(SettingsStorage::kSection, "palettename", "Fr\u00fch \u03a9.plt");
    EXPECT_TRUE(storage.WriteFile());
  }
  EXPECT_EQ(ReadFileBytes(file),
            "[Tintwright]\r\nlayout=1\r\npalettename=Fr\xC3\xBCh \xCE\xA9.plt\r\n\r\n");
  SettingsStorage reread(file.wstring(), AnsiCodec(CP_UTF8, kStrict));
  EXPECT_EQ(reread.File().ReadString(SettingsStorage::kSection, "palettename", ""),
            "Fr\u00fch \u03a9.plt");
}

}  // namespace
}  // namespace tw::test

// Palette files on a real file system: what the load and save commands call.
#include "win/window/palette_file_io.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace tw::win {
namespace {

namespace fs = std::filesystem;
using test::FileNamesIn;
using test::ReadFileBytes;
using test::WriteFileBytes;

const Windows1252Codec kCodec;

const PaletteSlots kSlots = {0, 1, 2, 0x00FF00, -16777201, -16777184, 0x1FFFFFFF, 7, 8, 9, -1, 11};
const std::vector<TColor> kColors(kSlots.begin(), kSlots.end());

// A name no ANSI code page holds, which the report must still spell.
const std::wstring kNonAnsiName = L"\u0446\u0432\u0435\u0442 \u8272 \U0001F3A8.plt";

// The path as the report spells it, converted by the standard library
// rather than by the code under test.
std::string Utf8(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

class PaletteFileIo : public testing::Test {
 protected:
  fs::path Target() const { return folder_.Path() / L"colors.plt"; }

  // The report names the file as given and adds the system's reason.
  static void ExpectReport(const std::string& error, const std::string& start) {
    EXPECT_TRUE(error.starts_with(start)) << error;
    EXPECT_GT(error.size(), start.size()) << "no reason given";
  }

  test::TempFolder folder_;
};

TEST_F(PaletteFileIo, SaveReplacesTheFileWholeAndLoadReadsItBack) {
  for (const fs::path& file : {Target(), folder_.Path() / kNonAnsiName}) {
    SCOPED_TRACE(Utf8(file));
    WriteFileBytes(file, std::string(4096, 'x'));
    ASSERT_EQ(SavePaletteFile(file, kSlots), std::nullopt);
    EXPECT_EQ(ReadFileBytes(file), FormatPaletteFile(kSlots));
    const Converted<std::vector<TColor>> load = LoadPaletteFile(file, kCodec);
    ASSERT_TRUE(load.ok()) << load.error();
    EXPECT_EQ(load.value(), kColors);
  }
  EXPECT_EQ(FileNamesIn(folder_.Path()), (std::vector<fs::path>{"colors.plt", kNonAnsiName}));
}

// A folder in the file's place, and a read-only file: the report names the
// file, the old one stays and no temporary file is left.
TEST_F(PaletteFileIo, SaveReportsAFileThatCannotBeCreated) {
  fs::create_directories(Target() / "occupied");
  const std::optional<std::string> error = SavePaletteFile(Target(), kSlots);
  ASSERT_TRUE(error.has_value());
  ExpectReport(*error, "Cannot create file \"" + Utf8(Target()) + "\". ");
  EXPECT_TRUE(fs::is_directory(Target() / "occupied"));
  EXPECT_EQ(FileNamesIn(folder_.Path()), std::vector<fs::path>{"colors.plt"});
}

TEST_F(PaletteFileIo, SaveReportsAReadOnlyFileAndKeepsIt) {
  const fs::path file = folder_.Path() / kNonAnsiName;
  WriteFileBytes(file, "old");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::optional<std::string> error = SavePaletteFile(file, kSlots);
  ASSERT_TRUE(error.has_value());
  ExpectReport(*error, "Cannot create file \"" + Utf8(file) + "\". ");
  EXPECT_EQ(ReadFileBytes(file), "old");
  EXPECT_EQ(FileNamesIn(folder_.Path()), std::vector<fs::path>{kNonAnsiName});
}

TEST_F(PaletteFileIo, LoadReportsAFileThatCannotBeOpened) {
  for (const fs::path& path :
       {folder_.Path() / "missing.plt", folder_.Path(), folder_.Path() / kNonAnsiName}) {
    SCOPED_TRACE(Utf8(path));
    const Converted<std::vector<TColor>> load = LoadPaletteFile(path, kCodec);
    ASSERT_FALSE(load.ok());
    ExpectReport(load.error(), "Cannot open file \"" + Utf8(path) + "\". ");
  }
}

TEST_F(PaletteFileIo, LoadReadsTheHeadOfALargeFile) {
  WriteFileBytes(Target(), FormatPaletteFile(kSlots) + std::string(1 << 20, '\0'));
  const Converted<std::vector<TColor>> load = LoadPaletteFile(Target(), kCodec);
  ASSERT_TRUE(load.ok()) << load.error();
  EXPECT_EQ(load.value(), kColors);
}

// The palette files of the core's tests load from disk as their bytes parse.
TEST(PaletteFixtures, LoadFromDiskAsTheirBytesParse) {
  const fs::path folder = fs::path(TW_TEST_DATA_DIR) / "palette";
  ASSERT_FALSE(fs::is_empty(folder)) << folder.string();
  for (const auto& entry : fs::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().filename().string());
    const Converted<std::vector<TColor>> parsed =
        ParsePaletteFile(ReadFileBytes(entry.path()), kCodec);
    const Converted<std::vector<TColor>> loaded = LoadPaletteFile(entry.path(), kCodec);
    ASSERT_EQ(loaded.ok(), parsed.ok()) << (loaded.ok() ? parsed.error() : loaded.error());
    if (parsed.ok()) {
      EXPECT_EQ(loaded.value(), parsed.value());
    } else {
      EXPECT_EQ(loaded.error(), parsed.error());
    }
  }
}

}  // namespace
}  // namespace tw::win

#include "core/palette/palette_file_io.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/settings/atomic_file.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

const Windows1252Codec kCodec;

const PaletteSlots kSlots = {0, 1, 2, 0x00FF00, -16777201, -16777184, 0x1FFFFFFF, 7, 8, 9, -1, 11};

class PaletteFileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / ("tw_palette_file_" + std::string(test->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  fs::path target() const { return folder_ / "colors.plt"; }

  void Put(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::vector<fs::path> FilesIn(const fs::path& folder) const {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename());
    }
    return names;
  }

  // The report names the file as given and adds the system's reason.
  void ExpectReport(const std::string& error, const std::string& start) const {
    EXPECT_TRUE(error.starts_with(start)) << error;
    EXPECT_GT(error.size(), start.size()) << "no reason given";
  }

  fs::path folder_;
};

TEST_F(PaletteFileIoTest, SaveReplacesTheFileWholeAndLoadReadsItBack) {
  Put(target(), std::string(4096, 'x'));
  ASSERT_EQ(SavePaletteFile(target(), kSlots), std::nullopt);
  EXPECT_EQ(ReadWholeFile(target(), 4096).bytes, FormatPaletteFile(kSlots));
  EXPECT_EQ(FilesIn(folder_), std::vector<fs::path>{"colors.plt"});
  const Converted<std::vector<TColor>> load = LoadPaletteFile(target(), kCodec);
  ASSERT_TRUE(load.ok()) << load.error();
  EXPECT_EQ(load.value(), std::vector<TColor>(kSlots.begin(), kSlots.end()));
}

TEST_F(PaletteFileIoTest, SaveReportsAFileThatCannotBeCreated) {
  fs::create_directories(target() / "occupied");
  const std::optional<std::string> error = SavePaletteFile(target(), kSlots);
  ASSERT_TRUE(error.has_value());
  ExpectReport(*error, "Cannot create file \"" + target().string() + "\". ");
  EXPECT_TRUE(fs::is_directory(target() / "occupied"));
  EXPECT_EQ(FilesIn(folder_), std::vector<fs::path>{"colors.plt"});
}

TEST_F(PaletteFileIoTest, LoadReportsAFileThatCannotBeOpened) {
  for (const fs::path& path : {folder_ / "missing.plt", folder_}) {
    SCOPED_TRACE(path);
    const Converted<std::vector<TColor>> load = LoadPaletteFile(path, kCodec);
    ASSERT_FALSE(load.ok());
    ExpectReport(load.error(), "Cannot open file \"" + path.string() + "\". ");
  }
}

TEST_F(PaletteFileIoTest, LoadReadsTheHeadOfALargeFile) {
  Put(target(), FormatPaletteFile(kSlots) + std::string(1 << 20, '\0'));
  const Converted<std::vector<TColor>> load = LoadPaletteFile(target(), kCodec);
  ASSERT_TRUE(load.ok()) << load.error();
  EXPECT_EQ(load.value(), std::vector<TColor>(kSlots.begin(), kSlots.end()));
}

}  // namespace
}  // namespace tw

#include "core/settings/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tw {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / ("tw_atomic_file_" + std::string(test->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(target(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
  }

  fs::path target() const { return folder_ / "Tintwright.ini"; }

  void Put(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::vector<fs::path> FilesIn(const fs::path& folder) const {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename());
    return names;
  }

  fs::path folder_;
};

TEST_F(AtomicFileTest, ReplacesTheFileAndLeavesNoTemporaryFile) {
  Put(target(), "old contents that are longer than the new ones");
  const FileWriteResult written = WriteFileAtomically(target(), "new");
  ASSERT_TRUE(written.ok) << written.error;
  EXPECT_EQ(ReadWholeFile(target(), 1024).bytes, "new");
  EXPECT_EQ(FilesIn(folder_), std::vector<fs::path>{"Tintwright.ini"});
}

TEST_F(AtomicFileTest, CreatesMissingFolders) {
  const fs::path nested = folder_ / "a" / "b" / "Tintwright.ini";
  ASSERT_TRUE(WriteFileAtomically(nested, std::string_view("x\0y", 3)).ok);
  EXPECT_EQ(ReadWholeFile(nested, 1024).bytes, std::string_view("x\0y", 3));
}

TEST_F(AtomicFileTest, ReportsAFolderThatCannotBeCreated) {
  Put(folder_ / "plain", "a file where a folder should be");
  const FileWriteResult written = WriteFileAtomically(folder_ / "plain" / "Tintwright.ini", "x");
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.error.empty());
}

TEST_F(AtomicFileTest, ReportsATargetThatCannotBeReplacedAndCleansUp) {
  fs::create_directories(target() / "occupied");
  const FileWriteResult written = WriteFileAtomically(target(), "x");
  EXPECT_FALSE(written.ok);
  EXPECT_TRUE(fs::is_directory(target() / "occupied"));
  EXPECT_EQ(FilesIn(folder_), std::vector<fs::path>{"Tintwright.ini"});
}

TEST_F(AtomicFileTest, ReadsWholeFilesUpToTheLimit) {
  Put(target(), "12345");
  const FileReadResult exact = ReadWholeFile(target(), 5);
  EXPECT_EQ(exact.status, FileReadStatus::kOk);
  EXPECT_EQ(exact.bytes, "12345");
  const FileReadResult tooLarge = ReadWholeFile(target(), 4);
  EXPECT_EQ(tooLarge.status, FileReadStatus::kTooLarge);
  EXPECT_TRUE(tooLarge.bytes.empty());
  EXPECT_EQ(ReadWholeFile(folder_ / "missing.ini", 5).status, FileReadStatus::kNotFound);
}

TEST_F(AtomicFileTest, TellsReadOnlyFilesApart) {
  EXPECT_FALSE(IsReadOnlyFile(target())) << "missing";
  Put(target(), "x");
  EXPECT_FALSE(IsReadOnlyFile(target()));
  fs::permissions(target(),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_TRUE(IsReadOnlyFile(target()));
  EXPECT_FALSE(IsReadOnlyFile(folder_)) << "a folder";
}

}  // namespace
}  // namespace tw

// The Win32 file layer on a real file system.
#include "win/platform/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"
#include "win/platform/text.h"

namespace tw::win {
namespace {

namespace fs = std::filesystem;
using test::FileNamesIn;
using test::ReadFileBytes;
using test::WriteFileBytes;

// Letters of three scripts and a character outside the Basic Multilingual
// Plane: no ANSI code page holds them all, so a narrow call anywhere on the
// way would lose them.
const std::wstring kNonAnsiName = L"\u0446\u0432\u0435\u0442 \u8272 \U0001F3A8";

class Files : public testing::Test {
 protected:
  fs::path Target() const { return folder_.Path() / L"Tintwright.ini"; }

  static void MakeReadOnly(const fs::path& path) {
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  }

  test::TempFolder folder_;
};

TEST_F(Files, ReplacesTheFileAndLeavesNoTemporaryFile) {
  WriteFileBytes(Target(), "old contents that are longer than the new ones");
  const FileWriteResult written = WriteFileAtomically(Target(), "new");
  ASSERT_TRUE(written.ok) << written.error;
  EXPECT_EQ(ReadWholeFile(Target(), 1024).bytes, "new");
  EXPECT_EQ(FileNamesIn(folder_.Path()), std::vector<fs::path>{"Tintwright.ini"});
}

TEST_F(Files, CreatesMissingFolders) {
  const fs::path nested = folder_.Path() / "a" / "b" / "Tintwright.ini";
  ASSERT_TRUE(WriteFileAtomically(nested, std::string_view("x\0y", 3)).ok);
  EXPECT_EQ(ReadWholeFile(nested, 1024).bytes, std::string_view("x\0y", 3));
}

TEST_F(Files, WritesAndReadsNamesOutsideTheAnsiCodePage) {
  const fs::path file = folder_.Path() / kNonAnsiName / (kNonAnsiName + L".ini");
  const FileWriteResult written = WriteFileAtomically(file, "bytes");
  ASSERT_TRUE(written.ok) << written.error;
  EXPECT_EQ(FileNamesIn(file.parent_path()), std::vector<fs::path>{file.filename()});
  EXPECT_EQ(ReadFileBytes(file), "bytes");
  EXPECT_EQ(ReadWholeFile(file, 1024).bytes, "bytes");
  EXPECT_EQ(ReadFileHead(file, 2).bytes, "by");
  EXPECT_FALSE(IsReadOnlyFile(file));
  MakeReadOnly(file);
  EXPECT_TRUE(IsReadOnlyFile(file));
}

TEST_F(Files, ReportsAFolderThatCannotBeCreated) {
  WriteFileBytes(folder_.Path() / "plain", "a file where a folder should be");
  const FileWriteResult written =
      WriteFileAtomically(folder_.Path() / "plain" / "Tintwright.ini", "x");
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.error.empty());
}

// A folder in the target's place, and a read-only target, which Windows
// refuses to replace: the old one stays as it was, and the temporary file
// is gone again.
TEST_F(Files, ReportsATargetThatCannotBeReplacedAndCleansUp) {
  fs::create_directories(Target() / "occupied");
  const FileWriteResult written = WriteFileAtomically(Target(), "x");
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.error.empty());
  EXPECT_TRUE(fs::is_directory(Target() / "occupied"));
  EXPECT_EQ(FileNamesIn(folder_.Path()), std::vector<fs::path>{"Tintwright.ini"});
}

TEST_F(Files, ReportsAReadOnlyTargetAndKeepsIt) {
  WriteFileBytes(Target(), "old");
  MakeReadOnly(Target());
  const FileWriteResult written = WriteFileAtomically(Target(), "new");
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.error.empty());
  EXPECT_EQ(ReadFileBytes(Target()), "old");
  EXPECT_EQ(FileNamesIn(folder_.Path()), std::vector<fs::path>{"Tintwright.ini"});
}

// Sizes around the limit, also past the size of one read call, so that a
// file is neither cut short nor refused one chunk too early.
TEST_F(Files, ReadsWholeFilesUpToTheLimit) {
  constexpr std::size_t kMiB = 1 << 20;
  struct Case {
    std::size_t size;
    std::uint64_t limit;
    FileReadStatus status;
  };
  const Case cases[] = {
      {5, 5, FileReadStatus::kOk},
      {5, 4, FileReadStatus::kTooLarge},
      {0, 0, FileReadStatus::kOk},
      {1, 0, FileReadStatus::kTooLarge},
      {kMiB + 3, kMiB + 3, FileReadStatus::kOk},
      {kMiB + 3, kMiB + 2, FileReadStatus::kTooLarge},
      {2 * kMiB, 2 * kMiB, FileReadStatus::kOk},
      {2 * kMiB, UINT64_MAX, FileReadStatus::kOk},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " bytes, limit " << c.limit);
    std::string bytes(c.size, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    WriteFileBytes(Target(), bytes);
    const FileReadResult read = ReadWholeFile(Target(), c.limit);
    EXPECT_EQ(read.status, c.status);
    if (c.status == FileReadStatus::kOk) {
      EXPECT_TRUE(read.bytes == bytes) << "read " << read.bytes.size() << " bytes";
    } else {
      EXPECT_TRUE(read.bytes.empty());
      EXPECT_FALSE(read.error.empty());
    }
  }
}

TEST_F(Files, ReadsTheHeadOfAFile) {
  WriteFileBytes(Target(), "123456789");
  struct Case {
    std::uint64_t limit;
    std::string head;
  };
  const Case cases[] = {{0, ""}, {5, "12345"}, {9, "123456789"}, {1 << 20, "123456789"}};
  for (const Case& c : cases) {
    const FileReadResult read = ReadFileHead(Target(), c.limit);
    EXPECT_EQ(read.status, FileReadStatus::kOk) << c.limit;
    EXPECT_EQ(read.bytes, c.head) << c.limit;
  }
}

// A missing file or folder is "not found", anything else that cannot be
// read a failure; both come with the system's reason on one line.
TEST_F(Files, ReportsFilesThatCannotBeRead) {
  struct Case {
    fs::path path;
    FileReadStatus status;
  };
  const Case cases[] = {
      {folder_.Path() / "missing.ini", FileReadStatus::kNotFound},
      {folder_.Path() / "missing" / "Tintwright.ini", FileReadStatus::kNotFound},
      {folder_.Path(), FileReadStatus::kFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.string());
    for (const FileReadResult& read : {ReadWholeFile(c.path, 1024), ReadFileHead(c.path, 1024)}) {
      EXPECT_EQ(read.status, c.status);
      EXPECT_TRUE(read.bytes.empty());
      ASSERT_FALSE(read.error.empty());
      EXPECT_EQ(read.error.find_first_of("\r\n"), std::string::npos) << read.error;
      EXPECT_NE(read.error.back(), ' ') << read.error;
    }
  }
}

TEST_F(Files, TellsReadOnlyFilesApart) {
  EXPECT_FALSE(IsReadOnlyFile(Target())) << "missing";
  WriteFileBytes(Target(), "x");
  EXPECT_FALSE(IsReadOnlyFile(Target()));
  MakeReadOnly(Target());
  EXPECT_TRUE(IsReadOnlyFile(Target()));
  EXPECT_FALSE(IsReadOnlyFile(folder_.Path())) << "a folder";
  const fs::path readOnlyFolder = folder_.Path() / "sealed";
  fs::create_directories(readOnlyFolder);
  MakeReadOnly(readOnlyFolder);
  EXPECT_FALSE(IsReadOnlyFile(readOnlyFolder)) << "a read-only folder";
}

TEST(FilePaths, FileNameOfTakesThePartAfterTheLastSeparator) {
  struct Case {
    std::wstring path;
    std::wstring name;
  };
  const Case cases[] = {
      {L"C:\\Users\\me\\colors.plt", L"colors.plt"},
      {L"C:/Users/me/colors.plt", L"colors.plt"},
      {L"C:\\Users/me\\my colors.plt", L"my colors.plt"},
      {L"\\\\server\\share\\colors.plt", L"colors.plt"},
      {L"C:colors.plt", L"colors.plt"},
      {L"colors.plt", L"colors.plt"},
      {L"C:\\Users\\", L""},
      {L"", L""},
      {L"C:\\" + kNonAnsiName + L"\\" + kNonAnsiName + L".plt", kNonAnsiName + L".plt"},
  };
  for (const Case& c : cases) EXPECT_EQ(FileNameOf(c.path), c.name) << Narrow(c.path);
}

TEST(FilePaths, PathBesideProgramIsInTheFolderOfTheRunningProgram) {
  wchar_t program[MAX_PATH * 4] = {};
  ASSERT_NE(GetModuleFileNameW(nullptr, program, MAX_PATH * 4), 0u);
  EXPECT_EQ(fs::path(PathBesideProgram(L"Tintwright.ini")),
            fs::path(program).parent_path() / L"Tintwright.ini");
}

}  // namespace
}  // namespace tw::win

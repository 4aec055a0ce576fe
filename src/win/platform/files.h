#pragma once

// Files on disk through the Win32 calls alone: paths are UTF-16, contents are
// bytes, and a failure carries the system's own reason in UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace tw::win {

struct FileWriteResult {
  bool ok = false;
  std::string error;  // the reason when not ok
};

// Writes `bytes` to a uniquely named temporary file beside `target` and moves
// it over the target, so a crash leaves either the old file or the whole new
// one. Creates the missing folders. On failure no temporary file is left.
// Never throws.
FileWriteResult WriteFileAtomically(const std::wstring& target, std::string_view bytes);

enum class FileReadStatus { kOk, kNotFound, kTooLarge, kFailed };

struct FileReadResult {
  FileReadStatus status = FileReadStatus::kFailed;
  std::string bytes;  // the contents when kOk
  std::string error;  // the reason when not kOk
};

// Reads a whole file of at most `maxBytes` bytes; a longer one is kTooLarge.
// Never throws.
FileReadResult ReadWholeFile(const std::wstring& path, std::uint64_t maxBytes);

// Reads the first `maxBytes` bytes of a file, or all of a shorter one.
// Never throws.
FileReadResult ReadFileHead(const std::wstring& path, std::uint64_t maxBytes);

// True for an existing file, not a folder, with the read-only attribute.
bool IsReadOnlyFile(const std::wstring& path);

// The part of `path` after its last folder separator.
std::wstring FileNameOf(std::wstring_view path);

// The full path of the program file.
std::wstring ProgramFilePath();

// The path of a file called `fileName` in the folder of the program file.
std::wstring PathBesideProgram(std::wstring_view fileName);

}  // namespace tw::win

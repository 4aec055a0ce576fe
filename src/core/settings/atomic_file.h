#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tw {

struct FileWriteResult {
  bool ok = false;
  std::string error;  // the reason when not ok
};

// Writes `bytes` to a temporary file beside `target` and renames it over the
// target, so a crash leaves either the old file or the whole new one. Creates
// the folder when missing. Never throws.
FileWriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

enum class FileReadStatus { kOk, kNotFound, kTooLarge, kFailed };

struct FileReadResult {
  FileReadStatus status = FileReadStatus::kFailed;
  std::string bytes;  // the whole file when kOk
  std::string error;  // the reason when kFailed
};

// Reads a whole file of at most `maxBytes` bytes. Never throws.
FileReadResult ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// True for an existing file that may not be written: the read-only attribute
// on Windows, which the standard library reports as missing write permission.
bool IsReadOnlyFile(const std::filesystem::path& path);

}  // namespace tw

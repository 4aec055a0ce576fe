#include "win/platform/files.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <utility>

#include "win/platform/system_error.h"
#include "win/platform/text.h"

namespace tw::win {
namespace {

// One call reads or writes at most this much, well inside a DWORD.
constexpr DWORD kMaxChunkBytes = 1 << 20;
// Names taken by temporary files that a crash left behind are skipped; this
// many in a row means something else is wrong.
constexpr int kMaxTemporaryNameAttempts = 100;

// Closes the file once; a write's failure to close is seen through Close().
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }

  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The folder part of `path`; empty for a bare file name. A root keeps its
// separator: "C:" alone would mean the current folder of drive C.
std::wstring FolderOf(std::wstring_view path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring_view::npos) return {};
  const bool atRoot = separator == 0 || (separator == 2 && path[1] == L':');
  return std::wstring(path.substr(0, atRoot ? separator + 1 : separator));
}

// Creates `folder` and the missing folders above it. On failure the
// system's error is the last error.
bool CreateFolders(const std::wstring& folder) {
  if (IsFolder(folder)) return true;
  const std::wstring parent = FolderOf(folder);
  if (!parent.empty() && parent != folder && !CreateFolders(parent)) return false;
  if (CreateDirectoryW(folder.c_str(), nullptr)) return true;
  const DWORD error = GetLastError();
  // Another writer may have created it in the meantime.
  if (error == ERROR_ALREADY_EXISTS && IsFolder(folder)) return true;
  SetLastError(error);
  return false;
}

// A temporary file beside `target` under a name no other writer uses: the
// process id keeps two instances saving at once apart, and CREATE_NEW
// refuses a name that is taken after all.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& temporary) {
  static std::atomic<unsigned> counter{0};
  const std::wstring stem = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-";
  for (int attempt = 0; attempt < kMaxTemporaryNameAttempts; ++attempt) {
    temporary = stem + std::to_wstring(++counter) + L".tmp";
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kMaxChunkBytes));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

// Writes and closes the temporary file. It is flushed before it replaces the
// target: otherwise a crash just after the move could leave the target's
// name on contents that never reached the disk.
bool WriteTemporary(FileHandle& file, std::string_view bytes) {
  const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  const DWORD error = GetLastError();
  const bool closed = file.Close();
  if (written && !closed) return false;
  SetLastError(error);
  return written;
}

FileWriteResult WriteFailure(DWORD error) { return {false, SystemReason(error)}; }

FileReadResult ReadFailure(DWORD error) {
  const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  return {missing ? FileReadStatus::kNotFound : FileReadStatus::kFailed, {}, SystemReason(error)};
}

}  // namespace

FileWriteResult WriteFileAtomically(const std::wstring& target, std::string_view bytes) {
  try {
    // Windows refuses to move a file over a read-only one, Wine replaces
    // it: refused here, the attribute protects the file on both.
    if (IsReadOnlyFile(target)) return WriteFailure(ERROR_ACCESS_DENIED);
    const std::wstring folder = FolderOf(target);
    if (!folder.empty() && !CreateFolders(folder)) return WriteFailure(GetLastError());
    std::wstring temporary;
    FileHandle file(CreateTemporaryBeside(target, temporary));
    if (!file) return WriteFailure(GetLastError());
    if (!WriteTemporary(file, bytes) ||
        !MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD error = GetLastError();
      DeleteFileW(temporary.c_str());
      return WriteFailure(error);
    }
    return {true, {}};
  } catch (const std::exception& exception) {
    return {false, exception.what()};
  }
}

FileReadResult ReadFileHead(const std::wstring& path, std::uint64_t maxBytes) {
  try {
    // Other readers and writers may keep going: another instance may be
    // moving a new file over this one just now.
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return ReadFailure(GetLastError());
    std::string bytes;
    while (bytes.size() < maxBytes) {
      const std::size_t held = bytes.size();
      const auto chunk =
          static_cast<DWORD>(std::min<std::uint64_t>(maxBytes - held, kMaxChunkBytes));
      bytes.resize(held + chunk);
      DWORD read = 0;
      if (!ReadFile(file.Get(), bytes.data() + held, chunk, &read, nullptr))
        return ReadFailure(GetLastError());
      bytes.resize(held + read);
      if (read == 0) break;
    }
    return {FileReadStatus::kOk, std::move(bytes), {}};
  } catch (const std::exception& exception) {
    return {FileReadStatus::kFailed, {}, exception.what()};
  }
}

FileReadResult ReadWholeFile(const std::wstring& path, std::uint64_t maxBytes) {
  // One byte past the limit tells a file that is too large without trusting
  // a size taken beforehand: the file may grow while it is read.
  const std::uint64_t probe = maxBytes == UINT64_MAX ? maxBytes : maxBytes + 1;
  FileReadResult read = ReadFileHead(path, probe);
  if (read.status != FileReadStatus::kOk || read.bytes.size() <= maxBytes) return read;
  return {FileReadStatus::kTooLarge,
          {},
          "The file is larger than " + std::to_string(maxBytes) + " bytes."};
}

bool IsReadOnlyFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0 &&
         (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::wstring FileNameOf(std::wstring_view path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  if (separator != std::wstring_view::npos) return std::wstring(path.substr(separator + 1));
  // "C:colors.plt" names a file in the current folder of drive C.
  if (path.size() >= 2 && path[1] == L':') return std::wstring(path.substr(2));
  return std::wstring(path);
}

std::wstring ProgramFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: try again with more room
  }
}

std::wstring PathBesideProgram(std::wstring_view fileName) {
  std::wstring path = ProgramFilePath();
  path.resize(path.size() - FileNameOf(path).size());
  return path.append(fileName);
}

}  // namespace tw::win

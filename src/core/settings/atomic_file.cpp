#include "core/settings/atomic_file.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

namespace tw {
namespace {

namespace fs = std::filesystem;

// A name no other writer uses, so two instances saving at once never write
// into one temporary file.
fs::path TemporaryPathBeside(const fs::path& target) {
  std::random_device seed;
  std::mt19937_64 random(seed() ^ static_cast<std::uint64_t>(
                                      std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::path temporary;
  std::error_code ignored;
  do {
    // Built in the path's own characters: ASCII widens one to one, and no
    // code-page conversion gets involved.
    const std::string suffix = "." + std::to_string(random()) + ".tmp";
    temporary = target;
    temporary += fs::path::string_type(suffix.begin(), suffix.end());
  } while (fs::exists(temporary, ignored));
  return temporary;
}

// C files rather than streams: the streams would bring the whole locale
// machinery into the exe for two plain byte copies.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenFile(const fs::path& path, bool forWriting) {
#ifdef _WIN32
  // The narrow names would lose characters outside the code page.
  return File(_wfopen(path.c_str(), forWriting ? L"wb" : L"rb"));
#else
  return File(std::fopen(path.c_str(), forWriting ? "wb" : "rb"));
#endif
}

bool WriteBytes(const fs::path& path, std::string_view bytes) {
  File out = OpenFile(path, true);
  if (!out) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
  return std::fclose(out.release()) == 0 && written;
}

FileWriteResult WriteFailure(std::string error) { return {false, std::move(error)}; }

}  // namespace

FileWriteResult WriteFileAtomically(const fs::path& target, std::string_view bytes) {
  try {
    std::error_code error;
    const fs::path folder = target.parent_path();
    if (!folder.empty()) {
      fs::create_directories(folder, error);
      if (error) return WriteFailure("Cannot create folder: " + error.message());
    }
    const fs::path temporary = TemporaryPathBeside(target);
    if (!WriteBytes(temporary, bytes)) {
      fs::remove(temporary, error);
      return WriteFailure("Cannot write the temporary file");
    }
    fs::rename(temporary, target, error);
    if (error) {
      const std::string reason = error.message();
      fs::remove(temporary, error);
      return WriteFailure("Cannot replace the file: " + reason);
    }
    return {true, {}};
  } catch (const std::exception& exception) {
    return WriteFailure(exception.what());
  }
}

FileReadResult ReadWholeFile(const fs::path& path, std::uintmax_t maxBytes) {
  try {
    std::error_code error;
    if (!fs::exists(path, error)) {
      if (error) return {FileReadStatus::kFailed, {}, error.message()};
      return {FileReadStatus::kNotFound, {}, {}};
    }
    File in = OpenFile(path, false);
    if (!in) return {FileReadStatus::kFailed, {}, "Cannot open the file"};
    // Stop once past the limit instead of trusting a size taken beforehand:
    // the file may grow while it is read.
    std::string bytes;
    char buffer[4096];
    while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, in.get())) {
      bytes.append(buffer, count);
      if (bytes.size() > maxBytes) return {FileReadStatus::kTooLarge, {}, {}};
    }
    if (std::ferror(in.get())) return {FileReadStatus::kFailed, {}, "Cannot read the file"};
    return {FileReadStatus::kOk, std::move(bytes), {}};
  } catch (const std::exception& exception) {
    return {FileReadStatus::kFailed, {}, exception.what()};
  }
}

bool IsReadOnlyFile(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || !fs::is_regular_file(status)) return false;
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace tw

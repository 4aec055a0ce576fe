#include "app/atomic_file.h"

#include <chrono>
#include <fstream>
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
    temporary = target;
    temporary += "." + std::to_string(random()) + ".tmp";
  } while (fs::exists(temporary, ignored));
  return temporary;
}

bool WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
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
    std::ifstream in(path, std::ios::binary);
    if (!in) return {FileReadStatus::kFailed, {}, "Cannot open the file"};
    // Stop once past the limit instead of trusting a size taken beforehand:
    // the file may grow while it is read.
    std::string bytes;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
      bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
      if (bytes.size() > maxBytes) return {FileReadStatus::kTooLarge, {}, {}};
    }
    if (in.bad()) return {FileReadStatus::kFailed, {}, "Cannot read the file"};
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

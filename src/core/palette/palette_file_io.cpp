#include "core/palette/palette_file_io.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "core/settings/atomic_file.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

std::string Utf8Name(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

// The streams keep no reason of their own; the C library's errno holds the
// one the system gave for the failed open or read.
std::string LastSystemReason() {
  if (errno == 0) return "The file could not be read.";
  return std::generic_category().message(errno);
}

// The head of the file only: ReadWholeFile would refuse a longer file, while
// a palette file ignores everything after its twelfth line anyway.
Converted<std::string> ReadFileHead(const fs::path& path, std::size_t maxBytes) {
  const auto failure = [] { return Converted<std::string>::Failure(LastSystemReason()); };
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) return failure();
  std::string bytes(maxBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
  if (in.bad()) return failure();
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

}  // namespace

Converted<std::vector<TColor>> LoadPaletteFile(const fs::path& path,
                                               const EightBitCodec& eightBit) {
  const Converted<std::string> head = ReadFileHead(path, kMaxPaletteFileBytes);
  if (!head.ok()) {
    return Converted<std::vector<TColor>>::Failure("Cannot open file \"" + Utf8Name(path) + "\". " +
                                                   head.error());
  }
  return ParsePaletteFile(head.value(), eightBit);
}

std::optional<std::string> SavePaletteFile(const fs::path& path, const PaletteSlots& slots) {
  const FileWriteResult written = WriteFileAtomically(path, FormatPaletteFile(slots));
  if (written.ok) return std::nullopt;
  return "Cannot create file \"" + Utf8Name(path) + "\". " + written.error;
}

}  // namespace tw

#include "win/window/palette_file_io.h"

#include "win/platform/files.h"
#include "win/platform/text.h"

namespace tw::win {

Converted<std::vector<TColor>> LoadPaletteFile(const std::wstring& path,
                                               const EightBitCodec& eightBit) {
  // The head of the file only: ReadWholeFile would refuse a longer file,
  // while a palette file ignores everything after its twelfth line anyway.
  const FileReadResult head = ReadFileHead(path, kMaxPaletteFileBytes);
  if (head.status != FileReadStatus::kOk) {
    return Converted<std::vector<TColor>>::Failure("Cannot open file \"" + Narrow(path) + "\". " +
                                                   head.error);
  }
  return ParsePaletteFile(head.bytes, eightBit);
}

std::optional<std::string> SavePaletteFile(const std::wstring& path, const PaletteSlots& slots) {
  const FileWriteResult written = WriteFileAtomically(path, FormatPaletteFile(slots));
  if (written.ok) return std::nullopt;
  return "Cannot create file \"" + Narrow(path) + "\". " + written.error;
}

}  // namespace tw::win

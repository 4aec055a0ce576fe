#include "core/update/version_file.h"

#include <algorithm>

#include "core/text/ascii_case.h"

namespace tw {
namespace {

constexpr std::string_view kContentMarker = "content=";
// The longest value whose closing quote is still found.
constexpr size_t kMaxValueCharacters = 254;

size_t FindIgnoringAsciiCase(std::string_view text, std::string_view lowerNeedle) {
  const auto found = std::search(text.begin(), text.end(), lowerNeedle.begin(), lowerNeedle.end(),
                                 [](char a, char b) { return AsciiLower(a) == b; });
  return found == text.end() ? std::string_view::npos : static_cast<size_t>(found - text.begin());
}

bool StartsUtf8Character(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Skips one UTF-8 character from `position`.
size_t NextCharacter(std::string_view text, size_t position) {
  ++position;
  while (position < text.size() && !StartsUtf8Character(text[position])) ++position;
  return position;
}

}  // namespace

std::vector<std::string> SplitVersionFileLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::string ContentValue(std::string_view line) {
  const size_t marker = FindIgnoringAsciiCase(line, kContentMarker);
  if (marker == std::string_view::npos) return {};
  const size_t afterMarker = marker + kContentMarker.size();
  if (afterMarker >= line.size()) return {};
  const size_t valueStart = NextCharacter(line, afterMarker);  // past the opening quote
  size_t position = valueStart;
  for (size_t counted = 0; position < line.size() && counted <= kMaxValueCharacters; ++counted) {
    if (line[position] == '"') return std::string(line.substr(valueStart, position - valueStart));
    position = NextCharacter(line, position);
  }
  return {};
}

std::string FindKeyValue(const std::vector<std::string>& lines, std::string_view key) {
  const auto carrier = std::find_if(lines.rbegin(), lines.rend(), [key](const std::string& line) {
    return line.find(key) != std::string::npos;
  });
  return carrier == lines.rend() ? std::string() : ContentValue(*carrier);
}

std::optional<VersionFile> ReadVersionFile(std::string_view text) {
  const std::vector<std::string> lines = SplitVersionFileLines(text);
  VersionFile file;
  file.latestVersion = FindKeyValue(lines, "Version");
  if (file.latestVersion.empty()) return std::nullopt;
  for (size_t i = 0; i < file.whatsNew.size(); ++i) {
    file.whatsNew[i] = FindKeyValue(lines, "whatsnew" + std::to_string(i + 1));
  }
  return file;
}

std::string NewsText(const VersionFile& file) {
  std::string text;
  for (const std::string& line : file.whatsNew) text += line + "\r\n";
  return text;
}

}  // namespace tw

#include "core/settings/ini_file.h"

#include <algorithm>

#include "core/color/integer_text.h"
#include "core/text/ascii_case.h"

namespace tw {
namespace {

// Splits at CR LF, LF or a lone CR, so files edited on any system read alike.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crLf = text.compare(end, 2, "\r\n") == 0;
    text.remove_prefix(end + (crLf ? 2 : 1));
  }
  return lines;
}

bool IsSectionHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// A line break inside a value would split it into lines of its own when the
// file is read again, so it is stored as a blank.
std::string SingleLine(std::string_view value) {
  std::string line(value);
  std::ranges::replace_if(
      line, [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

auto NameMatches(std::string_view name) {
  return [name](std::string_view candidate) { return EqualsIgnoringAsciiCase(candidate, name); };
}

template <typename T, typename Parser>
Converted<T> ConvertedOrDefault(std::optional<std::string_view> text, T defaultValue,
                                Parser parse) {
  if (!text) return defaultValue;
  return parse(*text);
}

}  // namespace

IniFile IniFile::Parse(std::string_view bytes, const EightBitCodec& eightBit) {
  IniFile file;
  const DecodedText decoded = DecodeText(bytes, eightBit);
  file.encoding_ = decoded.encoding;
  Section* current = nullptr;
  for (std::string_view rawLine : SplitLines(decoded.utf8)) {
    const std::string_view line = TrimControlAndBlanks(rawLine);
    if (line.empty() || line.front() == ';') continue;
    if (IsSectionHeader(line)) {
      current = &file.SectionNamed(TrimControlAndBlanks(line.substr(1, line.size() - 2)));
      continue;
    }
    if (current == nullptr) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      current->entries.push_back({std::string(line), std::nullopt});
    } else {
      current->entries.push_back({std::string(TrimControlAndBlanks(line.substr(0, equals))),
                                  std::string(TrimControlAndBlanks(line.substr(equals + 1)))});
    }
  }
  return file;
}

std::optional<std::string> IniFile::Serialize(const EightBitCodec& eightBit) const {
  std::string text;
  for (const Section& section : sections_) {
    text += "[" + section.name + "]\r\n";
    for (const Entry& entry : section.entries) {
      text += entry.key;
      if (entry.value) text += "=" + *entry.value;
      text += "\r\n";
    }
    text += "\r\n";
  }
  // Characters the code page lacks (a palette named in another script) would
  // turn into "?"; UTF-8 keeps them, and a byte-order mark tells readers so.
  EncodedText encoded = EncodeText(text, encoding_, eightBit);
  if (encoded.outcome == EncodedText::Outcome::kUnrepresentable) {
    encoded = EncodeText(text, TextEncoding::kUtf8Bom, eightBit);
  }
  // A failed conversion has no text; an empty file would lose every setting.
  if (!encoded.ok()) return std::nullopt;
  return std::move(encoded.bytes);
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  return FindValue(section, key).has_value();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  return std::string(FindValue(section, key).value_or(defaultValue));
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Section& target = SectionNamed(section);
  const auto found = std::ranges::find_if(target.entries, NameMatches(key), &Entry::key);
  if (found == target.entries.end()) {
    target.entries.push_back({std::string(key), SingleLine(value)});
  } else {
    found->value = SingleLine(value);
  }
}

Converted<std::int32_t> IniFile::ReadInteger(std::string_view section, std::string_view key,
                                             std::int32_t defaultValue) const {
  return ConvertedOrDefault(FindValue(section, key), defaultValue, ParseIniInteger);
}

Converted<bool> IniFile::ReadBool(std::string_view section, std::string_view key,
                                  bool defaultValue) const {
  return ConvertedOrDefault(FindValue(section, key), defaultValue, ParseIniBool);
}

Converted<TColor> IniFile::ReadColor(std::string_view section, std::string_view key,
                                     TColor defaultValue) const {
  return ConvertedOrDefault(FindValue(section, key), defaultValue, ParseIniColor);
}

std::optional<PositionItems> IniFile::ReadPosition(std::string_view section, std::string_view key,
                                                   const PositionItems& defaults) const {
  const auto text = FindValue(section, key);
  if (!text || text->empty()) return std::nullopt;
  return ParseIniPosition(*text, defaults);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, FormatIniInteger(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, FormatIniBool(value));
}

void IniFile::WriteColor(std::string_view section, std::string_view key, TColor value) {
  WriteString(section, key, FormatIniColor(value));
}

void IniFile::WritePosition(std::string_view section, std::string_view key,
                            const PositionItems& items) {
  WriteString(section, key, FormatIniPosition(items));
}

std::optional<std::string_view> IniFile::FindValue(std::string_view section,
                                                   std::string_view key) const {
  const auto named = std::ranges::find_if(sections_, NameMatches(section), &Section::name);
  if (named == sections_.end()) return std::nullopt;
  const auto found = std::ranges::find_if(named->entries, NameMatches(key), &Entry::key);
  if (found == named->entries.end()) return std::nullopt;
  return found->value ? std::string_view(*found->value) : std::string_view();
}

IniFile::Section& IniFile::SectionNamed(std::string_view name) {
  const auto found = std::ranges::find_if(sections_, NameMatches(name), &Section::name);
  if (found != sections_.end()) return *found;
  return sections_.emplace_back(Section{std::string(name), {}});
}

}  // namespace tw

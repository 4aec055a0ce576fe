#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color/tcolor.h"
#include "core/settings/ini_values.h"
#include "core/text/text_encoding.h"

namespace tw {

// A settings file held in memory. Sections and keys keep their file order,
// entries the program does not know are kept and written back, and names
// are compared without regard to ASCII letter case. Comments, empty lines and
// lines before the first section are dropped when the file is read.
class IniFile {
 public:
  static IniFile Parse(std::string_view bytes, const EightBitCodec& eightBit);

  // CR LF line ends and an empty line after every section, in the encoding
  // the file was read in; a new file is 8-bit text. Nothing when the text
  // could not be converted: then the file on disk must stay as it is.
  std::optional<std::string> Serialize(const EightBitCodec& eightBit) const;

  bool HasKey(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // A new key goes to the end of its section, a new section to the end of
  // the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // An absent key gives the default; a present one that cannot be converted
  // gives the conversion error.
  Converted<std::int32_t> ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue) const;
  Converted<bool> ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
  Converted<TColor> ReadColor(std::string_view section, std::string_view key,
                              TColor defaultValue) const;
  // Nothing when the key is absent or empty; otherwise its items, each
  // missing or invalid one replaced by its default.
  std::optional<PositionItems> ReadPosition(std::string_view section, std::string_view key,
                                            const PositionItems& defaults) const;

  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void WriteColor(std::string_view section, std::string_view key, TColor value);
  void WritePosition(std::string_view section, std::string_view key, const PositionItems& items);

 private:
  struct Entry {
    std::string key;
    std::optional<std::string> value;  // nothing: the line had no "="
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  // Nothing when the key is absent; a key without "=" has the empty value.
  std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;
  Section& SectionNamed(std::string_view name);

  std::vector<Section> sections_;
  TextEncoding encoding_ = TextEncoding::kEightBit;
};

}  // namespace tw

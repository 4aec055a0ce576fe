#include "settings_checks.h"

#include "core/settings/ini_file.h"
#include "scratch_files.h"
#include "settings_keys.h"

namespace tw::fuzz {
namespace {

namespace fs = std::filesystem;

const Windows1252Codec kCodec;

constexpr PositionItems kPositionDefaults = {-1, -2, -3, -4};
constexpr PositionItems kOtherPositionDefaults = {7, 8, 9, 10};

// Only the raw lines this far into an input go to the value readers, which
// keeps long inputs quick.
constexpr std::size_t kMaxRawLines = 64;

std::string Quoted(std::string_view text, std::string_view form) {
  std::string message = "'";
  message.append(text).append("' is not a valid ").append(form).append(" value");
  return message;
}

// A value read from `text` is written and read back unchanged; a refused
// one quotes `text` exactly.
template <typename T>
void ExpectSoundRead(CheckResult& result, const Converted<T>& read, std::string_view text,
                     std::string_view form, Converted<T> (*parse)(std::string_view),
                     std::string (*format)(T)) {
  if (!read.ok()) {
    result.Expect(read.error() == Quoted(text, form), "unexpected message: " + read.error());
    return;
  }
  const Converted<T> again = parse(format(read.value()));
  result.Expect(again.ok() && again.value() == read.value(),
                std::string(form) + " '" + std::string(text) + "' does not survive a rewrite");
}

void ExpectSoundPosition(CheckResult& result, const PositionItems& items) {
  result.Expect(ParseIniPosition(FormatIniPosition(items), kOtherPositionDefaults) == items,
                "position does not survive a rewrite: " + FormatIniPosition(items));
}

// Reads `key` in its form; answers whether it converted.
bool ReadKey(CheckResult& result, const IniFile& ini, const SettingsKey& key) {
  const std::string text = ini.ReadString(kSettingsSection, key.name, "");
  switch (key.form) {
    case ValueForm::kInteger: {
      const auto read = ini.ReadInteger(kSettingsSection, key.name, 0);
      ExpectSoundRead(result, read, text, "integer", ParseIniInteger, FormatIniInteger);
      return read.ok();
    }
    case ValueForm::kBoolean: {
      const auto read = ini.ReadBool(kSettingsSection, key.name, false);
      ExpectSoundRead(result, read, text, "boolean", ParseIniBool, FormatIniBool);
      return read.ok();
    }
    case ValueForm::kColor: {
      const auto read = ini.ReadColor(kSettingsSection, key.name, 0);
      ExpectSoundRead(result, read, text, "integer", ParseIniColor, FormatIniColor);
      return read.ok();
    }
    case ValueForm::kPosition:
      if (const auto items = ini.ReadPosition(kSettingsSection, key.name, kPositionDefaults)) {
        ExpectSoundPosition(result, *items);
      }
      return true;
    case ValueForm::kString:
      return true;
  }
  return true;
}

// Every value reader on every raw line, whether or not it holds a key.
void CheckValueReaders(CheckResult& result, std::string_view input) {
  for (std::size_t line = 0; line < kMaxRawLines && !input.empty(); ++line) {
    const std::size_t end = input.find('\n');
    const std::string_view text = input.substr(0, end);
    ExpectSoundRead(result, ParseIniInteger(text), text, "integer", ParseIniInteger,
                    FormatIniInteger);
    ExpectSoundRead(result, ParseIniBool(text), text, "boolean", ParseIniBool, FormatIniBool);
    ExpectSoundRead(result, ParseIniColor(text), text, "integer", ParseIniColor, FormatIniColor);
    ExpectSoundPosition(result, ParseIniPosition(text, kPositionDefaults));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
}

// Writing back every value read and reading the result gives the same values.
void CheckRewrite(CheckResult& result, const IniFile& ini, const std::vector<SettingsKey>& keys) {
  IniFile rewritten = ini;
  for (const SettingsKey& key : keys) {
    if (!ini.HasKey(kSettingsSection, key.name)) continue;
    rewritten.WriteString(kSettingsSection, key.name,
                          ini.ReadString(kSettingsSection, key.name, ""));
  }
  const IniFile reread = IniFile::Parse(rewritten.Serialize(kCodec).value(), kCodec);
  for (const SettingsKey& key : keys) {
    result.Expect(reread.ReadString(kSettingsSection, key.name, "\x01") ==
                      ini.ReadString(kSettingsSection, key.name, "\x01"),
                  key.name + " changed when written back");
  }
}

}  // namespace

std::vector<std::string> SettingsSeeds(const fs::path& fixtureFolder) {
  std::vector<std::string> seeds = ReadFilesIn(fixtureFolder);
  IniFile written;
  IniFile loose;
  const TColor colors[] = {0x00FF00, 10551540, -16777201, 0x1FFFFFFF, 255, -1};
  std::size_t next = 0;
  for (const SettingsKey& key : SettingsKeys()) {
    const std::string& name = key.name;
    switch (key.form) {
      case ValueForm::kInteger:
        written.WriteInteger(kSettingsSection, name, -12);
        loose.WriteString(kSettingsSection, name, "$7FFFFFFF");
        break;
      case ValueForm::kBoolean:
        written.WriteBool(kSettingsSection, name, true);
        loose.WriteString(kSettingsSection, name, "yes");
        break;
      case ValueForm::kColor:
        written.WriteColor(kSettingsSection, name, colors[next++ % std::size(colors)]);
        loose.WriteString(kSettingsSection, name, "CLLIME");
        break;
      case ValueForm::kPosition:
        written.WritePosition(kSettingsSection, name, {10, 20, 330, 290});
        loose.WriteString(kSettingsSection, name, "1,,x,4,5");
        break;
      case ValueForm::kString:
        written.WriteString(kSettingsSection, name, "colors.plt");
        loose.WriteString(kSettingsSection, name, "caf\u00e9 = \u20ac.plt");
        break;
    }
  }
  seeds.push_back(written.Serialize(kCodec).value());
  seeds.push_back(loose.Serialize(kCodec).value());
  return seeds;
}

std::vector<std::string> SettingsTokens() {
  std::vector<std::string> tokens = {
      "[Tintwright]", "[tintwright]", "[",      "]",         "=",       ";", "\r\n",
      "\n",           "\r",           " ",      "TRUE",      "no",      "Y", "$FF",
      "-2147483648",  "2147483648",   "clLime", "CLBTNFACE", "1,2,3,4", ",", ",,,"};
  for (const SettingsKey& key : SettingsKeys()) tokens.push_back(key.name + "=");
  return tokens;
}

CheckResult CheckSettingsInput(std::string_view input) {
  CheckResult result;
  const IniFile ini = IniFile::Parse(input, kCodec);
  const std::string written = ini.Serialize(kCodec).value();
  const std::vector<SettingsKey> keys = SettingsKeys();
  std::size_t present = 0;
  std::size_t refused = 0;
  for (const SettingsKey& key : keys) {
    if (!ini.HasKey(kSettingsSection, key.name)) continue;
    ++present;
    if (!ReadKey(result, ini, key)) ++refused;
  }
  result.outcome = present == 0   ? "no key of the program"
                   : refused == 0 ? "every key read"
                                  : "some key refused";
  result.Expect(IniFile::Parse(written, kCodec).Serialize(kCodec) == written,
                "the written file does not read back alike");
  CheckRewrite(result, ini, keys);
  CheckValueReaders(result, input);
  return result;
}

}  // namespace tw::fuzz

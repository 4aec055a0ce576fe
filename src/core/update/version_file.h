#pragma once

// The version file on the maker's web server: lines of text in which a line
// carries a key ("Version", "whatsnew1" … "whatsnew4") when the key occurs
// anywhere in it, and holds its value after the first CONTENT=, between
// double quotes. Usually a few HTML meta tags, such as
//   <meta name="Version" content="10.2">

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Splits text at CR LF, LF or a lone CR. A line break at the very end starts
// no further line.
std::vector<std::string> SplitVersionFileLines(std::string_view text);

// The text after the first "CONTENT=" (in any letter case) and the one
// character after it, the opening quote, up to the next double quote. The
// closing quote must lie within the 255 characters after the opening one;
// a value that long, a line without CONTENT= and a value that never ends
// all read as empty.
std::string ContentValue(std::string_view line);

// The value of the last line that carries `key` (a case-sensitive
// substring), or empty when no line does.
std::string FindKeyValue(const std::vector<std::string>& lines, std::string_view key);

struct VersionFile {
  std::string latestVersion;              // as written, for example "10.2"
  std::array<std::string, 4> whatsNew{};  // empty where a line is missing
};

// The latest version and the four news lines of a version file given as
// UTF-8 text; nothing when no line gives a non-empty "Version" value.
std::optional<VersionFile> ReadVersionFile(std::string_view text);

// The news lines as the update dialog lists them: each followed by CR LF.
std::string NewsText(const VersionFile& file);

}  // namespace tw

#include "core/update/version_file.h"

#include <array>
#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace tw {
namespace {

using namespace std::string_literals;

struct VersionFileCase {
  const char* description;
  std::string text;
  std::optional<std::string> latest;  // nothing: the file is refused
  std::array<std::string, 4> whatsNew{};
};

const std::string kFullFile =
    "<html><head>\r\n"
    "<meta name=\"Version\" CONTENT=\"10.2\">\r\n"
    "<meta name=\"whatsnew1\" CONTENT=\"Faster wheel\">\r\n"
    "<meta name=\"whatsnew2\" CONTENT=\"New palette\">\r\n"
    "<meta name=\"whatsnew3\" CONTENT=\"Fixes\">\r\n"
    "<meta name=\"whatsnew4\" CONTENT=\"More names\">\r\n"
    "</head></html>\r\n";
const std::array<std::string, 4> kFullNews = {"Faster wheel", "New palette", "Fixes", "More names"};

std::string WithLineEnds(std::string_view lineEnd) {
  std::string text;
  for (const char* line :
       {"<meta name=\"whatsnew1\" content=\"one\">", "<meta name=\"Version\" content=\"3.4\">",
        "<meta name=\"whatsnew2\" content=\"two\">"}) {
    text += line;
    text += lineEnd;
  }
  return text;
}

std::string ValueOfLength(size_t length) { return std::string(length, '7'); }

const VersionFileCase kVersionFileCases[] = {
    {"every key, CR LF", kFullFile, "10.2", kFullNews},
    {"LF line ends", WithLineEnds("\n"), "3.4", {"one", "two", "", ""}},
    {"CR line ends", WithLineEnds("\r"), "3.4", {"one", "two", "", ""}},
    {"no line end after the last line",
     "whatsnew1 content=\"one\"\r\nVersion content=\"3.4\"",
     "3.4",
     {"one"}},
    {"mixed line ends and blank lines",
     "\r\n\n<meta name=\"Version\" content=\"5.0\">\r\r\n\n<meta name=\"whatsnew4\" "
     "content=\"four\">\n\r",
     "5.0",
     {"", "", "", "four"}},
    {"a missing news line leaves its place empty",
     "Version CONTENT=\"1.1\"\nwhatsnew1 CONTENT=\"a\"\nwhatsnew2 CONTENT=\"b\"\nwhatsnew4 "
     "CONTENT=\"d\"\n",
     "1.1",
     {"a", "b", "", "d"}},
    {"a news line that says Version replaces the version, being later",
     "Version content=\"10.2\"\nwhatsnew1 content=\"Version 11 is planned\" x=\"y\"\n",
     "Version 11 is planned",
     {"Version 11 is planned"}},
    {"the last of several Version lines wins", "Version content=\"1.0\"\nVersion content=\"2.5\"\n",
     "2.5"},
    {"CONTENT= in lower and mixed case",
     "Version content=\"7.1\"\nwhatsnew1 CoNtEnT=\"x\"",
     "7.1",
     {"x"}},
    {"the first CONTENT= of a line counts", "Version content=\"1.2\" content=\"3.4\"", "1.2"},
    {"the value keeps its letter case", "Version content=\"10.2 Beta\"", "10.2 Beta"},
    {"exactly one character after CONTENT= is skipped", "Version content=10.2\" rest", "0.2"},
    {"a value of 254 characters is read", "Version content=\"" + ValueOfLength(254) + "\"",
     ValueOfLength(254)},
    {"a zero byte is only a character", "junk\0junk\r\nVersion content=\"4.0\"\0tail"s, "4.0"},
    {"characters beyond ASCII count as one each",
     "Version content=\"2.0 \xC3\xBC\"\nwhatsnew1 content=\"" + std::string(126, 'a') +
         std::string(64, '\0') + "\xE2\x80\x93" + std::string(63, 'b') + "\"",
     "2.0 \xC3\xBC",
     {std::string(126, 'a') + std::string(64, '\0') + "\xE2\x80\x93" + std::string(63, 'b')}},
    // Refused: no line gives a non-empty version.
    {"an empty body", "", std::nullopt},
    {"an error page", "<html><body><h1>404 Not Found</h1></body></html>\r\n", std::nullopt},
    {"the key is case-sensitive", "version content=\"10.2\"\nVERSION content=\"10.2\"",
     std::nullopt},
    {"an empty value", "Version content=\"\"", std::nullopt},
    {"no CONTENT= in the line", "Version 10.2", std::nullopt},
    {"a later Version line without CONTENT= hides the earlier one",
     "Version content=\"10.2\"\n<!-- Version file -->", std::nullopt},
    {"no closing quote", "Version content=\"10.2", std::nullopt},
    {"CONTENT= at the end of the line", "Version content=", std::nullopt},
    {"a value of 255 characters", "Version content=\"" + ValueOfLength(255) + "\"", std::nullopt},
    {"the value lies on the next line", "Version content=\"\n10.2\"", std::nullopt},
};

void PrintTo(const VersionFileCase& c, std::ostream* out) { *out << c.description; }

class VersionFileTest : public testing::TestWithParam<VersionFileCase> {};

TEST_P(VersionFileTest, ReadsTheLatestVersionAndTheNews) {
  const VersionFileCase& c = GetParam();
  const std::optional<VersionFile> file = ReadVersionFile(c.text);
  ASSERT_EQ(file.has_value(), c.latest.has_value());
  if (!file) return;
  EXPECT_EQ(file->latestVersion, *c.latest);
  EXPECT_EQ(file->whatsNew, c.whatsNew);
}

INSTANTIATE_TEST_SUITE_P(Cases, VersionFileTest, testing::ValuesIn(kVersionFileCases),
                         [](const testing::TestParamInfo<VersionFileCase>& info) {
                           std::string name;
                           for (const char* c = info.param.description; *c; ++c) {
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           }
                           return name;
                         });

TEST(VersionFileLines, SplitAtEachKindOfLineEnd) {
  const std::vector<std::string> expected = {"a", "", "b", "c", "", "d"};
  EXPECT_EQ(SplitVersionFileLines("a\r\n\r\nb\rc\n\nd"), expected);
  EXPECT_EQ(SplitVersionFileLines("a\r\n\r\nb\rc\n\nd\r\n"), expected);
  EXPECT_EQ(SplitVersionFileLines("\n"), std::vector<std::string>{""});
  EXPECT_TRUE(SplitVersionFileLines("").empty());
}

TEST(VersionFileNews, EachLineIsFollowedByCrLf) {
  VersionFile file;
  file.whatsNew = {"one", "", "three", ""};
  EXPECT_EQ(NewsText(file), "one\r\n\r\nthree\r\n\r\n");
}

}  // namespace
}  // namespace tw

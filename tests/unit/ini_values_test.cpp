#include "core/settings/ini_values.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/color/color_idents.h"

namespace tw {
namespace {

constexpr TColor kSystemColor25 = -16777216 + 25;

template <typename T>
using ReadCases = std::vector<std::pair<const char*, T>>;

template <typename T>
void ExpectReads(Converted<T> (*parse)(std::string_view), const ReadCases<T>& cases) {
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    const Converted<T> read = parse(text);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read.value(), expected);
  }
}

template <typename T>
void ExpectRejects(Converted<T> (*parse)(std::string_view), std::vector<const char*> texts,
                   const char* form) {
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    const Converted<T> read = parse(text);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error(), "'" + std::string(text) + "' is not a valid " + form + " value");
  }
}

TEST(IniIntegerValue, ReadsDecimalAndDollarHexAndEmptyAsZero) {
  ExpectReads<std::int32_t>(ParseIniInteger, {
                                                 {"0", 0},
                                                 {"-12", -12},
                                                 {"$FF", 255},
                                                 {"", 0},
                                                 {"2147483647", 2147483647},
                                                 {"-2147483648", -2147483647 - 1},
                                             });
}

TEST(IniIntegerValue, RejectsOtherTextWithTheIntegerMessage) {
  ExpectRejects(ParseIniInteger, {"abc", "12a", "1.5", "2147483648", "1 2"}, "integer");
}

TEST(IniIntegerValue, WritesSignedDecimal) {
  EXPECT_EQ(FormatIniInteger(0), "0");
  EXPECT_EQ(FormatIniInteger(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(FormatIniInteger(2303), "2303");
}

TEST(IniBoolValue, ReadsWordsInAnyCaseThenIntegers) {
  ExpectReads<bool>(ParseIniBool, {
                                      {"TRUE", true},
                                      {"true", true},
                                      {"Yes", true},
                                      {"yes", true},
                                      {"Y", true},
                                      {"y", true},
                                      {"1", true},
                                      {"2", true},
                                      {"-1", true},
                                      {"$10", true},
                                      {"FALSE", false},
                                      {"False", false},
                                      {"NO", false},
                                      {"n", false},
                                      {"N", false},
                                      {"0", false},
                                      {"", false},
                                  });
}

TEST(IniBoolValue, RejectsTextThatIsNeitherWordNorInteger) {
  ExpectRejects(ParseIniBool, {"maybe", "yess", "T", "on"}, "boolean");
}

TEST(IniBoolValue, WritesUpperCaseWords) {
  EXPECT_EQ(FormatIniBool(true), "TRUE");
  EXPECT_EQ(FormatIniBool(false), "FALSE");
}

TEST(IniColorValue, WritesTheIdentifierWhenThereIsOneElseSignedDecimal) {
  const std::pair<TColor, const char*> cases[] = {
      {MakeColor(0, 255, 0), "clLime"}, {255, "clRed"},
      {10551540, "10551540"},           {-16777216 + 15, "clBtnFace"},
      {kSystemColor25, "-16777191"},    {536870911, "clNone"},
  };
  for (const auto& [color, expected] : cases) {
    EXPECT_EQ(FormatIniColor(color), expected) << color;
  }
}

TEST(IniColorValue, ReadsIdentifiersInAnyCaseAndIntegers) {
  ExpectReads<TColor>(ParseIniColor, {
                                         {"clLime", 65280},
                                         {"CLLIME", 65280},
                                         {"65280", 65280},
                                         {"$FF00", 65280},
                                         {"clbtnface", -16777201},
                                         {"-16777201", -16777201},
                                         {"10551540", 10551540},
                                     });
}

TEST(IniColorValue, RejectsOtherTextIncludingEmpty) {
  ExpectRejects(ParseIniColor, {"", "#00FF00", "clLimeGreen", "Lime"}, "integer");
}

TEST(IniColorValue, EveryIdentifiedColorReadsBackAsWritten) {
  for (const ColorIdent& ident : ColorIdents()) {
    EXPECT_EQ(ParseIniColor(FormatIniColor(ident.value)).value(), ident.value) << ident.name;
  }
}

TEST(IniPositionValue, WritesFourItemsWithoutBlanks) {
  EXPECT_EQ(FormatIniPosition({-8, 0, 1920, 1080}), "-8,0,1920,1080");
}

TEST(IniPositionValue, ReplacesMissingOrInvalidItemsWithTheirDefaults) {
  const PositionItems defaults{-1, -2, -3, -4};
  const std::pair<const char*, PositionItems> cases[] = {
      {"10,20,30,40", {10, 20, 30, 40}}, {"10,20", {10, 20, -3, -4}},
      {"10,,x,40", {10, -2, -3, 40}},    {" 10, 20", {10, 20, -3, -4}},
      {"10 ,20", {-1, 20, -3, -4}},      {"1,2,3,4,5", {1, 2, 3, 4}},
      {"$10,20", {16, 20, -3, -4}},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseIniPosition(text, defaults), expected) << text;
  }
}

}  // namespace
}  // namespace tw

#include "core/settings/command_line.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

constexpr const char* kProgram = "C:\\Program Files\\Tintwright\\Tintwright.exe";

// Only what differs from a start without switches is spelled out.
struct CommandLineCase {
  const char* name;
  std::vector<std::string> arguments;
  bool singleInstance = true;
  bool allowClose = false;
  bool autostart = false;
  bool noTray = false;
  const char* colorCode = "";
  bool runsSingleInstanceCheck = true;
};

// Shows the case's name instead of its bytes in test listings.
void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << c.name; }

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, SetsTheFinalFlags) {
  const CommandLineCase& c = GetParam();
  const StartupOptions options = ParseCommandLine(c.arguments);
  EXPECT_EQ(options.singleInstance, c.singleInstance);
  EXPECT_EQ(options.allowClose, c.allowClose);
  EXPECT_EQ(options.autostart, c.autostart);
  EXPECT_EQ(options.noTray, c.noTray);
  EXPECT_EQ(options.colorCode, c.colorCode);
  EXPECT_EQ(options.RunsSingleInstanceCheck(), c.runsSingleInstanceCheck);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLineTest,
    ::testing::Values(
        CommandLineCase{.name = "NoArguments", .arguments = {kProgram}},
        CommandLineCase{.name = "MixedCase",
                        .arguments = {kProgram, "/MULTI", "/AllowClose", "/AutoStart"},
                        .singleInstance = false,
                        .allowClose = true,
                        .autostart = true,
                        .runsSingleInstanceCheck = false},
        CommandLineCase{.name = "OnlyWholeLowerCasedArgumentsCount",
                        .arguments = {kProgram, "-multi", "/multi=1", "/multi:1", "/multix",
                                      " /multi", "/allow", "autostart", "/MULT\xC4\xB0"}},
        // "/notray" cancels "/autostart" whatever the order.
        CommandLineCase{.name = "NoTrayBeforeAutostart",
                        .arguments = {kProgram, "/notray", "/autostart"},
                        .allowClose = true,
                        .noTray = true,
                        .runsSingleInstanceCheck = false},
        CommandLineCase{.name = "NoTrayAfterAutostart",
                        .arguments = {kProgram, "/AUTOSTART", "/NoTray"},
                        .allowClose = true,
                        .noTray = true,
                        .runsSingleInstanceCheck = false},
        CommandLineCase{.name = "LastColorWins",
                        .arguments = {kProgram, "#FF0000", "ff8000"},
                        .colorCode = "ff8000"},
        CommandLineCase{.name = "AutostartWithColor",
                        .arguments = {kProgram, "/autostart", "ABC123"},
                        .autostart = true,
                        .colorCode = "ABC123"},
        CommandLineCase{.name = "ProgramPathTakesPart",
                        .arguments = {"/multi"},
                        .singleInstance = false,
                        .runsSingleInstanceCheck = false},
        CommandLineCase{
            .name = "ProgramPathCanBeTheColor", .arguments = {"deadbeef"}, .colorCode = "deadbeef"},
        CommandLineCase{.name = "EmptyArgumentKeepsTheColor",
                        .arguments = {kProgram, "ff8000", ""},
                        .colorCode = "ff8000"}),
    [](const ::testing::TestParamInfo<CommandLineCase>& info) { return info.param.name; });

TEST(LooksLikeColorCode, AcceptsOnlyHashDigitsAndHexLetters) {
  struct Case {
    std::string_view argument;
    bool expected;
  };
  const Case cases[] = {
      {"#", true},
      {"0123456789", true},
      {"abcdefABCDEF", true},
      {"#FF0000", true},
      {"##12##", true},
      {"#FF 00", false},
      {"1,2", false},
      {"rgb(1)", false},
      {"-12", false},
      {"fg", false},
      {"\xC3\xBF", false},      // U+00FF, code 255
      {"\xEF\xBC\xA1", false},  // fullwidth A, above code 255
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LooksLikeColorCode(c.argument), c.expected) << c.argument;
  }
}

}  // namespace
}  // namespace tw

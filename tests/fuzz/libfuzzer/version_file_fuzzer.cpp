// The version file from the maker's server: any body splits into lines that
// hold every byte but the line breaks; a value is a piece of its line with
// no quote in it; a file that reads names a version, and comparing it with
// the running version agrees with its numbers.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/update/version_compare.h"
#include "core/update/version_file.h"
#include "fuzz_expect.h"

namespace tw::fuzz {
namespace {

void CheckLines(std::string_view text) {
  std::string kept;
  for (const std::string& line : SplitVersionFileLines(text)) {
    Expect(line.find_first_of("\r\n") == std::string::npos, "a line holds a line break");
    kept += line;
  }
  std::string withoutBreaks;
  for (const char c : text) {
    if (c != '\r' && c != '\n') withoutBreaks += c;
  }
  Expect(kept == withoutBreaks, "splitting lost or added bytes");
}

void CheckValue(std::string_view line) {
  const std::string value = ContentValue(line);
  Expect(value.find('"') == std::string::npos, "a value holds a quote");
  Expect(line.find(value) != std::string_view::npos, "a value is not a piece of its line");
}

void CheckComparison(std::string_view running, std::string_view latest) {
  const UpdateOutcome outcome = CompareWithRunningVersion(running, latest);
  const int runningMajor = MajorVersionNumber(running);
  const int latestMajor = MajorVersionNumber(latest);
  switch (outcome) {
    case UpdateOutcome::kMajorUpgrade:
      Expect(latestMajor > runningMajor, "a major upgrade without a higher major number");
      break;
    case UpdateOutcome::kMinorUpgrade:
      Expect(
          latestMajor == runningMajor && MinorVersionNumber(latest) > MinorVersionNumber(running),
          "a minor upgrade without a higher minor number");
      break;
    case UpdateOutcome::kUpToDate:
      Expect(
          latestMajor < runningMajor || (latestMajor == runningMajor &&
                                         MinorVersionNumber(latest) <= MinorVersionNumber(running)),
          "up to date against a higher version");
      break;
  }
  Expect(CompareWithRunningVersion(latest, latest) == UpdateOutcome::kUpToDate,
         "a version is newer than itself");
}

void CheckInput(std::string_view text) {
  CheckLines(text);
  for (const std::string& line : SplitVersionFileLines(text)) CheckValue(line);
  const std::optional<VersionFile> file = ReadVersionFile(text);
  if (!file) return;
  Expect(!file->latestVersion.empty(), "a file that reads names no version");
  CheckComparison("1.0", file->latestVersion);
  CheckComparison(file->latestVersion, "1.0");
  std::string news;
  for (const std::string& line : file->whatsNew) news += line + "\r\n";
  Expect(NewsText(*file) == news, "the news text is not the four lines");
}

}  // namespace
}  // namespace tw::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tw::fuzz::CheckInput(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}

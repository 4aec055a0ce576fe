#include "core/update/version_compare.h"

#include "core/color/integer_text.h"

namespace tw {
namespace {

int IntegerOrZero(std::string_view text) { return ParseIntegerText(text).value_or(0); }

}  // namespace

int MajorVersionNumber(std::string_view version) {
  const size_t point = version.find('.');
  return point == std::string_view::npos ? 0 : IntegerOrZero(version.substr(0, point));
}

int MinorVersionNumber(std::string_view version) {
  const size_t point = version.find('.');
  return IntegerOrZero(point == std::string_view::npos ? version : version.substr(point + 1));
}

UpdateOutcome CompareWithRunningVersion(std::string_view running, std::string_view latest) {
  const int runningMajor = MajorVersionNumber(running);
  const int latestMajor = MajorVersionNumber(latest);
  if (latestMajor > runningMajor) return UpdateOutcome::kMajorUpgrade;
  if (latestMajor == runningMajor && MinorVersionNumber(latest) > MinorVersionNumber(running))
    return UpdateOutcome::kMinorUpgrade;
  return UpdateOutcome::kUpToDate;
}

}  // namespace tw

// Feeds seeded random mutations of palette and settings files through the
// core parsers and checks what they make of them. Built with the sanitizers,
// a crash or undefined behaviour ends the run with the sanitizer's report;
// the input under test is always in the scratch folder's current-*.bin.
// The Windows build also puts every input on disk and reads it back through
// the program's file layer.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "check_result.h"
#include "core/palette/palette_file.h"
#include "mutator.h"
#include "palette_checks.h"
#include "scratch_files.h"
#include "settings_checks.h"
#include "watchdog.h"

#ifdef TW_FUZZ_DISK_CHECKS
#include "disk_checks.h"
#endif

namespace tw::fuzz {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Findings printed per format; all of them are counted and kept as files.
constexpr std::uint64_t kFindingsShown = 10;

struct Options {
  std::uint64_t seed = 1;
  std::uint64_t inputs = 10000;
  fs::path data = TW_FUZZ_DATA_DIR;
  std::chrono::milliseconds hangLimit{10000};
};

using DiskCheck = void (*)(CheckResult&, std::string_view, const fs::path&);

#ifdef TW_FUZZ_DISK_CHECKS
constexpr DiskCheck kPaletteDiskCheck = CheckPaletteOnDisk;
constexpr DiskCheck kSettingsDiskCheck = CheckSettingsOnDisk;
constexpr const char* kDiskChecksNote = "disk checks through the Win32 file layer";
#else
// The file layer is Win32 code: the Windows build of this run checks it.
constexpr DiskCheck kPaletteDiskCheck = nullptr;
constexpr DiskCheck kSettingsDiskCheck = nullptr;
constexpr const char* kDiskChecksNote = "no disk checks here, the Windows build has them";
#endif

struct Format {
  const char* name;
  const char* folder;
  Mutator mutator;
  CheckResult (*check)(std::string_view);
  DiskCheck diskCheck;  // null where this build has none
};

struct Tally {
  std::map<std::string, std::uint64_t> outcomes;
  std::uint64_t inputsWithFindings = 0;
  std::uint64_t pastPaletteLimit = 0;
  std::size_t largest = 0;
  double seconds = 0;
  double slowestMs = 0;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  try {
    for (int i = 1; i + 1 < argc; i += 2) {
      const std::string_view name = argv[i];
      const std::string value = argv[i + 1];
      if (name == "--seed") {
        options.seed = std::stoull(value);
      } else if (name == "--inputs") {
        options.inputs = std::stoull(value);
      } else if (name == "--data") {
        options.data = value;
      } else if (name == "--hang-ms") {
        options.hangLimit = std::chrono::milliseconds(std::stoll(value));
      } else {
        return std::nullopt;
      }
    }
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (argc % 2 == 0) return std::nullopt;
  return options;
}

void Report(const Format& format, std::uint64_t index, const CheckResult& result,
            const fs::path& scratch, std::string_view input) {
  const std::string name = "finding-" + std::string(format.folder) + "-" + std::to_string(index);
  WriteBytes(scratch / (name + ".bin"), input);
  std::printf("  FINDING %s input %llu (%s.bin):\n", format.name,
              static_cast<unsigned long long>(index), name.c_str());
  for (const std::string& finding : result.findings) std::printf("    %s\n", finding.c_str());
}

Tally Run(const Format& format, const Options& options, const fs::path& scratch,
          Watchdog& watchdog) {
  const fs::path folder = scratch / format.folder;
  if (format.diskCheck) fs::create_directories(folder);
  const fs::path current = scratch / ("current-" + std::string(format.folder) + ".bin");
  Tally tally;
  for (std::uint64_t index = 0; index < options.inputs; ++index) {
    const std::string input = format.mutator.Input(options.seed, index);
    // A new file each time: rewriting a file in place can make the file
    // system flush it to disk, which slows the run down to a crawl.
    fs::remove(current);
    WriteBytes(current, input);
    watchdog.Begin(format.name, index);
    const auto began = Clock::now();
    CheckResult result = format.check(input);
    if (format.diskCheck) format.diskCheck(result, input, folder);
    const std::chrono::duration<double> took = Clock::now() - began;
    watchdog.End();

    tally.seconds += took.count();
    tally.slowestMs = std::max(tally.slowestMs, took.count() * 1000);
    tally.largest = std::max(tally.largest, input.size());
    if (input.size() > kMaxPaletteFileBytes) ++tally.pastPaletteLimit;
    ++tally.outcomes[result.outcome];
    if (!result.findings.empty()) {
      if (tally.inputsWithFindings++ < kFindingsShown)
        Report(format, index, result, scratch, input);
    }
  }
  fs::remove(current);
  return tally;
}

void Print(const Format& format, const Options& options, const Tally& tally) {
  std::printf("%s: %llu inputs from %zu seeds, %llu with findings\n", format.name,
              static_cast<unsigned long long>(options.inputs), format.mutator.SeedCount(),
              static_cast<unsigned long long>(tally.inputsWithFindings));
  std::printf(
      "  %.2f s in the checks, slowest input %.1f ms; largest input %zu bytes, %llu past "
      "64 KiB\n",
      tally.seconds, tally.slowestMs, tally.largest,
      static_cast<unsigned long long>(tally.pastPaletteLimit));
  for (const auto& [outcome, count] : tally.outcomes) {
    std::printf("  %-24s %llu\n", outcome.c_str(), static_cast<unsigned long long>(count));
  }
}

int Main(int argc, char** argv) {
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    std::fprintf(stderr,
                 "usage: %s [--seed N] [--inputs N per format] [--data DIR] [--hang-ms N]\n",
                 argv[0]);
    return 2;
  }
  const fs::path scratch =
      fs::temp_directory_path() / ("tw_mutation_run_" + std::to_string(options->seed) + "_" +
                                   std::to_string(Clock::now().time_since_epoch().count()));
  fs::create_directories(scratch);
  std::printf("mutation run: seed %llu, %llu inputs per format, %s, scratch folder %s\n",
              static_cast<unsigned long long>(options->seed),
              static_cast<unsigned long long>(options->inputs), kDiskChecksNote,
              scratch.string().c_str());
  std::fflush(stdout);

  const Format formats[] = {
      {"palette files", "palette",
       Mutator(PaletteSeeds(options->data / "palette"), PaletteTokens()), CheckPaletteInput,
       kPaletteDiskCheck},
      {"settings files", "settings",
       Mutator(SettingsSeeds(options->data / "ini"), SettingsTokens()), CheckSettingsInput,
       kSettingsDiskCheck},
  };
  std::uint64_t findings = 0;
  Watchdog watchdog(options->hangLimit);
  for (const Format& format : formats) {
    const Tally tally = Run(format, *options, scratch, watchdog);
    Print(format, *options, tally);
    findings += tally.inputsWithFindings;
  }
  if (findings != 0) {
    std::printf("%llu inputs with findings; kept in %s\n",
                static_cast<unsigned long long>(findings), scratch.string().c_str());
    return 1;
  }
  fs::remove_all(scratch);
  std::printf("no crash, no hang, no finding\n");
  return 0;
}

}  // namespace
}  // namespace tw::fuzz

int main(int argc, char** argv) { return tw::fuzz::Main(argc, argv); }

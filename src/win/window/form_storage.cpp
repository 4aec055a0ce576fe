#include "win/window/form_storage.h"

#include <windows.h>

#include "core/settings/option_table.h"
#include "win/platform/screen_pixels_per_inch.h"

namespace tw::win {
namespace {

// "MinMaxPos(1920x1080)": a position saved for one desktop size.
std::string WithDesktopSize(const char* key) {
  return std::string(key) + "(" + std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "x" +
         std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN)) + ")";
}

bool OnAMonitor(int x, int y) { return MonitorFromPoint({x, y}, MONITOR_DEFAULTTONULL) != nullptr; }

constexpr const char* kSection = SettingsStorage::kSection;
constexpr char kFormVersion[] = "FormVersion";

}  // namespace

bool FormStorage::Restore(Options& options) {
  restored_ = true;
  savedSinceShow_ = false;
  const Converted<std::int32_t> version = settings_.File().ReadInteger(kSection, kFormVersion, 0);
  if (version.ok() && version.value() < 0) return false;
  const bool positioned = RestorePosition();
  ReadOptions(settings_.File(), kSection, OptionGroup::kForm, options);
  return positioned;
}

bool FormStorage::RestorePosition() {
  const IniFile& ini = settings_.File();
  WINDOWPLACEMENT placement{sizeof(placement)};
  GetWindowPlacement(window_.Handle(), &placement);
  if (!IsWindowVisible(window_.Handle())) placement.showCmd = SW_HIDE;
  const Converted<std::int32_t> flags =
      ini.ReadInteger(kSection, "Flags", static_cast<std::int32_t>(placement.flags));
  if (flags.ok()) placement.flags = static_cast<UINT>(flags.value());
  // The key saved for this desktop size wins over the plain one.
  auto readPosition = [&ini](const char* key, const PositionItems& defaults) {
    const std::string sized = WithDesktopSize(key);
    return ini.ReadPosition(kSection, ini.HasKey(kSection, sized) ? sized : key, defaults);
  };
  const std::optional<PositionItems> minMax = readPosition("MinMaxPos", {0, 0, 0, 0});
  if (minMax) placement.ptMinPosition = {(*minMax)[0], (*minMax)[1]};
  RECT& normal = placement.rcNormalPosition;
  const int width = normal.right - normal.left;
  const int height = normal.bottom - normal.top;
  const std::optional<PositionItems> norm =
      readPosition("NormPos", {normal.left, normal.top, normal.right, normal.bottom});
  if (norm) normal = {(*norm)[0], (*norm)[1], (*norm)[0] + width, (*norm)[1] + height};
  if (!minMax && !norm) return false;
  // A position saved at another resolution, or one that would leave the
  // window off every monitor, is not used.
  const Converted<std::int32_t> pixelsPerInch =
      ini.ReadInteger(kSection, "PixelsPerInch", ScreenPixelsPerInch());
  if (!pixelsPerInch.ok() || pixelsPerInch.value() != ScreenPixelsPerInch()) return false;
  if (normal.left >= normal.right || !OnAMonitor(normal.left, normal.top) ||
      !OnAMonitor(normal.right - 1, normal.bottom - 1)) {
    return false;
  }
  SetWindowPlacement(window_.Handle(), &placement);
  return true;
}

void FormStorage::Save(const Options& options) {
  IniFile& ini = settings_.File();
  ini.WriteInteger(kSection, kFormVersion, 0);
  savedSinceShow_ = true;
  if (restored_) {
    SavePosition();
    WriteOptions(options, OptionGroup::kForm, kSection, ini);
  }
  WriteOptions(options, OptionGroup::kWindow, kSection, ini);
}

void FormStorage::SavePosition() {
  IniFile& ini = settings_.File();
  WINDOWPLACEMENT placement{sizeof(placement)};
  GetWindowPlacement(window_.Handle(), &placement);
  ini.WriteInteger(kSection, "Flags", static_cast<std::int32_t>(placement.flags));
  ini.WriteInteger(kSection, "PixelsPerInch", ScreenPixelsPerInch());
  const PositionItems minMax = {placement.ptMinPosition.x, placement.ptMinPosition.y,
                                placement.ptMaxPosition.x, placement.ptMaxPosition.y};
  const RECT& normal = placement.rcNormalPosition;
  const PositionItems norm = {normal.left, normal.top, normal.right, normal.bottom};
  for (const auto& [key, items] : {std::pair{"MinMaxPos", minMax}, std::pair{"NormPos", norm}}) {
    ini.WritePosition(kSection, WithDesktopSize(key), items);
    ini.WritePosition(kSection, key, items);
  }
}

}  // namespace tw::win

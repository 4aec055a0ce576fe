#include "win/window/form_storage.h"

#include <windows.h>

#include "core/settings/stored_properties.h"
#include "core/settings/stored_value_codec.h"
#include "win/platform/text.h"
#include "win/widgets/combo_box.h"
#include "win/widgets/menu.h"
#include "win/widgets/panel.h"

namespace tw::win {
namespace {

// "MinMaxPos(1920x1080)": a position saved for one desktop size.
std::string WithDesktopSize(const char* key) {
  return std::string(key) + "(" + std::to_string(GetSystemMetrics(SM_CXVIRTUALSCREEN)) + "x" +
         std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN)) + ")";
}

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixelsPerInch;
}

bool OnAMonitor(int x, int y) { return MonitorFromPoint({x, y}, MONITOR_DEFAULTTONULL) != nullptr; }

constexpr char kSection[] = "Tintwright";
constexpr char kFormVersion[] = "FormVersion";
constexpr char kStoredValueKey[] = "palettename";

}  // namespace

bool FormStorage::Restore() {
  restored_ = true;
  savedSinceShow_ = false;
  IniFile& ini = settings_.File();
  const Converted<std::int32_t> version = ini.ReadInteger(kSection, kFormVersion, 0);
  if (version.ok() && version.value() < 0) return false;
  const bool positioned = RestorePosition();
  RestoreProperties();
  storedValue_ = DecodeStoredValue(ini.ReadString(kSection, kStoredValueKey, ""));
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

void FormStorage::RestoreProperties() {
  const IniFile& ini = settings_.File();
  for (const StoredProperty& property : StoredProperties()) {
    const std::string key = StoredPropertyKey(property);
    const std::wstring component = Widen(property.component);
    if (!ini.HasKey(kSection, key)) continue;
    // A value that cannot be read or lies outside its range is ignored, and
    // the property keeps its design value.
    switch (property.form) {
      case PropertyForm::kColor:
        if (auto* panel = dynamic_cast<Panel*>(window_.FindControl(component))) {
          if (const Converted<TColor> color = ini.ReadColor(kSection, key, 0); color.ok()) {
            panel->SetColor(color.value());
          }
        }
        break;
      case PropertyForm::kChecked:
        if (MenuItem* item = window_.FindMenuItem(component)) {
          if (const Converted<bool> checked = ini.ReadBool(kSection, key, false); checked.ok()) {
            item->Checked = checked.value();
          }
        }
        break;
      case PropertyForm::kItemIndex:
        if (auto* list = dynamic_cast<ComboBox*>(window_.FindControl(component))) {
          const Converted<std::int32_t> index = ini.ReadInteger(kSection, key, 0);
          if (index.ok() && index.value() >= 0 && index.value() <= property.maxValue) {
            list->SetItemIndex(index.value());
          }
        }
        break;
      case PropertyForm::kTag:
        if (MenuItem* item = window_.FindMenuItem(component)) {
          const Converted<std::int32_t> tag = ini.ReadInteger(kSection, key, 0);
          if (tag.ok() && tag.value() >= 0 && tag.value() <= property.maxValue)
            item->Tag = tag.value();
        }
        break;
    }
  }
}

void FormStorage::Save() {
  IniFile& ini = settings_.File();
  ini.WriteInteger(kSection, kFormVersion, 0);
  savedSinceShow_ = true;
  if (!restored_) return;  // never shown: nothing of the window is known
  SavePosition();
  SaveProperties();
  ini.WriteString(kSection, kStoredValueKey, EncodeStoredValue(storedValue_));
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

void FormStorage::SaveProperties() {
  IniFile& ini = settings_.File();
  for (const StoredProperty& property : StoredProperties()) {
    const std::string key = StoredPropertyKey(property);
    const std::wstring component = Widen(property.component);
    switch (property.form) {
      case PropertyForm::kColor:
        if (auto* panel = dynamic_cast<Panel*>(window_.FindControl(component))) {
          ini.WriteColor(kSection, key, panel->Color());
        }
        break;
      case PropertyForm::kChecked:
        if (MenuItem* item = window_.FindMenuItem(component))
          ini.WriteBool(kSection, key, item->Checked);
        break;
      case PropertyForm::kItemIndex:
        if (auto* list = dynamic_cast<ComboBox*>(window_.FindControl(component))) {
          ini.WriteInteger(kSection, key, list->ItemIndex());
        }
        break;
      case PropertyForm::kTag:
        if (MenuItem* item = window_.FindMenuItem(component))
          ini.WriteInteger(kSection, key, item->Tag);
        break;
    }
  }
}

}  // namespace tw::win

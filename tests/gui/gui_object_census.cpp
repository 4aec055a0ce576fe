#include "gui_object_census.h"

#include <array>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

namespace tw::test {
namespace {

enum Kind { kGdiObject, kDeviceContext, kMenu, kKinds };

struct Live {
  std::mutex mutex;
  std::array<std::set<void*>, kKinds> handles;
};

Live& Registry() {
  static Live live;
  return live;
}

void Track(Kind kind, void* handle) {
  if (handle == nullptr) return;
  std::lock_guard lock(Registry().mutex);
  Registry().handles[kind].insert(handle);
}

void Untrack(Kind kind, void* handle) {
  std::lock_guard lock(Registry().mutex);
  Registry().handles[kind].erase(handle);
}

// A stand-in for a call that makes or takes an object (its result) or that
// frees one (its argument at `HandleArgument`).
template <typename Function>
struct StandInFor;

template <typename Result, typename... Arguments>
struct StandInFor<Result (*)(Arguments...)> {
  template <auto& original, Kind kind>
  static Result WINAPI Making(Arguments... arguments) {
    const Result made = original(arguments...);
    Track(kind, reinterpret_cast<void*>(made));
    return made;
  }
  template <auto& original, Kind kind, std::size_t HandleArgument>
  static Result WINAPI Freeing(Arguments... arguments) {
    const std::tuple<Arguments...> all(arguments...);
    Untrack(kind, reinterpret_cast<void*>(std::get<HandleArgument>(all)));
    return original(arguments...);
  }
};

decltype(&CreateSolidBrush) realCreateSolidBrush;
decltype(&CreateFontIndirectW) realCreateFontIndirectW;
decltype(&CreateDIBSection) realCreateDIBSection;
decltype(&CreateCompatibleBitmap) realCreateCompatibleBitmap;
decltype(&CreatePen) realCreatePen;
decltype(&CreateRectRgn) realCreateRectRgn;
decltype(&DeleteObject) realDeleteObject;
decltype(&CreateCompatibleDC) realCreateCompatibleDC;
decltype(&DeleteDC) realDeleteDC;
decltype(&GetDC) realGetDC;
decltype(&ReleaseDC) realReleaseDC;
decltype(&CreateMenu) realCreateMenu;
decltype(&CreatePopupMenu) realCreatePopupMenu;
decltype(&DestroyMenu) realDestroyMenu;

// A menu takes its submenus with it.
void UntrackMenuTree(HMENU menu) {
  const int items = GetMenuItemCount(menu);
  for (int i = 0; i < items; ++i) {
    if (HMENU submenu = GetSubMenu(menu, i)) UntrackMenuTree(submenu);
  }
  Untrack(kMenu, menu);
}

BOOL WINAPI DestroyingMenu(HMENU menu) {
  UntrackMenuTree(menu);
  return realDestroyMenu(menu);
}

struct StandIn {
  const char* dll;
  const char* name;
  void* replacement;
  void** original;
};

template <auto& original, Kind kind>
StandIn Making(const char* dll, const char* name) {
  using Function = std::remove_reference_t<decltype(original)>;
  return {dll, name,
          reinterpret_cast<void*>(&StandInFor<Function>::template Making<original, kind>),
          reinterpret_cast<void**>(&original)};
}

template <auto& original, Kind kind, std::size_t HandleArgument = 0>
StandIn Freeing(const char* dll, const char* name) {
  using Function = std::remove_reference_t<decltype(original)>;
  return {dll, name,
          reinterpret_cast<void*>(
              &StandInFor<Function>::template Freeing<original, kind, HandleArgument>),
          reinterpret_cast<void**>(&original)};
}

std::vector<StandIn> StandIns() {
  return {
      Making<realCreateSolidBrush, kGdiObject>("gdi32.dll", "CreateSolidBrush"),
      Making<realCreateFontIndirectW, kGdiObject>("gdi32.dll", "CreateFontIndirectW"),
      Making<realCreateDIBSection, kGdiObject>("gdi32.dll", "CreateDIBSection"),
      Making<realCreateCompatibleBitmap, kGdiObject>("gdi32.dll", "CreateCompatibleBitmap"),
      Making<realCreatePen, kGdiObject>("gdi32.dll", "CreatePen"),
      Making<realCreateRectRgn, kGdiObject>("gdi32.dll", "CreateRectRgn"),
      Freeing<realDeleteObject, kGdiObject>("gdi32.dll", "DeleteObject"),
      Making<realCreateCompatibleDC, kDeviceContext>("gdi32.dll", "CreateCompatibleDC"),
      Freeing<realDeleteDC, kDeviceContext>("gdi32.dll", "DeleteDC"),
      Making<realGetDC, kDeviceContext>("user32.dll", "GetDC"),
      Freeing<realReleaseDC, kDeviceContext, 1>("user32.dll", "ReleaseDC"),
      Making<realCreateMenu, kMenu>("user32.dll", "CreateMenu"),
      Making<realCreatePopupMenu, kMenu>("user32.dll", "CreatePopupMenu"),
      {"user32.dll", "DestroyMenu", reinterpret_cast<void*>(&DestroyingMenu),
       reinterpret_cast<void**>(&realDestroyMenu)},
  };
}

// Puts `standIn` in the import table of this program file; false when the
// program imports no such function.
bool Install(const StandIn& standIn) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       dll->Name != 0; ++dll) {
    if (_stricmp(reinterpret_cast<const char*>(base + dll->Name), standIn.dll) != 0) continue;
    const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(
        base + (dll->OriginalFirstThunk != 0 ? dll->OriginalFirstThunk : dll->FirstThunk));
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), standIn.name) != 0) continue;
      DWORD protection = 0;
      VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE, &protection);
      *standIn.original = reinterpret_cast<void*>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(standIn.replacement);
      VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection, &protection);
      return true;
    }
  }
  return false;
}

// Objects freed by the system on the program's behalf (a menu with its
// window, say) are no longer there to count.
long CountStillLive(Kind kind, bool (*isLive)(void*)) {
  std::lock_guard lock(Registry().mutex);
  std::erase_if(Registry().handles[kind], [isLive](void* handle) { return !isLive(handle); });
  return static_cast<long>(Registry().handles[kind].size());
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, &CountWindow, count);
  return TRUE;
}

}  // namespace

std::string Describe(const GuiObjectCounts& counts) {
  return std::to_string(counts.gdiObjects) + " GDI objects, " +
         std::to_string(counts.deviceContexts) + " device contexts, " +
         std::to_string(counts.menus) + " menus, " + std::to_string(counts.windows) +
         " windows; GetGuiResources: " + std::to_string(counts.systemGdi) + " GDI, " +
         std::to_string(counts.systemUser) + " USER";
}

std::vector<std::string> StartGuiObjectCensus() {
  static const std::vector<std::string> missing = [] {
    std::vector<std::string> names;
    for (const StandIn& standIn : StandIns()) {
      if (!Install(standIn)) names.emplace_back(standIn.name);
    }
    return names;
  }();
  return missing;
}

GuiObjectCounts CountGuiObjects() {
  GuiObjectCounts counts;
  counts.gdiObjects = CountStillLive(kGdiObject, [](void* h) { return GetObjectType(h) != 0; });
  {
    std::lock_guard lock(Registry().mutex);
    counts.deviceContexts = static_cast<long>(Registry().handles[kDeviceContext].size());
  }
  counts.menus =
      CountStillLive(kMenu, [](void* h) { return IsMenu(static_cast<HMENU>(h)) != FALSE; });
  // Children are counted within their parents.
  EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&counts.windows));
  counts.systemGdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  counts.systemUser = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  return counts;
}

std::size_t PrivateBytes() {
  std::size_t bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  for (auto* address = static_cast<BYTE*>(nullptr);
       VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
       address = static_cast<BYTE*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
  }
  return bytes;
}

}  // namespace tw::test

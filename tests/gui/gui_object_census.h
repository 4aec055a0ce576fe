#pragma once

// How many window-system objects this process holds: what the system says
// (GetGuiResources, which Wine does not implement and answers with 0) and a
// count of its own. The own count follows every GDI object, device context
// and menu that code in this program file creates or takes, by standing in
// for the creating and freeing calls in the program file's import table,
// and counts the windows of this thread as they are.

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tw::test {

struct GuiObjectCounts {
  long gdiObjects = 0;      // brushes, fonts, bitmaps, pens, regions
  long deviceContexts = 0;  // taken with GetDC or made with CreateCompatibleDC
  long menus = 0;
  long windows = 0;
  DWORD systemGdi = 0;   // GetGuiResources; 0 where not implemented
  DWORD systemUser = 0;  // likewise
  friend bool operator==(const GuiObjectCounts&, const GuiObjectCounts&) = default;
};

std::string Describe(const GuiObjectCounts& counts);

// Installs the stand-ins once (later calls do nothing); answers the calls
// that the program file does not import, which are then not followed.
std::vector<std::string> StartGuiObjectCensus();
GuiObjectCounts CountGuiObjects();

// Bytes of private memory committed by this process, summed over its
// address space: GetProcessMemoryInfo's figure is 0 under Wine.
std::size_t PrivateBytes();

}  // namespace tw::test

#include <windows.h>

#include <gtest/gtest.h>

#include "win/widgets/application.h"

// The in-process tests build the real main window, which needs the
// application object that the program's own entry would set up.
int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  tw::win::Application::Instance().Initialize(L"Tintwright", L"Tintwright.chm");
  return RUN_ALL_TESTS();
}

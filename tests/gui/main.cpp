#include <windows.h>

#include <gtest/gtest.h>

#include "ui/widgets/application.h"

// The in-process tests build the real main window, which needs the
// application object that the program's own entry would set up.
int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  tw::ui::Application::Instance().Initialize(L"Tintwright", L"Tintwright.chm");
  return RUN_ALL_TESTS();
}

#include "win/app/entry.h"

#include <windows.h>
#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

#include "core/settings/command_line.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"
#include "win/window/settings_storage.h"

namespace tw {
namespace {

constexpr int kStartupFailedExitCode = 217;

// The window system's own split of the command line; argument 0 is the
// program path.
std::vector<std::string> CommandLineArguments() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) result.push_back(win::Narrow(arguments[i]));
  LocalFree(arguments);
  return result;
}

}  // namespace

int RunTintwright() {
  win::Application& application = win::Application::Instance();
  try {
    const StartupOptions options = ParseCommandLine(CommandLineArguments());
    // The single-instance check belongs here, before the application object
    // is set up, when options.RunsSingleInstanceCheck().
    application.Initialize(L"Tintwright", L"Tintwright.chm");
    win::TfrmColorPick mainWindow(SettingsFileBesideProgram());
    application.SetMainForm(&mainWindow);
    if (options.bAllowClose) {
      mainWindow.AllowClose = true;
      mainWindow.startedWithAllowClose = true;
    }
    if (!options.cmdcolor.empty()) mainWindow.paramcolor = win::Widen(options.cmdcolor);
    if (!options.bAutostart) mainWindow.Show();
    const int exitCode = application.Run();
    application.SetMainForm(nullptr);
    return exitCode;
  } catch (const std::exception& error) {
    application.ShowException(error);
    return kStartupFailedExitCode;
  }
}

}  // namespace tw

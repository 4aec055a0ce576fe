#include "win/app/entry.h"

#include <windows.h>
#include <shellapi.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "core/settings/command_line.h"
#include "win/app/instance_coordinator.h"
#include "win/platform/files.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"
#include "win/window/settings_storage.h"

namespace tw::win {
namespace {

constexpr int kStartupFailedExitCode = 217;

// The window system's own split of the command line; argument 0 is the
// program path.
std::vector<std::string> CommandLineArguments() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) result.push_back(Narrow(arguments[i]));
  LocalFree(arguments);
  return result;
}

}  // namespace

int RunTintwright() {
  Application& application = Application::Instance();
  try {
    const StartupOptions options = ParseCommandLine(CommandLineArguments());
    std::unique_ptr<InstanceCoordinator> coordinator;
    if (options.RunsSingleInstanceCheck()) {
      coordinator = InstanceCoordinator::Open(ProgramFilePath());
      // Another copy runs and has been brought forward: this start is done.
      if (coordinator && !coordinator->CheckSingleInstance()) return 0;
    }
    application.Initialize(L"Tintwright", L"Tintwright.chm");
    MainWindow mainWindow(SettingsFileBesideProgram());
    application.SetMainForm(&mainWindow);
    if (options.noTray) mainWindow.RemoveTrayIcon();
    if (options.allowClose) mainWindow.AllowCloseFromCommandLine();
    if (!options.colorCode.empty()) mainWindow.SetStartColorCode(Widen(options.colorCode));
    if (options.autostart) {
      mainWindow.StartHiddenInTray();
    } else {
      mainWindow.Show();
    }
    const int exitCode = application.Run();
    application.SetMainForm(nullptr);
    return exitCode;
  } catch (const std::exception& error) {
    application.ShowException(error);
    return kStartupFailedExitCode;
  }
}

}  // namespace tw::win

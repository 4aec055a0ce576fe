#include "app/win/entry.h"

#include <windows.h>
#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/win/settings_storage.h"
#include "ui/main_window.h"
#include "ui/widgets/application.h"
#include "ui/widgets/text.h"

namespace tw {
namespace {

constexpr int kStartupFailedExitCode = 217;

// The window system's own split of the command line; argument 0 is the
// program path.
std::vector<std::string> CommandLineArguments() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) result.push_back(ui::Narrow(arguments[i]));
  LocalFree(arguments);
  return result;
}

}  // namespace

int RunTintwright() {
  ui::Application& application = ui::Application::Instance();
  try {
    const StartupOptions options = ParseCommandLine(CommandLineArguments());
    // The single-instance check belongs here, before the application object
    // is set up, when options.RunsSingleInstanceCheck().
    application.Initialize(L"Tintwright", L"Tintwright.chm");
    ui::TfrmColorPick mainWindow(SettingsFileBesideProgram());
    application.SetMainForm(&mainWindow);
    if (options.bAllowClose) {
      mainWindow.AllowClose = true;
      mainWindow.startedWithAllowClose = true;
    }
    if (!options.cmdcolor.empty()) mainWindow.paramcolor = ui::Widen(options.cmdcolor);
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

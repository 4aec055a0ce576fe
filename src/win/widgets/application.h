#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace tw::win {

class Form;

// The process-wide application object: its title (the caption of plain
// message boxes), the help file name, the hidden application window that
// owns the main window and carries the taskbar button, and the message loop.
class Application {
 public:
  static Application& Instance();

  void Initialize(std::wstring title, std::wstring helpFile);
  const std::wstring& Title() const { return title_; }
  const std::wstring& HelpFile() const { return helpFile_; }
  HWND Handle() const { return window_; }

  void SetMainForm(Form* form) { mainForm_ = form; }
  Form* MainForm() const { return mainForm_; }

  // Runs the message loop until Terminate; answers the exit code.
  int Run();
  void Terminate();
  // Lets the window events that are waiting now run.
  void ProcessMessages();

  // A system command to the application window (SC_MINIMIZE from its
  // taskbar button, SC_RESTORE from another copy of the program); answers
  // true when it dealt with the command.
  std::function<bool(WPARAM command)> OnSystemCommand;

  // A plain message box captioned with the title and an OK button.
  void ShowMessage(const std::wstring& text) const;
  // The default error report: the error's text, and the program goes on.
  void ShowException(const std::exception& error) const;

 private:
  Application() = default;
  // Main-menu shortcuts work wherever the keyboard focus is inside the main
  // window; answers true when the key ran a command.
  bool TranslateShortCut(const MSG& message) const;
  void Dispatch(MSG& message) const;
  HWND MessageOwner() const;
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The application window was activated: the keyboard belongs to the main
  // window, or to the dialog that it waits for.
  void PassFocusToMainForm() const;

  std::wstring title_;
  std::wstring helpFile_;
  HWND window_ = nullptr;
  Form* mainForm_ = nullptr;
  bool terminated_ = false;
};

}  // namespace tw::win

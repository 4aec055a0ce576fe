#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tw::win {

// What to hand to the desktop's default handler: a URL, a "mailto:"
// address, a document, or a program with its parameters.
struct ShellOpenRequest {
  HWND owner = nullptr;
  std::wstring target;
  std::wstring parameters;
  friend bool operator==(const ShellOpenRequest&, const ShellOpenRequest&) = default;
};

// Opens the target with the verb "open", no working folder and a normal
// window; true when the shell took it (a result above 32).
bool ShellOpen(const ShellOpenRequest& request);

// The way a part opens outside documents: ShellOpen, unless a test watches.
using ShellOpener = std::function<bool(const ShellOpenRequest&)>;

}  // namespace tw::win

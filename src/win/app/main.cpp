#include <windows.h>

#include "win/app/entry.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return tw::win::RunTintwright(); }

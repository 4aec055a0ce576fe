#include <windows.h>

#include "app/win/entry.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return tw::RunTintwright(); }

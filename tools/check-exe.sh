#!/bin/sh
# Checks that a built exe stands on its own on a Windows machine:
#   sh tools/check-exe.sh build/win/bin/Tintwright.exe
# - it imports no GCC or MinGW runtime DLL (libstdc++-6, libgcc_s_seh-1,
#   libwinpthread-1, ...: all named lib*.dll), which a user would not have;
# - it carries a resource of type 24, the manifest that asks for common
#   controls 6 and DPI awareness (windres stores it under a name instead
#   when the .rc misses <winresrc.h>).
set -eu
exe=${1:?usage: check-exe.sh PROGRAM.exe}
# The cross toolchain's objdump on Linux, the native one in MSYS2.
objdump=$(command -v x86_64-w64-mingw32-objdump || echo objdump)
headers=$("$objdump" -p "$exe")
status=0

dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || { echo "FAIL $exe: no imported DLL found, not a PE executable?"; exit 1; }
for dll in $dlls; do
  case $(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]') in
    lib*.dll) echo "FAIL imports runtime DLL $dll"; status=1 ;;
    *) echo "ok   imports $dll" ;;
  esac
done

# Top-level entries of the resource directory are its types; objdump
# indents them by three spaces (names by five, languages by seven).
if printf '%s\n' "$headers" | sed -n '/^The .rsrc Resource Directory section/,$p' |
  grep -Eq '^[0-9a-f]+   Entry: ID: 0x0*18,'; then
  echo "ok   has a manifest resource (type 24)"
else
  echo "FAIL has no manifest resource (type 24)"
  status=1
fi
exit $status

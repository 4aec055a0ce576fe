#!/usr/bin/env bash
# Installs, with apt, the packages the build and the tests need that are not
# there yet. Safe to run again: when everything is installed it only asks dpkg.
set -euo pipefail

packages=(
  cmake ninja-build g++
  clang-14 libclang-rt-14-dev                # libFuzzer and the second Windows compiler
  libgtest-dev googletest libbenchmark-dev   # googletest: sources for the MinGW build
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine
  xvfb x11-utils imagemagick                 # a display for Wine, and screenshots of it
  fp-utils zip unzip python3                 # the help file (chmcmd) and the release package
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [[ $status == installed ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

as_root=()
if ((EUID != 0)); then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo for: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
# Wine's recommended packages bring the X libraries its display driver loads
# and the fonts; apt skips wine32, which a 64-bit only build does not need.
"${as_root[@]}" apt-get install -y -q --install-recommends "${missing[@]}" </dev/null

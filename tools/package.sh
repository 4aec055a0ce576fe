#!/usr/bin/env bash
# Builds the release package dist/Tintwright-<version>-win64.zip with the
# three files that ship: Tintwright.exe, readme.txt and Tintwright.chm.
# <version> is the exe's own "major.minor", as its window caption shows it.
#   bash tools/package.sh [--no-build] [EXE]
# --no-build packs the exe as it is (default build/win/bin/Tintwright.exe);
# otherwise it installs what is missing and builds the exe first.
set -euo pipefail
cd "$(dirname "$0")/.."

build=true
if [[ ${1:-} == --no-build ]]; then
  build=false
  shift
fi
exe=$(realpath -m "${1:-build/win/bin/Tintwright.exe}")
if $build; then
  bash tools/install-deps.sh
  bash tools/build.sh win --target Tintwright
fi
[[ -f $exe ]] || { echo "package: $exe is missing" >&2; exit 1; }

version=$(python3 tools/exe_version.py "$exe")
stage=$(mktemp -d -t tintwright-package.XXXXXX)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/Tintwright.exe"
# Notepad and every other Windows editor read CR LF.
sed 's/$/\r/' docs/readme.txt >"$stage/readme.txt"
bash tools/make-help.sh "$stage/Tintwright.chm" >/dev/null

mkdir -p dist
zip_file=dist/Tintwright-$version-win64.zip
# -X: no extra file attributes; -j: the files at the top of the archive.
(cd "$stage" && zip -q -X -j package.zip Tintwright.exe readme.txt Tintwright.chm)
mv "$stage/package.zip" "$zip_file"
echo "package: $zip_file"

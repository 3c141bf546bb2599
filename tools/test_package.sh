#!/usr/bin/env bash
# Makes the downloads with tools/package.sh and checks that each runs as it
# is, unpacked into an empty folder far from the source tree. Exits non-zero
# on any failure. Run as `./test.sh --package` (CI: after the Windows tests,
# whose Wine prefix it uses when it is there); `tools/test_package.sh
# --reuse` checks the archives already in dist/.
#
# - Both: one folder skinbuilder-VERSION/ with the program, skindata (the
#   same images in both), an empty Presets and the readme; --version gives
#   the version of the archive's name.
# - Linux: the program needs no library of this machine (static) and names
#   no path of the source tree; it builds the standard multicolour skin
#   byte for byte as the source tree's build does with its own skindata.
# - Windows, under Wine: with its own .cmd launchers and no ImageMagick it
#   stops before the first question with the launchers' own message; with
#   stand-in launchers a custom single-colour run prints the very dialogue
#   of the Linux program with the same stand-ins and makes the same skin
#   and preset; with its own launchers reaching the Linux ImageMagick
#   (tools/package_test/magick_bridge.cc, as magick.exe on PATH and in
#   Program Files) it builds the standard blue skin byte for byte as the
#   Linux program does (the scripts apart from their CR LF line ends).
#   Multicolour skins cannot be built under Wine: its xcopy and ren rename
#   no files by wildcard. Wine's findstr is a stub: a findstr.cmd that calls
#   find stands in for it in the working folder.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/prepare.sh
export LC_ALL=C
ROOT="$PWD"
PACKAGE_BUILD="$ROOT/build-package"
WINDOWS_PACKAGES="g++-mingw-w64-x86-64 wine wine64"
SCRATCH="$(mktemp -d)"
FAKE_IMAGEMAGICK=""
trap 'rm -rf "$SCRATCH" ${FAKE_IMAGEMAGICK:+"$FAKE_IMAGEMAGICK"}' EXIT
# A command that fails outside a check still says where.
set -E
trap 'echo "FAILED: line $LINENO: $BASH_COMMAND" >&2' ERR

# The Windows tests' prefix when it is there, else one of our own; Wine's
# messages are off and a new prefix installs neither Mono nor Gecko.
if [ -d build-windows/wine ]; then
  export WINEPREFIX="$ROOT/build-windows/wine"
else
  export WINEPREFIX="$PACKAGE_BUILD/wine"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# No viewer may open a preview here, on either system.
unset DISPLAY WAYLAND_DISPLAY

STEP_START=$SECONDS
step_done() {
  echo "ok: $1 ($((SECONDS - STEP_START)) s)"
  STEP_START=$SECONDS
}

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# Unpacks archive $1 into a new folder under the scratch folder and prints
# the path of the program's folder in it.
unpack() {
  local into
  into="$(mktemp -d "$SCRATCH/unpacked.XXXX")"
  (cd "$into" && cmake -E tar xf "$1")
  [ "$(ls -A "$into")" = "skinbuilder-$VERSION" ] || fail "$1 holds more than skinbuilder-$VERSION/"
  echo "$into/skinbuilder-$VERSION"
}

# The entries of folder $1 (names, one line).
entries() {
  (cd "$1" && ls -A | tr '\n' ' ')
}

# Standard output of the program (the rest of the words) given the answers
# $2, run in folder $1 with the environment of a fresh login; standard
# error goes to $1.err.
run_linux() {
  local folder="$1" answers="$2"
  shift 2
  (cd "$folder" && printf "$answers" |
    env -i PATH=/usr/bin:/bin HOME="$SCRATCH" LANG=C.UTF-8 timeout 300 "$@" 2>>"$folder.err")
}

run_windows() {
  local folder="$1" answers="$2"
  shift 2
  (cd "$folder" && printf "$answers" | timeout 300 wine "$@" 2>>"$folder.err")
}

# Fails unless the skins (folders) $1 and $2 hold the same files with the
# same bytes; with "text" a script's line ends may be CR LF in $2.
same_skin() {
  local options=(-r)
  [ "${3:-}" = text ] && options+=(--strip-trailing-cr)
  diff "${options[@]}" -q "$1" "$2" >"$SCRATCH/skin.diff" 2>&1 || {
    head -n 20 "$SCRATCH/skin.diff" >&2
    fail "$2 differs from $1"
  }
  [ -n "$(ls -A "$1/Images")" ] || fail "$1 has no images"
}

same_dialogue() {
  cmp -s "$1" "$2" || {
    diff <(cat -A "$1") <(cat -A "$2") | head -n 20 >&2
    fail "the dialogue in $2 differs from $1"
  }
}

# The archives in dist/ and their version, made afresh unless $1 is
# --reuse and they are there.
make_packages() {
  if [ "${1:-}" != --reuse ] || ! ls dist/skinbuilder-* >/dev/null 2>&1; then
    rm -rf dist
    tools/package.sh >"$SCRATCH/package.log" 2>&1 || { cat "$SCRATCH/package.log"; exit 1; }
  fi
  LINUX_ARCHIVE="$(ls "$ROOT"/dist/skinbuilder-*-linux-x86_64.tar.gz)"
  WINDOWS_ARCHIVE="$(ls "$ROOT"/dist/skinbuilder-*-windows-x64.zip)"
  VERSION="${LINUX_ARCHIVE##*/skinbuilder-}"
  VERSION="${VERSION%-linux-x86_64.tar.gz}"
  [ "$WINDOWS_ARCHIVE" = "$ROOT/dist/skinbuilder-$VERSION-windows-x64.zip" ] ||
    fail "the archives carry different versions"
  step_done "archives of $(stat -c %s "$LINUX_ARCHIVE") (Linux) and $(stat -c %s "$WINDOWS_ARCHIVE") bytes (Windows)"
}

check_layouts() {
  local linux="$1" windows="$2" readme="$2/README.txt"
  [ "$(entries "$linux")" = "Presets README.txt skinbuilder skindata " ] ||
    fail "Linux folder: $(entries "$linux")"
  [ "$(entries "$windows")" = "Presets README.txt skinbuilder.exe skindata " ] ||
    fail "Windows folder: $(entries "$windows")"
  for folder in "$linux" "$windows"; do
    [ -z "$(ls -A "$folder/Presets")" ] && [ -z "$(ls -A "$folder/skindata/temp")" ] ||
      fail "$folder: Presets and skindata/temp are not empty"
  done
  [ -x "$linux/skindata/mogrify" ] && [ -x "$linux/skindata/identify" ] ||
    fail "the Linux launchers are missing"
  [ -f "$windows/skindata/mogrify.cmd" ] && [ -f "$windows/skindata/identify.cmd" ] ||
    fail "the Windows launchers are missing"
  diff -r -q -x 'mogrify*' -x 'identify*' "$linux/skindata" "$windows/skindata" >/dev/null ||
    fail "the two skindata folders differ"
  [ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || fail "$readme has LF line ends"
  ! grep -q $'\r' "$linux/README.txt" || fail "the Linux readme has CR LF line ends"
  ! grep -rqF "$ROOT" "$linux" "$windows" || fail "a packaged file names $ROOT"
  [ "$("$linux/skinbuilder" --version)" = "skinbuilder $VERSION" ] || fail "Linux --version"
  [ "$(wine "$windows/skinbuilder.exe" --version)" = "skinbuilder $VERSION" ] ||
    fail "Windows --version"
  step_done "layouts, readmes and versions of both folders"
}

# The Linux program is static, so another machine's C library cannot miss
# what it needs; the skin equals the source tree's build from a copy of the
# same skindata.
check_linux_build() {
  local folder="$1" reference="$SCRATCH/source-tree"
  readelf -d "$folder/skinbuilder" | grep -q NEEDED && fail "the Linux program loads libraries"
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)" --target skinbuilder >/dev/null
  mkdir -p "$reference/Presets"
  cp -r "$folder/skindata" "$reference/skindata"
  run_linux "$reference" '2\n\n' "$ROOT/build/skinbuilder" >"$SCRATCH/design2-source.txt"
  run_linux "$folder" '2\n\n' ./skinbuilder >"$SCRATCH/design2-linux.txt"
  same_skin "$reference/Korvel Dazo Colorized" "$folder/Korvel Dazo Colorized"
  same_dialogue "$SCRATCH/design2-source.txt" "$SCRATCH/design2-linux.txt"
  step_done "Linux folder builds the standard multicolour skin as the source tree does"
}

# With its own launchers and no ImageMagick 7 anywhere the program stops at
# once, saying what the launchers say.
check_windows_without_imagemagick() {
  local folder="$1" message status=0
  rm -rf "$WINEPREFIX/drive_c/Program Files/ImageMagick-7"*
  (cd "$folder" && wine cmd /c 'skindata\mogrify -version' 2>"$SCRATCH/launcher.err" >/dev/null) &&
    fail "mogrify.cmd succeeded without ImageMagick"
  message="$(tr -d '\r' <"$SCRATCH/launcher.err")"
  [[ "$message" == "ImageMagick 7 is needed: "* ]] || fail "mogrify.cmd printed: $message"
  run_windows "$folder" '\n' skinbuilder.exe >"$SCRATCH/no-imagemagick.txt" || status=$?
  [ "$status" = 1 ] || fail "the program ended with $status without ImageMagick"
  grep -qxF "$message" "$SCRATCH/no-imagemagick.txt" ||
    fail "the program did not print the launchers' message: $(head -c 300 "$SCRATCH/no-imagemagick.txt")"
  ! grep -q Welcome "$SCRATCH/no-imagemagick.txt" || fail "the program asked questions"
  [ "$(entries "$folder")" = "Presets README.txt skinbuilder.exe skindata " ] ||
    fail "the program created files without ImageMagick"
  step_done "Windows folder without ImageMagick stops with its message"
}

# Launchers that answer -version and do nothing else, identify with one
# measured colour; the same on both systems, so that both runs take the
# same road.
use_stand_in_launchers() {
  local linux="$1" windows="$2"
  printf '#!/bin/sh\nexit 0\n' >"$linux/skindata/mogrify"
  printf '#!/bin/sh\necho "  mean: #5898EC"\n' >"$linux/skindata/identify"
  printf '@exit /b 0\r\n' >"$windows/skindata/mogrify.cmd"
  printf '@echo   mean: #5898EC\r\n' >"$windows/skindata/identify.cmd"
}

# Colours, no adjustments, a name with a blank, styles from overlay folders,
# the sidebar, tab and flow options, and a saved preset.
CUSTOM_ANSWERS='3\n200\n40\n40\n\n\n\n\n\nWine Test\n6\n4\n3\n1\n40\n3\n2\n2\n2\n2\n\n'

check_windows_dialogue() {
  local linux="$1" windows="$2" preset="Presets/Wine Test-v11b5.kvl"
  use_stand_in_launchers "$linux" "$windows"
  printf '@find "%%~1"\r\n' >"$windows/findstr.cmd"
  run_linux "$linux" "$CUSTOM_ANSWERS" ./skinbuilder >"$SCRATCH/custom-linux.txt"
  run_windows "$windows" "$CUSTOM_ANSWERS" skinbuilder.exe >"$SCRATCH/custom-windows.txt"
  grep -q "Preset saved" "$SCRATCH/custom-linux.txt" || fail "the custom run saved no preset"
  same_dialogue "$SCRATCH/custom-linux.txt" "$SCRATCH/custom-windows.txt"
  same_skin "$linux/Wine Test" "$windows/Wine Test" text
  cmp "$linux/$preset" "$windows/$preset" || fail "the presets differ"
  step_done "Windows dialogue with stand-in launchers equals Linux's ($(wc -c <"$SCRATCH/custom-linux.txt") bytes)"
}

# magick.exe with its Linux side, in a new folder $1.
place_bridge() {
  mkdir -p "$1"
  cp "$SCRATCH/magick.exe" tools/package_test/linux_tool.sh "$1/"
}

# The launchers find magick.exe on PATH; the standard blue skin is then
# built with it found in ImageMagick's folder under Program Files.
check_windows_build() {
  local linux="$1" windows="$2" on_path="$SCRATCH/on-path" run="$SCRATCH/with-path.cmd"
  x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -static -o "$SCRATCH/magick.exe" \
    tools/package_test/magick_bridge.cc
  place_bridge "$on_path"
  printf '@set "PATH=%%PATH%%;Z:%s"\r\n@skindata\\identify -version\r\n' "${on_path//\//\\}" >"$run"
  (cd "$windows" && wine cmd /c "Z:${run//\//\\}" 2>&1) | grep -q "^Version: ImageMagick" ||
    fail "identify.cmd did not run magick.exe from PATH"
  FAKE_IMAGEMAGICK="$WINEPREFIX/drive_c/Program Files/ImageMagick-7.1.1-Q16-HDRI"
  place_bridge "$FAKE_IMAGEMAGICK"
  printf '@find "%%~1"\r\n' >"$windows/findstr.cmd"
  run_linux "$linux" '1\n\n' ./skinbuilder >"$SCRATCH/design1-linux.txt"
  run_windows "$windows" '1\n\n' skinbuilder.exe >"$SCRATCH/design1-windows.txt"
  same_dialogue "$SCRATCH/design1-linux.txt" "$SCRATCH/design1-windows.txt"
  same_skin "$linux/Korvel Dazo Blue" "$windows/Korvel Dazo Blue" text
  step_done "Windows folder builds the standard blue skin under Wine as Linux does"
}

start_wine() {
  mkdir -p "$WINEPREFIX"
  wineboot --init >"$SCRATCH/wineboot.log" 2>&1 || { cat "$SCRATCH/wineboot.log"; fail "Wine did not start"; }
  wineserver --wait
  step_done "Wine started"
}

install_missing_packages
install_missing_packages $WINDOWS_PACKAGES
make_packages "${1:-}"
LINUX="$(unpack "$LINUX_ARCHIVE")"
WINDOWS="$(unpack "$WINDOWS_ARCHIVE")"
start_wine
check_layouts "$LINUX" "$WINDOWS"
check_linux_build "$LINUX"
check_windows_without_imagemagick "$WINDOWS"
LINUX_STAND_INS="$(unpack "$LINUX_ARCHIVE")"
WINDOWS_STAND_INS="$(unpack "$WINDOWS_ARCHIVE")"
check_windows_dialogue "$LINUX_STAND_INS" "$WINDOWS_STAND_INS"
check_windows_build "$LINUX" "$WINDOWS"
echo "The downloads of version $VERSION run as they are."

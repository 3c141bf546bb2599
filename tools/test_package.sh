#!/usr/bin/env bash
# Makes the downloads with tools/package.sh and checks that each runs as it
# is, unpacked into an empty folder far from the source tree. Exits non-zero
# on any failure. Run as `./test.sh --package` (CI: after the Windows tests,
# whose Wine prefix it uses when it is there); `tools/test_package.sh
# --reuse` checks the archives already in dist/.
#
# - Both: one folder skinbuilder-VERSION/ with the program, skindata (the
#   same files in both, apart from the Linux folder's two launchers), an
#   empty Presets and the readme; --version gives the version of the
#   archive's name.
# - Linux: the program needs no library of this machine (static) and names
#   no path of the source tree; it builds the standard multicolour skin
#   byte for byte as the source tree's build does with its own skindata.
# - Windows, under Wine: without any ImageMagick it stops before the first
#   question and creates nothing; with the stand-in tools of
#   tests/programs/stand_in_tool.cc in skindata (on Linux too) a custom run
#   prints the very dialogue of the Linux program, makes the same skin and
#   preset, and both leave the images as they were.
# - Windows with a real ImageMagick 7 (tools/imagemagick7.sh), on a small
#   skindata: designs 1 to 4 build, design 1 with magick found in Program
#   Files only and run from a folder with a non-ASCII name, and each skin
#   lies within compare-skins' limits of the Linux program's skin of the
#   same answers (tools/package_test/compare_skins.cc). A magick that spoils
#   transparency and one that fails (tools/package_test/faulty_magick.cc)
#   each make a rebuild fail and leave the previous skin as it was. When
#   ImageMagick 7 cannot be fetched these checks are skipped, which fails
#   the run only when CI is set.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/prepare.sh
# Wine reads the host's file names in the locale's character set: a UTF-8
# one, or the folder with a non-ASCII name cannot be entered.
export LC_ALL=C.UTF-8
ROOT="$PWD"
PACKAGE_BUILD="$ROOT/build-package"
WINDOWS_PACKAGES="g++-mingw-w64-x86-64 wine wine64"
SCRATCH="$(mktemp -d)"
# The installer's folder name, as the program looks for ImageMagick-7*.
PROGRAM_FILES_MAGICK=""
BACKGROUND=()
cleanup() {
  for pid in ${BACKGROUND[@]+"${BACKGROUND[@]}"}; do kill -- -"$pid" 2>/dev/null || true; done
  rm -rf "$SCRATCH" ${PROGRAM_FILES_MAGICK:+"$PROGRAM_FILES_MAGICK"}
}
trap cleanup EXIT
# A command that fails outside a check still says where.
set -E
trap 'echo "FAILED: line $LINENO: $BASH_COMMAND" >&2' ERR

# The Windows tests' prefix when it is there, else one of our own; Wine's
# messages are off and a new prefix installs neither Mono nor Gecko. No
# ImageMagick of the caller's reaches the Windows program.
if [ -d build-windows/wine ]; then
  export WINEPREFIX="$ROOT/build-windows/wine"
else
  export WINEPREFIX="$PACKAGE_BUILD/wine"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINEPATH
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

# Unpacks archive $1 into a new folder under the scratch folder (or into
# folder $2) and prints the path of the program's folder in it.
unpack() {
  local into="${2:-}"
  [ -n "$into" ] || into="$(mktemp -d "$SCRATCH/unpacked.XXXX")"
  mkdir -p "$into"
  (cd "$into" && cmake -E tar xf "$1")
  [ "$(ls -A "$into")" = "skinbuilder-$VERSION" ] || fail "$1 holds more than skinbuilder-$VERSION/"
  echo "$into/skinbuilder-$VERSION"
}

# A copy of the unpacked folder $1 at $3 with skindata $2 in place of its own.
with_skindata() {
  mkdir -p "$3"
  (cd "$1" && find . -mindepth 1 -maxdepth 1 ! -name skindata -exec cp -r {} "$3/" \;)
  cp -r "$2" "$3/skindata"
}

# The entries of folder $1 (names, one line).
entries() {
  (cd "$1" && ls -A | tr '\n' ' ')
}

# Wall seconds since $1 (an EPOCHREALTIME), to a tenth.
seconds_since() {
  local now=${EPOCHREALTIME/./} then=${1/./}
  local tenths=$(((now - then) / 100000))
  echo "$((tenths / 10)).$((tenths % 10))"
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
  (cd "$folder" && printf "$answers" | timeout --foreground 900 wine "$@" 2>>"$folder.err")
}

# A run of the program in folder $1 with answers $2 (the Windows one under
# Wine when $3 is "windows"): its output in RECORD.txt, then its exit
# status in RECORD.status and its wall time in RECORD.time, RECORD being
# $4, else $1.
record_run() {
  local folder="$1" answers="$2" system="$3" record="${4:-$1}" start=$EPOCHREALTIME status=0
  if [ "$system" = windows ]; then
    run_windows "$folder" "$answers" skinbuilder.exe >"$record.txt" || status=$?
  else
    run_linux "$folder" "$answers" ./skinbuilder >"$record.txt" || status=$?
  fi
  echo "$status" >"$record.status"
  seconds_since "$start" >"$record.time"
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

# The Windows program finds ImageMagick itself: its skindata has no tools.
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
  [ -z "$(cd "$windows/skindata" && ls -d mogrify* identify* 2>/dev/null)" ] ||
    fail "the Windows skindata holds image tools: $(ls "$windows/skindata")"
  diff -r -q -x mogrify -x identify "$linux/skindata" "$windows/skindata" >/dev/null ||
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
# same skindata. compare-skins is built alongside.
check_linux_build() {
  local folder="$1" reference="$SCRATCH/source-tree"
  readelf -d "$folder/skinbuilder" | grep -q NEEDED && fail "the Linux program loads libraries"
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
  cmake --build build -j"$(nproc)" --target skinbuilder compare-skins >/dev/null
  mkdir -p "$reference/Presets"
  cp -r "$folder/skindata" "$reference/skindata"
  run_linux "$reference" '2\n\n' "$ROOT/build/skinbuilder" >"$SCRATCH/design2-source.txt"
  run_linux "$folder" '2\n\n' ./skinbuilder >"$SCRATCH/design2-linux.txt"
  same_skin "$reference/Korvel Dazo Colorized" "$folder/Korvel Dazo Colorized"
  same_dialogue "$SCRATCH/design2-source.txt" "$SCRATCH/design2-linux.txt"
  step_done "Linux folder builds the standard multicolour skin as the source tree does"
}

# The tree of folder $1, names and sizes, to see that a run left it alone.
tree_of() {
  (cd "$1" && find . -printf '%p %s\n' | sort)
}

# No magick or mogrify anywhere (the prefix's Program Files emptied of
# ImageMagick, no WINEPATH): the program stops at once with its start-up
# check's message.
check_windows_without_imagemagick() {
  local folder="$1" output="$SCRATCH/no-imagemagick.txt" before status=0
  rm -rf "$WINEPREFIX/drive_c/Program Files/ImageMagick-7"*
  before="$(tree_of "$folder")"
  run_windows "$folder" '\n' skinbuilder.exe >"$output" || status=$?
  [ "$status" = 1 ] || fail "the program ended with $status without ImageMagick"
  [[ "$(head -n 1 "$output")" == "ImageMagick 7 is needed: "* ]] ||
    fail "without ImageMagick the program printed: $(head -c 300 "$output")"
  ! grep -q Welcome "$output" || fail "the program asked questions"
  [ "$(tree_of "$folder")" = "$before" ] || fail "the program created files without ImageMagick"
  step_done "Windows folder without ImageMagick stops with its message"
}

# The stand-in tool for both systems: it leaves the images alone, notes
# each mogrify in calls.log in the working folder and has identify report
# the colour #5898EC; so both programs take the same road.
use_stand_in_tools() {
  local linux="$1" windows="$2" source=tests/programs/stand_in_tool.cc
  g++ -std=c++17 -O2 -o "$SCRATCH/stand-in" "$source"
  x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -static -o "$SCRATCH/stand-in.exe" "$source"
  for tool in mogrify identify; do
    cp "$SCRATCH/stand-in" "$linux/skindata/$tool"
    cp "$SCRATCH/stand-in.exe" "$windows/skindata/$tool.exe"
  done
}

# Fails unless every image of skin $1 is, byte for byte, an image of
# skindata $2.
images_untouched() {
  [ -z "$(comm -13 <(image_sums "$2") <(image_sums "$1"))" ] ||
    fail "the stand-in mogrify changed images of $1"
}

# The MD5 sums of the images under folder $1, each once, sorted.
image_sums() {
  (cd "$1" && find . -name '*.png' -exec md5sum {} + | cut -d' ' -f1 | sort -u)
}

# What the stand-ins left: the same mogrify calls on both systems (in any
# order: the calls run side by side), the images as they were, identify's
# colour measured into the scripts.
check_stand_in_traces() {
  local linux="$1" windows="$2" skin="Wine Test"
  cmp -s <(sort "$linux/calls.log") <(sort "$windows/calls.log") ||
    fail "the programs called mogrify differently: see $linux/calls.log"
  [ "$(wc -l <"$linux/calls.log")" -gt 10 ] ||
    fail "mogrify was called $(wc -l <"$linux/calls.log") times"
  images_untouched "$linux/$skin" "$linux/skindata"
  cmp -s "$linux/skindata/temp/CS1info.txt" "$windows/skindata/temp/CS1info.txt" ||
    fail "identify's listings differ"
  [ "$(head -n 1 "$windows/skindata/temp/CS1info.txt")" = \
    "      100: (88,152,236) #5898EC srgb(88,152,236)" ] ||
    fail "identify's listing: $(head -n 2 "$windows/skindata/temp/CS1info.txt")"
  grep -q '"Generators" *= 5898EC' "$windows/$skin/Scripts/Zebra2.txt" ||
    fail "the measured colour is not in the Windows skin's script"
}

# Colours, no adjustments, a name with a blank, styles from overlay folders,
# the sidebar, tab and flow options, and a saved preset. The colour is
# near the template's blue: with the images left alone, the build's check
# finds the colour it measures (#5898EC) where that colour should be.
CUSTOM_ANSWERS='3\n88\n152\n236\n\n\n\n\n\nWine Test\n6\n4\n3\n1\n40\n3\n2\n2\n2\n2\n\n'

check_windows_dialogue() {
  local linux="$1" windows="$2" preset="Presets/Wine Test-v11b5.kvl"
  use_stand_in_tools "$linux" "$windows"
  run_linux "$linux" "$CUSTOM_ANSWERS" ./skinbuilder >"$SCRATCH/custom-linux.txt"
  run_windows "$windows" "$CUSTOM_ANSWERS" skinbuilder.exe >"$SCRATCH/custom-windows.txt"
  grep -q "Preset saved" "$SCRATCH/custom-linux.txt" || fail "the custom run saved no preset"
  grep -qx "Your skin is now ready." "$SCRATCH/custom-linux.txt" || fail "the custom run failed"
  same_dialogue "$SCRATCH/custom-linux.txt" "$SCRATCH/custom-windows.txt"
  same_skin "$linux/Wine Test" "$windows/Wine Test" text
  cmp "$linux/$preset" "$windows/$preset" || fail "the presets differ"
  check_stand_in_traces "$linux" "$windows"
  step_done "Windows dialogue with stand-in tools equals Linux's ($(wc -c <"$SCRATCH/custom-linux.txt") bytes)"
}

# The designs built with a real ImageMagick on both systems, by number:
# their answers and the skins' names. 3: one colour and all four global
# adjustments; 4: a colour per section, the adjustments, and knob, lock
# and arp styles and sidebar, tab and flow options away from the defaults.
DESIGN_ANSWERS=(
  ""
  '1\n\n'
  '2\n\n'
  '3\n200\n40\n40\n10\n20\n30\n2\n10\n-30\n20\n-15\n\n\nDesign Three\n\n\n\n\n\n\n\n\n\n\n\n\n'
  '4\n200\n40\n40\n40\n200\n40\n40\n40\n200\n200\n200\n40\n10\n20\n30\n2\n10\n-20\n5\n15\n\n\nDesign Four\n5\n5\n3\n2\n100\n3.5\n2\n2\n2\n\n\n'
)
DESIGN_SKINS=("" "Korvel Dazo Blue" "Korvel Dazo Colorized" "Design Three" "Design Four")

# The folder of magick.exe (tools/imagemagick7.sh), or empty with the
# reason in IMAGEMAGICK_MISSING.
fetch_imagemagick() {
  IMAGEMAGICK="" IMAGEMAGICK_MISSING=""
  if IMAGEMAGICK="$(tools/imagemagick7.sh 2>"$SCRATCH/imagemagick7.err")"; then
    step_done "ImageMagick 7 for Windows in $IMAGEMAGICK"
  else
    IMAGEMAGICK=""
    IMAGEMAGICK_MISSING="$(tail -n 1 "$SCRATCH/imagemagick7.err")"
    echo "SKIPPED: the builds with ImageMagick 7 under Wine, for want of it: $IMAGEMAGICK_MISSING"
  fi
}

windows_path() {
  local path="$1"
  echo "Z:${path//\//\\}"
}

# Fails unless the program in folder $1 says it would use magick at $2
# (a Windows path) for both tools.
uses_magick() {
  local folder="$1" magick="$2" found
  found="$(cd "$folder" && wine skinbuilder.exe --help | grep -cF "magick at $magick")" || true
  [ "$found" = 2 ] || fail "the program in $folder would not use $magick"
}

# The Windows folders with the small skindata: design 1's under a
# non-ASCII name, with magick only in the prefix's Program Files; the
# others with magick on WINEPATH.
prepare_windows_designs() {
  local small="$SCRATCH/small-windows"
  "$PACKAGE_BUILD/linux/make-skindata" --windows --small "$small" >/dev/null
  WINDOWS_DESIGN=("")
  for design in 1 2 3 4; do
    local folder="$SCRATCH/windows-design$design/skinbuilder-$VERSION"
    [ "$design" = 1 ] && folder="$SCRATCH/windows-design1/Jürgen Skins/skinbuilder-$VERSION"
    with_skindata "$WINDOWS" "$small" "$folder"
    WINDOWS_DESIGN+=("$folder")
  done
  PROGRAM_FILES_MAGICK="$WINEPREFIX/drive_c/Program Files/ImageMagick-7.0.8-Q16-HDRI"
  mkdir -p "$PROGRAM_FILES_MAGICK"
  cp "$IMAGEMAGICK/magick.exe" "$PROGRAM_FILES_MAGICK/"
  uses_magick "${WINDOWS_DESIGN[1]}" 'C:\Program Files\ImageMagick-7.0.8-Q16-HDRI\magick.exe'
  WINEPATH="$(windows_path "$IMAGEMAGICK")" uses_magick "${WINDOWS_DESIGN[2]}" \
    "$(windows_path "$IMAGEMAGICK/magick.exe")"
}

wine_design() {
  local design="$1" folder="${WINDOWS_DESIGN[$1]}" path
  [ "$design" = 1 ] || path="$(windows_path "$IMAGEMAGICK")"
  WINEPATH="${path:-}" record_run "$folder" "${DESIGN_ANSWERS[$design]}" windows
  echo "design $design built under Wine in $(cat "$folder.time") s, exit $(cat "$folder.status")"
  [ "$(cat "$folder.status")" = 0 ] || { tail -n 5 "$folder.txt" "$folder.err"; return 1; }
}

# A rebuild of design 1's skin with magick.exe spoilt by fault $1 (see
# faulty_magick.cc) must fail, saying $2, and leave the skin as it was.
check_fault() {
  local fault="$1" says="$2" folder="${WINDOWS_DESIGN[1]}" skin="${DESIGN_SKINS[1]}"
  local faulty="$SCRATCH/faulty-magick" record="$SCRATCH/fault-$1" status
  rm -rf "$SCRATCH/snapshot"
  cp -a "$folder/$skin" "$SCRATCH/snapshot"
  WINEPATH="$(windows_path "$faulty")" REAL_MAGICK="$(windows_path "$IMAGEMAGICK/magick.exe")" \
    FAULTY_MAGICK="$fault" record_run "$folder" "${DESIGN_ANSWERS[1]}" windows "$record"
  status="$(cat "$record.status")"
  [ "$status" = 1 ] || fail "with magick's fault '$fault' the program ended with $status"
  grep -q "^The skin could not be built" "$record.txt" && grep -q "$says" "$record.txt" ||
    fail "with magick's fault '$fault' the program said: $(tail -n 12 "$record.txt")"
  diff -r "$SCRATCH/snapshot" "$folder/$skin" >/dev/null ||
    fail "after magick's fault '$fault' the previous skin is not as it was"
  echo "magick's fault '$fault' caught and the previous skin kept ($(cat "$record.time") s)"
}

# The Wine side, one build after another: two at once take longer than
# one after the other (each already keeps both processors busy), and the
# figures would say less.
wine_builds() {
  wine_design 1
  mkdir -p "$SCRATCH/faulty-magick"
  x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -static -municode \
    -o "$SCRATCH/faulty-magick/magick.exe" tools/package_test/faulty_magick.cc
  check_fault alpha "images changed their transparency"
  check_fault exit "image commands failed"
  for design in 2 3 4; do wine_design "$design"; done
}

# Runs a function in the background, in a process group of its own (so
# that an early exit ends it with all it started), its output in
# $SCRATCH/NAME.log; its process id joins BACKGROUND.
start_background() {
  local name="$1"
  shift
  set -m
  "$@" >"$SCRATCH/$name.log" 2>&1 &
  set +m
  BACKGROUND+=("$!")
}

wait_background() {
  local name="$1" pid="$2"
  wait "$pid" || { cat "$SCRATCH/$name.log" >&2; fail "$name failed"; }
  cat "$SCRATCH/$name.log"
}

# The same answers on Linux, one after another in one folder with the
# small skindata and its launchers.
build_linux_designs() {
  local small="$SCRATCH/small-linux" folder="$SCRATCH/linux-designs/skinbuilder-$VERSION"
  "$PACKAGE_BUILD/linux/make-skindata" --small "$small" >/dev/null
  with_skindata "$LINUX" "$small" "$folder"
  LINUX_DESIGNS="$folder"
  mkdir -p "$SCRATCH/linux-runs"
  for design in 1 2 3 4; do
    record_run "$folder" "${DESIGN_ANSWERS[$design]}" linux "$SCRATCH/linux-runs/design$design"
  done
  step_done "Linux folder builds designs 1 to 4 on the small template"
}

# Both runs of design $1 said ready and ended with 0; else the end of the
# dialogue and the tools' messages show why.
both_ready() {
  local design="$1" run folder
  for run in "$SCRATCH/linux-runs/design$design" "${WINDOWS_DESIGN[$design]}"; do
    folder="$run"
    [ "$run" = "${WINDOWS_DESIGN[$design]}" ] || folder="$LINUX_DESIGNS"
    [ "$(cat "$run.status")" = 0 ] && grep -qx "Your skin is now ready." "$run.txt" || {
      tail -n 20 "$run.txt" >&2
      tail -n 20 "$folder/skindata/temp/tool-messages.txt" >&2 || true
      fail "design $design in $folder did not build (exit $(cat "$run.status"))"
    }
  done
}

# Each design's skins compared; the figures on one line with the Wine
# build's time.
compare_designs() {
  for design in 1 2 3 4; do
    local skin="${DESIGN_SKINS[$design]}" windows="${WINDOWS_DESIGN[$design]}" figures
    both_ready "$design"
    figures="$("$ROOT/build/compare-skins" "$LINUX_DESIGNS/$skin" "$windows/$skin")" ||
      { echo "$figures"; fail "design $design under Wine lies too far from Linux's"; }
    figures="$(echo "$figures" | paste -sd ';' | sed 's/;/; /g')"
    echo "design $design: $figures; Wine build $(cat "$windows.time") s"
  done
  step_done "Windows folder builds designs 1 to 4 under Wine with ImageMagick 7 as Linux does"
}

start_wine() {
  mkdir -p "$WINEPREFIX"
  wineboot --init >"$SCRATCH/wineboot.log" 2>&1 ||
    { cat "$SCRATCH/wineboot.log"; fail "Wine did not start"; }
  wineserver --wait
  step_done "Wine started"
}

install_missing_packages
install_missing_packages $WINDOWS_PACKAGES
make_packages "${1:-}"
LINUX="$(unpack "$LINUX_ARCHIVE")"
WINDOWS="$(unpack "$WINDOWS_ARCHIVE")"
start_wine
fetch_imagemagick
check_layouts "$LINUX" "$WINDOWS"
check_windows_without_imagemagick "$WINDOWS"
# The real builds under Wine take longest: they start now, and the rest
# runs meanwhile.
if [ -n "$IMAGEMAGICK" ]; then
  prepare_windows_designs
  start_background wine-builds wine_builds
  step_done "Wine builds started"
fi
LINUX_STAND_INS="$(unpack "$LINUX_ARCHIVE")"
WINDOWS_STAND_INS="$(unpack "$WINDOWS_ARCHIVE")"
check_windows_dialogue "$LINUX_STAND_INS" "$WINDOWS_STAND_INS"
check_linux_build "$LINUX"
if [ -n "$IMAGEMAGICK" ]; then
  build_linux_designs
  wait_background wine-builds "${BACKGROUND[0]}"
  step_done "Wine builds and fault cases"
  compare_designs
else
  echo "SKIPPED: designs 1 to 4 and the faulty tools under Wine ($IMAGEMAGICK_MISSING)"
  [ -z "${CI:-}" ] || fail "CI is set, so the skipped checks count as a failure"
fi
echo "The downloads of version $VERSION run as they are."

#!/usr/bin/env bash
# Windows benchmark under Wine: a design 2 build (STANDARD multicolour) by
# the Windows program as it was, handing every command line to cmd.exe
# through system(), against the program that interprets its own lines and
# starts only the image tools, both with the real ImageMagick 7 of
# tools/imagemagick7.sh. The new program runs twice: as it comes (the image
# commands spread over the processors) and with SKINBUILDER_JOBS=1 (one
# tool process per command, as the old one), since under Wine processes
# that run side by side wait for each other in its single wineserver.
#
#   bench/wine_build.sh            both programs cross-built (optimised) into
#                                  bench/out/, the small template
#   BENCH_OLD_REVISION=rev         the program as it was (default: the last
#                                  commit that handed lines to cmd.exe)
#   BENCH_SKINDATA=full            the full template instead of the small one
#   BENCH_REPEAT=n                 each build n times, the fastest kept
#
# The old program runs with the .cmd launchers its skindata had then (magick
# from PATH, with the same options), and a findstr.cmd beside it: Wine's
# findstr is a stub. Wine's xcopy asks whether a wildcard destination is a
# file and waits for the answer: the old program's answers are a file that
# goes on with "F" lines, which the xcopy it starts reads from the shared
# standard input once the program has taken its first buffer. Even so Wine
# clones none of the multicolour sections' files (its xcopy and ren rename
# no files by wildcard), so the old build treats fewer images and fails its
# own check: its time is a lower bound.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/bench/out/wine
old_revision=${BENCH_OLD_REVISION:-ba29c7f}
skindata_size=${BENCH_SKINDATA:-small}
repeat=${BENCH_REPEAT:-1}

export WINEPREFIX=${WINEPREFIX:-$out/prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

cross_build() {  # source folder, build folder
  cmake -S "$1" -B "$2" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$2" -j"$(nproc)" --target skinbuilder >/dev/null
}

build_programs() {
  mkdir -p "$out"
  echo "Cross-building the program as it is and as it was ($old_revision)..."
  cross_build "$root" "$out/new-build"
  if [ ! -d "$out/old-source" ]; then
    git -C "$root" worktree add --detach "$out/old-source" "$old_revision" >/dev/null 2>&1
  fi
  cross_build "$out/old-source" "$out/old-build"
  cmake -S "$root" -B "$root/build" >/dev/null
  cmake --build "$root/build" -j"$(nproc)" --target make-skindata >/dev/null
}

# A working folder: the Windows skindata, an empty Presets and, for the old
# program, the launchers it had.
make_folder() {  # folder, old|new
  rm -rf "$1"
  mkdir -p "$1/Presets"
  cp -r "$out/skindata" "$1/skindata"
  [ "$2" = old ] || return 0
  for tool in mogrify identify; do
    options=""
    [ $tool = mogrify ] && options="-define png:exclude-chunk=date,time "
    printf '@magick %s %s%%*\r\n' "$tool" "$options" >"$1/skindata/$tool.cmd"
  done
  printf '@find "%%~1"\r\n' >"$1/findstr.cmd"
}

answers() {  # old|new
  printf '2\n\n'
  if [ "$1" = old ]; then for _ in $(seq 20000); do printf 'F\r\n'; done; fi
}

# Wall seconds of one design 2 build; its dialogue in folder.txt.
timed_build() {  # folder, program, old|new
  local start end
  answers "$3" >"$1.answers"
  start=$(date +%s.%N)
  (cd "$1" && timeout 900 env ${4:+SKINBUILDER_JOBS=$4} wine "$2" <"$1.answers" >"$1.txt" \
    2>"$1.err") || true
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

fastest() {  # old|new|one, program
  local best="" seconds kind=$1 jobs=""
  [ "$1" = one ] && kind=new jobs=1
  for _ in $(seq "$repeat"); do
    make_folder "$out/run-$1" "$kind"
    seconds=$(timed_build "$out/run-$1" "$2" "$kind" "$jobs")
    if [ -z "$best" ] || [ "$(echo "$seconds < $best" | bc)" = 1 ]; then best=$seconds; fi
  done
  echo "$best"
}

build_programs
magick_folder=$("$root/tools/imagemagick7.sh")
export WINEPATH="Z:${magick_folder//\//\\}"
rm -rf "$out/skindata"
options="--windows"
[ "$skindata_size" = full ] || options="$options --small"
"$root/build/make-skindata" $options "$out/skindata" >/dev/null
wineboot --init >/dev/null 2>&1
wineserver --wait
images=$(find "$out/skindata/SkinTemplate" -name '*.png' | wc -l)
echo "Design 2 under Wine, $skindata_size template ($images images), ImageMagick 7.0.8-58:"
declare -A seconds
seconds[old]=$(fastest old "$out/old-build/skinbuilder.exe")
seconds[one]=$(fastest one "$out/new-build/skinbuilder.exe")
seconds[new]=$(fastest new "$out/new-build/skinbuilder.exe")
for which in old one new; do
  ready=$(grep -c "Your skin is now ready." "$out/run-$which.txt" || true)
  printf '  %-4s %7.1f s  ready: %s\n' "$which" "${seconds[$which]}" \
    "$([ "$ready" = 1 ] && echo yes || echo no)"
done
echo "  (old: cmd.exe per line; one: own interpreter, one tool process per command;"
echo "   new: own interpreter, image commands spread over the processors)"

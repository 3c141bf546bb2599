#!/bin/bash
# Runs two builds of the program on the same answers and compares what each
# did: the dialogue's text, every command line in its order, the skin (every
# file, byte for byte), the preset files and the exit status. Also compares
# the template each build's generator draws.
#
#   tools/identity/compare_versions.sh OLD_BUILD NEW_BUILD [--small]
#
# Each build folder must hold skinbuilder's command-trace and make-skindata
# (the build/ folder of a configured tree). Prints one line per scenario and
# exits 1 when anything differs; the runs stay in $OUT (default
# /tmp/compare-versions) for a closer look.
set -u
old="$(realpath "$1")"
new="$(realpath "$2")"
size="${3:-}"
out="${OUT:-/tmp/compare-versions}"
rm -rf "$out" && mkdir -p "$out"

# Answer streams, one per scenario. Presets made by one scenario stay for
# the next, so the last loads the preset the one before saved.
declare -a names answers
add() { names+=("$1"); answers+=("$2"); }
add standard-blue $'1\n\n'
add standard-multicolour $'2\n\n'
add custom-single-adjusted $'3\n200\n40\n40\n10\n20\n30\n2\n10\n-20\n5\n15\n\n2\nSingle Adjusted\n7\n4\n2\n2\n50\n2\n1\n2\n\n\n'
add custom-multi-styles $'4\n200\n40\n40\n40\n200\n40\n40\n40\n200\n200\n200\n40\n10\n20\n30\n2\n-10\n15\n-5\n20\n-sharpen 0x1\n2\nMulti Styled\n12\n9\n3\n2\n100\n3.5\n2\n2\n2\n2\nMy Preset\n\n'
add from-preset $'5\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n2\nFrom Preset\n\n\n\n\n\n\n\n\n1\n\n'

prepare() {  # build_folder workspace
  mkdir -p "$2/Presets"
  "$1/make-skindata" $size "$2/skindata" >/dev/null || exit 2
}

for side in old new; do
  build="$old"; [ "$side" = new ] && build="$new"
  prepare "$build" "$out/$side"
done
status=0
if diff -r "$out/old/skindata" "$out/new/skindata" >/dev/null; then
  echo "template: same"
else
  echo "template: DIFFERENT"; status=1
fi

listing() {  # folder: every file with its checksum, skindata's scratch left out
  (cd "$1" && find . -path ./skindata -prune -o -type f -print0 | sort -z |
     xargs -0 -r sha256sum)
}

for i in "${!names[@]}"; do
  for side in old new; do
    build="$old"; [ "$side" = new ] && build="$new"
    (cd "$out/$side" && printf '%s' "${answers[$i]}" |
       "$build/command-trace" "$out/$side-$i.commands" >"$out/$side-$i.dialogue" 2>&1
     echo $? >"$out/$side-$i.status")
    listing "$out/$side" >"$out/$side-$i.files"
  done
  verdict=""
  for part in dialogue commands files status; do
    cmp -s "$out/old-$i.$part" "$out/new-$i.$part" || verdict+=" $part"
  done
  lines=$(wc -l <"$out/new-$i.commands")
  files=$(wc -l <"$out/new-$i.files")
  if [ -z "$verdict" ]; then
    echo "${names[$i]}: same (exit $(cat "$out/new-$i.status"), $lines command lines, $files files)"
  else
    echo "${names[$i]}: DIFFERENT in$verdict"; status=1
  fi
done
exit $status

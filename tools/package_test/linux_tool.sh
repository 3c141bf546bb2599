#!/bin/sh
# The Linux side of magick_bridge.cc: runs ImageMagick's tool $1 with the
# other arguments in the working folder written beside this script, and
# leaves its output, then its exit status, beside it too. The program's
# ".\x\y" paths become "./x/y".
exchange=$(dirname "$0")
tool=$1
shift
n=$#
while [ "$n" -gt 0 ]; do
  arg=$1
  shift
  case $arg in
    .\\*) arg=$(printf '%s' "$arg" | tr '\\' /) ;;
  esac
  set -- "$@" "$arg"
  n=$((n - 1))
done
: >"$exchange/out"
: >"$exchange/err"
status=127
if cd "$(cat "$exchange/cwd")"; then
  if command -v magick >/dev/null 2>&1; then
    magick "$tool" "$@" >"$exchange/out" 2>"$exchange/err"
  else
    "$tool" "$@" >"$exchange/out" 2>"$exchange/err"
  fi
  status=$?
fi
echo "$status" >"$exchange/done.tmp"
mv "$exchange/done.tmp" "$exchange/done"

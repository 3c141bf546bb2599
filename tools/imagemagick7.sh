#!/usr/bin/env bash
# Prints the folder of a real Windows ImageMagick 7 (magick.exe), for the
# Windows checks under Wine and the Wine benchmark; fetches it once.
#
# The npm registry's package @hakuneko/imagemagick-binaries holds a
# portable ImageMagick 7.0.8-58 (Q16, HDRI, x64) as convert.exe, which takes
# its part from its own file name: copied as magick.exe it is magick. It is
# kept outside the source tree, in ~/.cache/skinbuilder (XDG_CACHE_HOME
# when set), so that later runs need no network. Exits 1, saying why on
# standard error, when the registry cannot be reached.
set -euo pipefail

PACKAGE="@hakuneko/imagemagick-binaries@7.0.8-58-3"
CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/skinbuilder/imagemagick-7.0.8-58"

if [ ! -x "$CACHE/magick.exe" ]; then
  command -v npm >/dev/null 2>&1 || { echo "imagemagick7.sh: npm is not installed" >&2; exit 1; }
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  if ! (cd "$work" && timeout 120 npm pack --silent "$PACKAGE" >npm.log 2>&1); then
    echo "imagemagick7.sh: the npm registry gave no $PACKAGE: $(tail -n 1 "$work/npm.log")" >&2
    exit 1
  fi
  tar -xzf "$work"/*.tgz -C "$work" package/bin/win32/amd64/convert.exe
  mkdir -p "$CACHE"
  cp "$work/package/bin/win32/amd64/convert.exe" "$CACHE/magick.exe.tmp"
  chmod +x "$CACHE/magick.exe.tmp"
  mv "$CACHE/magick.exe.tmp" "$CACHE/magick.exe"
fi
echo "$CACHE"

#!/usr/bin/env bash
# Makes the two downloads in dist/ from this source tree:
#
#   dist/skinbuilder-VERSION-linux-x86_64.tar.gz
#   dist/skinbuilder-VERSION-windows-x64.zip
#
# Each holds one folder, skinbuilder-VERSION/, that runs as it is: the
# program, skindata drawn by make-skindata here, an empty Presets and a
# readme for its system. VERSION is the project version of CMakeLists.txt.
# The builds go to build-package/ (only the programs: no tests, so no
# GoogleTest); CPack lays out and packs each folder (cmake --install's
# layout), with the archivers built into CMake.
#
# The Linux program runs on other machines with nothing of this one: it is
# linked statically and every image command starts ImageMagick's tool (no
# image library in the program), so it needs ImageMagick's command-line
# tools only, and a 64-bit x86 Linux. The Windows program is cross-built
# with MinGW-w64, all run-time libraries linked in; its skindata is drawn
# by the Linux make-skindata, without launchers: the program finds ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/prepare.sh

PACKAGE_BUILD="$PWD/build-package"
DIST="$PWD/dist"

# The Linux program and make-skindata. GoogleTest is made unfindable, so a
# build that looked for it would fail here.
build_linux() {
  cmake -S . -B "$PACKAGE_BUILD/linux" --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DSKINBUILDER_IMAGE_LIBRARY=OFF \
    -DSKINBUILDER_STATIC=ON >/dev/null
  cmake --build "$PACKAGE_BUILD/linux" -j"$(nproc)" --target skinbuilder make-skindata
}

build_windows() {
  cmake -S . -B "$PACKAGE_BUILD/windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    "-DSKINBUILDER_SKINDATA_GENERATOR=$PACKAGE_BUILD/linux/make-skindata" >/dev/null
  cmake --build "$PACKAGE_BUILD/windows" -j"$(nproc)" --target skinbuilder
}

# CPack installs the build into a folder of its own and packs it; the
# archive then moves to dist/; its path and size are printed.
pack() {
  local build="$1" archive
  (cd "$build" && cpack >cpack.log) || { cat "$build/cpack.log"; return 1; }
  archive=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$build/cpack.log")
  mv "$archive" "$DIST/"
  archive="$DIST/$(basename "$archive")"
  echo "$archive: $(du -h "$archive" | cut -f1)"
}

install_missing_packages
install_missing_packages g++-mingw-w64-x86-64
mkdir -p "$DIST"
build_linux
build_windows
pack "$PACKAGE_BUILD/linux"
pack "$PACKAGE_BUILD/windows"

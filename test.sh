#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero on any failure.
#
#   ./test.sh             the normal build in build/ and its test suite
#   ./test.sh --sanitize  the same suite built with AddressSanitizer and
#                         UndefinedBehaviorSanitizer, in build-sanitize/
#   ./test.sh --windows   cross-builds the Windows programs and runs their
#                         tests under Wine, in build-windows/
#   ./test.sh --package   makes the two downloads (tools/package.sh) and
#                         checks that each runs as it is, the Windows one
#                         under Wine
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
  "") ;;
  --sanitize) exec tools/test_sanitized.sh ;;
  --windows) exec tools/test_windows.sh ;;
  --package) exec tools/test_package.sh ;;
  *) echo "usage: ./test.sh [--sanitize | --windows | --package]" >&2; exit 2 ;;
esac
. tools/prepare.sh
install_missing_packages
# strace injects the faults some end-to-end tests need (a failing unlink).
install_missing_packages strace
build_everything
cd build
ctest --output-on-failure -j"$(nproc)"

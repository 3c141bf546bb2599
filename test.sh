#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
. tools/prepare.sh
install_missing_packages
build_everything
cd build
ctest --output-on-failure

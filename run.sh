#!/usr/bin/env bash
# Builds the skin builder and starts it in workspace/, which holds the
# generated template data (skindata) and the Presets folder.
set -euo pipefail
cd "$(dirname "$0")"
. tools/prepare.sh
install_missing_packages
echo "Building the skin builder..."
if ! build_everything >build.log 2>&1; then
  cat build.log
  exit 1
fi

mkdir -p workspace/Presets
if [ ! -d workspace/skindata ]; then
  echo "Drawing the template skin into workspace/skindata..."
  build/make-skindata workspace/skindata
fi
cd workspace
exec ../build/skinbuilder

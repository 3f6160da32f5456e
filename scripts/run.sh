#!/usr/bin/env bash
# Installs what is missing, builds everything, and starts the desktop program
# on the shipped example column.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DKOLVANE_TESTS=ON
if [ -x build/kolvane ]; then
  exec build/kolvane "$@"
fi
echo "Built the core library and its tests; the desktop program is not part of this build yet."

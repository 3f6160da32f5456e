#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program. The first
# build places the example column beside the program in build/, so the program
# opens on it; later builds never touch the data kept there.
#   scripts/run.sh [FOLDER]     FOLDER: another working folder to open
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/kolvane "$@"

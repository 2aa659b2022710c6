#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kelvaro on a simulated port.
# Extra arguments go to the program, e.g. ./run.sh --trace
set -euo pipefail
cd "$(dirname "$0")"
. tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
build_project
exec ./build/kelvaro --simulate "$@"

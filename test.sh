#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest, headless.
set -euo pipefail
cd "$(dirname "$0")"
. tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${EMULATOR_PACKAGES[@]}"
build_project
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" </dev/null

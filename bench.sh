#!/usr/bin/env bash
# Builds the benchmark (Release) and runs it: what a poll tick costs, and the whole
# program against a bare Qt dialog. Takes about a minute and a half; keep the machine
# otherwise quiet. Arguments go to the benchmark (--help lists them).
# The build goes to build-bench/, or to $KELVARO_BENCH_BUILD.
set -euo pipefail
cd "$(dirname "$0")"
. tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
build_dir="${KELVARO_BENCH_BUILD:-build-bench}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target kelvaro_bench
exec "$build_dir/bench/kelvaro_bench" "$@"

#!/usr/bin/env bash
# Installs what is missing, builds, runs every test headless, then runs the core
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

tools/install_deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja
# Qt's form generator misses .ui files that appear after the first build; make it look again.
find build -path '*_autogen/timestamp' -delete
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DTOVALO_CORE_ONLY=ON -DTOVALO_SANITIZE=address,undefined
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$PWD/tools/ubsan.supp" \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -L core

# ThreadSanitizer only over the tests labelled "tsan" (those that share one object between threads).
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DTOVALO_CORE_ONLY=ON -DTOVALO_SANITIZE=thread
cmake --build build-tsan -j "$jobs" --target tovalo_tsan_tests
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L tsan

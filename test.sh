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
ctest --test-dir build --output-on-failure --timeout 300 -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DTOVALO_CORE_ONLY=ON -DTOVALO_SANITIZE=address,undefined
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$PWD/tools/ubsan.supp" \
  ctest --test-dir build-asan --output-on-failure --timeout 300 -j "$jobs" -L core

# ThreadSanitizer only over the tests labelled "tsan" (those that share one object between threads).
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DTOVALO_CORE_ONLY=ON -DTOVALO_SANITIZE=thread
cmake --build build-tsan -j "$jobs" --target tovalo_tsan_tests
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure --timeout 300 -j "$jobs" -L tsan

# The jobs tests need Qt, so they are not core: their own builds, under AddressSanitizer
# with UndefinedBehaviorSanitizer (jobs that outlive their ThreadJobs object), and under
# ThreadSanitizer, which needs tools/tsan_qt.supp for Qt's own uninstrumented hand-overs.
for sanitizer in address,undefined thread; do
  cmake -S . -B "build-jobs-${sanitizer%%,*}" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DTOVALO_SANITIZE="$sanitizer"
  cmake --build "build-jobs-${sanitizer%%,*}" -j "$jobs" --target tovalo_jobs_tests
done
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$PWD/tools/ubsan.supp" \
  ctest --test-dir build-jobs-address --output-on-failure --timeout 300 -j "$jobs" -L jobs
TSAN_OPTIONS="halt_on_error=1:ignore_noninstrumented_modules=1:suppressions=$PWD/tools/tsan_qt.supp" \
  ctest --test-dir build-jobs-thread --output-on-failure --timeout 300 -j "$jobs" -L jobs

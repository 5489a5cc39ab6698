#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application.
set -euo pipefail
cd "$(dirname "$0")"

tools/install_deps.sh
cmake -S . -B build -G Ninja
cmake --build build

if [ -x build/src/app/tovalo ]; then
  mkdir -p workdir
  cd workdir
  exec ../build/src/app/tovalo
fi
echo "The application window is not built yet; the core libraries, tests and benchmarks are."

#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application.
set -euo pipefail
cd "$(dirname "$0")"

tools/install_deps.sh
cmake -S . -B build -G Ninja
cmake --build build

if [ -x build/src/app/tovalo ]; then
  mkdir -p workdir
  # HTTPS requests trust the CA file of the working directory; help pages live in help/.
  if [ -f /etc/ssl/certs/ca-certificates.crt ]; then
    cp -f /etc/ssl/certs/ca-certificates.crt workdir/cacert.pem
  fi
  if [ -d help ]; then
    rm -rf workdir/help
    cp -r help workdir/help
  fi
  cd workdir
  exec ../build/src/app/tovalo
fi
echo "The application window is not built yet; the core libraries, tests and benchmarks are."

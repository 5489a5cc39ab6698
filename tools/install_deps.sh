#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

PACKAGES=(g++ cmake ninja-build pkg-config python3 openssl ca-certificates
  qtbase5-dev qtbase5-dev-tools libqt5charts5-dev qttools5-dev qttools5-dev-tools
  libqt5svg5-dev libcurl4-openssl-dev libsqlite3-dev sqlite3 rapidjson-dev libgtest-dev
  xvfb xauth clang libclang-rt-14-dev)

missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages (run as root to install them): ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y --no-install-recommends "${missing[@]}"

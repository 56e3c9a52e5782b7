#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), then configures
# and builds with the given CMake preset (default: "default").
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

packages=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev libgtest-dev libbenchmark-dev
          libgl-dev fonts-dejavu-core desktop-file-utils appstream)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

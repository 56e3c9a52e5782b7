#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), then configures
# and builds with the given CMake preset (default: "default").
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

scripts/install-missing.sh g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev libgtest-dev \
  libbenchmark-dev libcli11-dev libgl-dev fonts-dejavu-core desktop-file-utils appstream \
  qt6-translations-l10n

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

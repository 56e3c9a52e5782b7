#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), then configures and builds
# with the given CMake preset (default: "default"): every target, or only those named after it.
# Usage: scripts/setup.sh [PRESET [TARGET...]]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
targets=("${@:2}")

scripts/install-missing.sh g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev libgtest-dev \
  libbenchmark-dev libcli11-dev libgl-dev fonts-dejavu-core desktop-file-utils appstream \
  qt6-translations-l10n

cmake --preset "$preset" >/dev/null
if ((${#targets[@]})); then
  cmake --build --preset "$preset" --target "${targets[@]}"
else
  cmake --build --preset "$preset"
fi

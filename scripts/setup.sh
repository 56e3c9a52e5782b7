#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), then configures and builds
# with the given CMake preset (default: "default"): every target, or only those named after
# it. With --configure-only it stops before the build, which is all that clang-tidy needs
# (the preset's compile_commands.json).
# Usage: scripts/setup.sh [--configure-only] [PRESET [TARGET...]]
set -euo pipefail
cd "$(dirname "$0")/.."
configure_only=false
if [ "${1:-}" = --configure-only ]; then
  configure_only=true
  shift
fi
preset="${1:-default}"
targets=("${@:2}")

scripts/install-missing.sh g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev libgtest-dev \
  libbenchmark-dev libcli11-dev libgl-dev fonts-dejavu-core fonts-urw-base35 desktop-file-utils \
  appstream \
  qt6-translations-l10n

cmake --preset "$preset" >/dev/null
if $configure_only; then
  exit 0
elif ((${#targets[@]})); then
  cmake --build --preset "$preset" --target "${targets[@]}"
else
  cmake --build --preset "$preset"
fi

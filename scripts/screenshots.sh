#!/usr/bin/env bash
# Sets up and builds, then renders every window to PNG files in screenshots/ (or the given folder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
QT_QPA_PLATFORM=offscreen build/default/tools/stapelwerk_screenshots "${1:-screenshots}"

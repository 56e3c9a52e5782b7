#!/usr/bin/env bash
# Sets up and builds, then runs every test suite on Qt's offscreen platform: the suites a
# developer runs after each change, then the monkey.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
QT_QPA_PLATFORM=offscreen ctest --preset default "$@"
QT_QPA_PLATFORM=offscreen ctest --preset monkey "$@"

#!/usr/bin/env bash
# Builds the release preset and prints the benchmark figures beside their targets; the
# exit status says whether every target was met.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh release
scripts/install-missing.sh python3
bench/report.py build/release

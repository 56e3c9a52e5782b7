#!/usr/bin/env bash
# Sets up and builds, then runs every test suite on Qt's offscreen platform: the suites a
# developer runs after each change, then the monkey. CI leaves the monkey out here
# (--without-monkey) and lets it loose once, under the sanitizers.
# Usage: scripts/test.sh [--without-monkey] [CTEST OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."
monkey=true
if [ "${1:-}" = --without-monkey ]; then
  monkey=false
  shift
fi
scripts/setup.sh default
# The tools that give a file an ACL and extended attributes, for the test that they are kept.
scripts/install-missing.sh acl attr
QT_QPA_PLATFORM=offscreen ctest --preset default "$@"
if $monkey; then
  QT_QPA_PLATFORM=offscreen ctest --preset monkey "$@"
fi

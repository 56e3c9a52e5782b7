#!/usr/bin/env bash
# Sets up and builds, then runs every test suite on Qt's offscreen platform: the suites a
# developer runs after each change, then the monkey. CI runs it as it stands.
# Usage: scripts/test.sh [CTEST OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default
# The tools that give a file an ACL and extended attributes, for the test that they are kept.
scripts/install-missing.sh acl attr
QT_QPA_PLATFORM=offscreen ctest --preset default "$@"
QT_QPA_PLATFORM=offscreen ctest --preset monkey "$@"

#!/usr/bin/env bash
# Runs every suite on Windows from Linux, under wine64: the core's suite linked statically
# (preset windows-core-cross), then the core and widget suites of the program built
# against Qt for Windows (preset windows-cross, scripts/windows/build-windows.sh, which
# builds the Qt cache first when it is missing). The widget suite runs on the offscreen
# platform.
# Wine keeps a prefix in each build directory, made at its first start; it needs no
# display and prints none of its own diagnostics (WINEDEBUG=-all).
# Usage: scripts/windows/test-windows.sh [core]
#   (core: only the first suite, which needs no Qt)
set -euo pipefail
cd "$(dirname "$0")/../.."
start=$(date +%s)

scripts/install-missing.sh cmake ninja-build g++-mingw-w64-x86-64-posix googletest libcli11-dev \
  wine wine64 fonts-dejavu-core
unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Makes the Wine prefix of a build directory. Wine reports its 32-bit half missing, which
# the 64-bit tests do not need: its words are kept in a log and shown only on failure.
wine_prefix() {
  export WINEPREFIX="$PWD/$1/wineprefix"
  [ -f "$WINEPREFIX/system.reg" ] && return
  echo "== Making the Wine prefix $WINEPREFIX"
  mkdir -p "$1"
  if ! /usr/lib/wine/wine64 wineboot --init >"$1/wineboot.log" 2>&1 ||
    ! /usr/lib/wine/wineserver -w; then
    cat "$1/wineboot.log" >&2
    exit 1
  fi
}

cmake --preset windows-core-cross >/dev/null
wine_prefix build/windows-core-cross
cmake --build --preset windows-core-cross
ctest --preset windows-core-cross
/usr/lib/wine/wineserver -k 2>/dev/null || true
if [ "${1:-}" = core ]; then
  echo "== The core suite passed on Windows (Wine) in $(($(date +%s) - start)) s"
  exit 0
fi

scripts/windows/build-windows.sh
wine_prefix build/windows-cross
ctest --preset windows-cross
# The prefix's server would linger for a few seconds; let it end with the run.
/usr/lib/wine/wineserver -k 2>/dev/null || true

echo "== Every suite passed on Windows (Wine) in $(($(date +%s) - start)) s"

#!/usr/bin/env bash
# Cross-builds the Windows program from Linux: Qt for Windows from the cache (built first
# when missing, scripts/windows/build-qt-windows.sh), then stapelwerk.exe,
# stapelwerk-batch.exe and the suites with the preset windows-cross, in
# build/windows-cross; the program's folder as it is shipped goes to
# build/windows-cross/Stapelwerk.
set -euo pipefail
cd "$(dirname "$0")/../.."
start=$(date +%s)
scripts/install-missing.sh cmake ninja-build g++-mingw-w64-x86-64-posix googletest \
  libcli11-dev qt6-translations-l10n wine wine64
STAPELWERK_QT_PREFIX=$(scripts/windows/build-qt-windows.sh | tail -n 1)
export STAPELWERK_QT_PREFIX
build=build/windows-cross
cmake --preset windows-cross >/dev/null
nice -n 10 cmake --build --preset windows-cross --parallel 2
rm -rf "$build/Stapelwerk"
cmake --install "$build" --prefix "$build/Stapelwerk" --strip >/dev/null
echo "== Windows program built in $(($(date +%s) - start)) s: $build/Stapelwerk ($(du -sh "$build/Stapelwerk" | cut -f1))"

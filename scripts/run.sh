#!/usr/bin/env bash
# Sets up and builds the window (only what it needs, not the test suites), then starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default stapelwerk

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  start="xvfb-run -a build/default/src/stapelwerk"
  if ! command -v xvfb-run >/dev/null; then
    # The hint must work as typed on this machine: as root apt-get needs no sudo.
    if [ "$(id -u)" -eq 0 ]; then
      start="apt-get install -y xvfb xauth && $start"
    elif command -v sudo >/dev/null; then
      start="sudo apt-get install -y xvfb xauth && $start"
    else
      start="$start   (after an administrator has installed the packages xvfb and xauth)"
    fi
  fi
  cat >&2 <<TXT
Stapelwerk is built (build/default/src/stapelwerk), but there is no display to show it on.
Start it in a virtual display instead:
  $start
TXT
  exit 1
fi
exec build/default/src/stapelwerk

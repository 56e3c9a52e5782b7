#!/usr/bin/env bash
# Sets up and builds, then starts Stapelwerk.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh default

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat >&2 <<'TXT'
Stapelwerk is built (build/default/src/stapelwerk), but there is no display to show it on.
Start it in a virtual display instead:
  sudo apt-get install -y xvfb xauth && xvfb-run -a build/default/src/stapelwerk
TXT
  exit 1
fi
exec build/default/src/stapelwerk

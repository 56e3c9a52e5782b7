#!/usr/bin/env bash
# Tries the Windows downloads under Wine as a user would (after
# scripts/windows/package-windows.sh): a silent install into a fresh Wine prefix, the
# installed command line writing doit.pro (to a file and through --stdout) with the same
# bytes as the Linux build's, Ctrl+C in the middle of its write in a terminal, a start of
# the installed window on an X display (Xvfb :20), rendered to
# build/windows-cross/try.png, then a silent uninstall that must leave nothing in the
# install folder.
# Usage: scripts/windows/try-windows.sh LINUX_BATCH
#   (the Linux stapelwerk-batch to compare with)
set -euo pipefail
cd "$(dirname "$0")/../.."
linux_batch=$(realpath "${1:-build/default/src/stapelwerk-batch}")
scripts/install-missing.sh xvfb imagemagick x11-utils tmux python3
build=$PWD/build/windows-cross
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
setup=$PWD/Stapelwerk-$version-setup.exe
export WINEPREFIX=$build/try-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
rm -rf "$WINEPREFIX"
unset DISPLAY
$wine wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w

echo "== Silent install"
$wine "$setup" /S
local_appdata=$($wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
installed=$($wine winepath -u "$local_appdata\\Programs\\Stapelwerk" 2>/dev/null)
[ -f "$installed/stapelwerk.exe" ] && [ -f "$installed/stapelwerk-batch.exe" ]
$wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Stapelwerk' >/dev/null

echo "== The installed command line writes the bytes of the Linux build"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'C:\\proe\\teil1.prt\nteil2.asm\n' >"$work/list.txt"
mkdir "$work/linux" "$work/windows"
"$linux_batch" -l "$work/list.txt" -o "$work/linux" save-as
$wine "$installed/stapelwerk-batch.exe" -l "Z:$work/list.txt" -o "Z:$work/windows" save-as
cmp "$work/linux/doit.pro" "$work/windows/doit.pro"
$wine "$installed/stapelwerk-batch.exe" -l "Z:$work/list.txt" --stdout save-as >"$work/stdout.pro"
cmp "$work/linux/doit.pro" "$work/stdout.pro"
/usr/lib/wine/wineserver -k

echo "== Ctrl+C in the middle of a write keeps the old doit.pro and leaves no temporary file"
# In a terminal of its own, where Ctrl+C reaches the program as it does in a console.
python3 - "$work" <<'EOF'
import sys
work = sys.argv[1]
with open(f"{work}/million.txt", "wb") as f:
    f.write(b"".join(b"C:\\work\\teil%d.prt.3\r\n" % i for i in range(1_000_000)))
with open(f"{work}/values.txt", "wb") as f:
    f.write(b"".join(b"S%d\r\n" % i for i in range(1_000_000)))
EOF
mkdir "$work/interrupted"
printf 'alt\r\n' >"$work/interrupted/doit.pro"
tmux kill-session -t try-windows 2>/dev/null || true
tmux new-session -d -s try-windows -x 200 -y 20 "env WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all \
  $wine '$installed/stapelwerk-batch.exe' \
  -l 'Z:$work/million.txt' -o 'Z:$work/interrupted' assign-parameter MATERIAL \
  --values 'Z:$work/values.txt'; echo \$? >'$work/status'; sleep 60"
for _ in $(seq 240); do
  compgen -G "$work/interrupted/.stapelwerk-*.tmp" >/dev/null && break
  sleep 0.25
done
sleep 0.5
tmux send-keys -t try-windows C-c
for _ in $(seq 40); do
  [ -s "$work/status" ] && break
  sleep 0.25
done
tmux kill-session -t try-windows
/usr/lib/wine/wineserver -k
# STATUS_CONTROL_C_EXIT (0xC000013A), of which the low byte reaches the shell.
status=$(cat "$work/status" 2>/dev/null || echo none)
if [ "$status" != 58 ]; then
  echo "Ctrl+C ended the write with status $status, not 58" >&2
  exit 1
fi
[ "$(cat "$work/interrupted/doit.pro")" = $'alt\r' ]
if compgen -G "$work/interrupted/.stapelwerk-*.tmp" >/dev/null; then
  echo "Ctrl+C left a temporary file" >&2
  exit 1
fi

echo "== The installed window on the windows platform"
Xvfb :20 -screen 0 1600x1200x24 &
xvfb=$!
export DISPLAY=:20
sleep 2
# Wine's DirectWrite draws no text into line edits; Qt's own rasteriser stands in for it
# here. Windows itself renders with its native engine.
$wine "$installed/stapelwerk.exe" -platform windows:fontengine=freetype &
opened=false
for _ in $(seq 60); do
  if xwininfo -root -tree | grep -q 'Stapelwerk.*("stapelwerk.exe"'; then
    opened=true
    break
  fi
  sleep 1
done
$opened || {
  echo "The installed window did not open within a minute" >&2
  exit 1
}
# Drawn once the screen stops changing: the same pixels as one or two seconds before (a
# blinking text cursor alternates between two pictures), or after half a minute.
seen=()
for _ in $(seq 30); do
  frame=$(import -window root rgb:- | md5sum)
  [[ " ${seen[*]: -2} " == *" ${frame%% *} "* ]] && break
  seen+=("${frame%% *}")
  sleep 1
done
import -window root "$build/try.png"
/usr/lib/wine/wineserver -k
kill "$xvfb"
unset DISPLAY

echo "== Silent uninstall"
$wine "$installed/uninstall.exe" /S
/usr/lib/wine/wineserver -w
sleep 2
if [ -e "$installed" ] && [ -n "$(ls -A "$installed")" ]; then
  echo "Left in $installed:" >&2
  ls -R "$installed" >&2
  exit 1
fi
echo "== Installed, run and uninstalled under Wine; the window: $build/try.png"

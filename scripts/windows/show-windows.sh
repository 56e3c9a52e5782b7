#!/usr/bin/env bash
# Shows the Windows downloads as a user meets them, under Wine on an X display (Xvfb :21)
# with a window manager (openbox), for a person to look at (after
# scripts/windows/package-windows.sh): the installer page by page on a German and on an
# English system, the installed program at its first start (from the installer's last
# page), the uninstaller; then the examples of `stapelwerk-batch --help` put into a .bat
# file as the help prints them and run by cmd.exe, with doit.pro compared to what the
# Linux build writes for the same call. The pictures go to build/windows-cross/shown/.
# Usage: scripts/windows/show-windows.sh [LINUX_BATCH]
set -euo pipefail
cd "$(dirname "$0")/../.."
linux_batch=$(realpath "${1:-build/default/src/stapelwerk-batch}")
scripts/install-missing.sh xvfb openbox xdotool imagemagick x11-utils
build=$PWD/build/windows-cross
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
setup=$PWD/Stapelwerk-$version-setup.exe
shots=$build/shown
rm -rf "$shots"
mkdir -p "$shots"
export WINEPREFIX=$build/shown-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's DirectWrite draws no text into line edits (try-windows.sh); the program started
# from the installer's last page gets Qt's own rasteriser so.
export WINEQT_QPA_PLATFORM=windows:fontengine=freetype
wine=/usr/lib/wine/wine64
rm -rf "$WINEPREFIX"
unset DISPLAY
$wine wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w

Xvfb :21 -screen 0 1024x768x24 &
xvfb=$!
work=$(mktemp -d)
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=:21
sleep 2
openbox >/dev/null 2>&1 &

# Waits for a window whose title holds $1, then for the screen to stop changing.
settled() {
  for _ in $(seq 60); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && break
    sleep 1
  done
  local previous=
  for _ in $(seq 20); do
    sleep 1
    frame=$(import -window root rgb:- | md5sum)
    [ "$frame" = "$previous" ] && return
    previous=$frame
  done
}
shot() {
  settled "$2"
  import -window root "$shots/$1.png"
  echo "$shots/$1.png"
}
# Enter on the window whose title holds $1: its default button. Wine may have put up a
# second window of that title for a moment, gone again when asked.
enter() {
  for _ in 1 2 3 4 5; do
    window=$(xdotool search --onlyvisible --name "$1" | tail -n 1)
    [ -n "$window" ] && xdotool windowactivate --sync "$window" key --clearmodifiers Return \
      2>/dev/null && return
    sleep 1
  done
  echo "no window $1 took Enter" >&2
  return 1
}

installed_for() {
  local local_appdata
  local_appdata=$($wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
  $wine winepath -u "$local_appdata\\Programs\\Stapelwerk" 2>/dev/null
}

for language in de_DE en_US; do
  echo "== The installer, shown, on a system in $language"
  LANG=$language.UTF-8 LC_ALL=$language.UTF-8 $wine "$setup" &
  shot "$language-1-welcome" Stapelwerk
  enter Stapelwerk
  shot "$language-2-folder" Stapelwerk
  enter Stapelwerk
  shot "$language-3-finish" Stapelwerk
  enter Stapelwerk
  shot "$language-4-first-start" Zinkhorn
  /usr/lib/wine/wineserver -k
  /usr/lib/wine/wineserver -w
  $wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Stapelwerk' |
    tr -d '\r' | grep -E 'Display|Publisher|EstimatedSize' || true
  installed=$(installed_for)
  echo "== The uninstaller, shown"
  LANG=$language.UTF-8 LC_ALL=$language.UTF-8 $wine "$installed/uninstall.exe" &
  shot "$language-5-uninstall" Stapelwerk
  enter Stapelwerk
  shot "$language-6-uninstalled" Stapelwerk
  enter Stapelwerk
  sleep 3
  [ ! -e "$installed/stapelwerk.exe" ]
done

echo "== The help's examples in a .bat file, run by cmd.exe"
$wine "$setup" /S
installed=$(installed_for)
cd "$work"
printf 'welle.prt\r\nflansch.drw\r\n' >teile.txt
cp teile.txt export.txt
printf 'S235\r\nS355\r\n' >werte.txt
printf 'welle;S235\r\nflansch;S355\r\n' >material.csv
mkdir -p "$WINEPREFIX/drive_c/proe"
{
  printf '@echo off\r\nset "PATH=%s;%%PATH%%"\r\n' "$($wine winepath -w "$installed" 2>/dev/null)"
  n=0
  $wine "$installed/stapelwerk-batch.exe" --help | tr -d '\r' |
    sed -n '/^Beispiele/,/^$/p' | sed -n 's/^  //p' | while read -r example; do
      n=$((n + 1))
      printf 'echo Beispiel %d\r\ndel /q doit.pro 2>nul\r\n%s\r\n' "$n" "$example"
      printf 'echo Rueckgabewert %%ERRORLEVEL%%\r\nif exist doit.pro copy /y doit.pro doit-%d.pro >nul\r\n' "$n"
    done
} >examples.bat
cat examples.bat
# Its exit status is the last example's: the check finds the chain's mapkeys undefined.
$wine cmd /c examples.bat 2>&1 | tr -d '\r' || true
echo "== doit.pro of the .bat's run-mapkeys (example 2) against the Linux build's"
"$linux_batch" -l teile.txt --stdout run-mapkeys '+;%bb;%00;' >linux.pro
grep -a '%bb' doit-2.pro
od -c doit-2.pro | sed -n '1,4p'
cmp linux.pro doit-2.pro
echo "== The POSIX form of the chain in a .bat file: what cmd.exe leaves of it is a finding"
printf "@\"%s\" -l teile.txt --stdout run-mapkeys '+;%%bb;%%00;' >posix.pro\r\n" \
  "$($wine winepath -w "$installed/stapelwerk-batch.exe" 2>/dev/null)" >posix.bat
$wine cmd /c posix.bat 2>&1 | tr -d '\r' || true
grep -a 'file_open. .Open.;%' posix.pro | head -n 1
echo "== Pictures in $shots"

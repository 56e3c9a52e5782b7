#!/usr/bin/env bash
# Makes the Windows downloads in the repository's top directory: the installer
# Stapelwerk-<version>-setup.exe (NSIS, for the current user, no administrator rights)
# and the portable Stapelwerk-<version>-win64.zip, both from the program's folder that
# scripts/windows/build-windows.sh makes.
set -euo pipefail
cd "$(dirname "$0")/../.."
start=$(date +%s)
scripts/install-missing.sh nsis zip
scripts/windows/build-windows.sh
build=build/windows-cross
folder=$build/Stapelwerk
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

# The icon of the folder, the installer and the "Apps" entry, drawn by the Linux build's
# icon maker: the Windows one would need Wine and Qt's DLLs to run during the build.
scripts/setup.sh default stapelwerk_make_icons >/dev/null
QT_QPA_PLATFORM=offscreen build/default/tools/stapelwerk_make_icons --ico "$folder/stapelwerk.ico"

# The installer's list of files, and the uninstaller's of the same files and folders.
(
  cd "$folder"
  find . -type d ! -name . | sort | sed 's|^\./||; s|/|\\|g' |
    while read -r directory; do echo "CreateDirectory \"\$INSTDIR\\$directory\""; done
  find . -type f | sort | sed 's|^\./||; s|/|\\|g' | while read -r file; do
    echo "File \"/oname=$file\" \"$PWD/${file//\\//}\""
  done
) >"$build/files.nsh"
(
  cd "$folder"
  find . -type f | sort | sed 's|^\./||; s|/|\\|g' |
    while read -r file; do echo "Delete \"\$INSTDIR\\$file\""; done
  find . -type d ! -name . | sort -r | sed 's|^\./||; s|/|\\|g' |
    while read -r directory; do echo "RMDir \"\$INSTDIR\\$directory\""; done
) >"$build/unfiles.nsh"

setup=Stapelwerk-$version-setup.exe
zip=Stapelwerk-$version-win64.zip
rm -f "$setup" "$zip"
# Windows numbers a file's version in four parts.
file_version=$(printf '%s.0.0.0' "$version" | cut -d. -f1-4)
makensis -V2 -DVERSION="$version" -DFILE_VERSION="$file_version" -DSOURCE="$PWD/$folder" \
  -DOUTFILE="$PWD/$setup" packaging/windows/stapelwerk.nsi
(cd "$build" && zip -qr -X "../../$zip" Stapelwerk)
echo "== $setup ($(du -h "$setup" | cut -f1)) and $zip ($(du -h "$zip" | cut -f1)) made in $(($(date +%s) - start)) s"

#!/usr/bin/env bash
# Builds the Debian package stapelwerk_<version>_amd64.deb in the repository's top
# directory, then checks it: the desktop entry and the AppStream metainfo it installs
# are validated, and lintian must report no error.
#
# The build uses the release preset in its own directory, build/package, with the
# installation prefix /usr, Debian's hardening flags (dpkg-buildflags) and without the
# tests and benchmarks, which the package does not contain.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

scripts/install-missing.sh g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev libcli11-dev \
  libgl-dev fonts-dejavu-core dpkg-dev file desktop-file-utils appstream lintian

build=build/package
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
cmake --preset release -B "$build" \
  -DSTAPELWERK_BUILD_TESTS=OFF -DSTAPELWERK_BUILD_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$build"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
cmake -DVERSION="$version" -DCHANGELOG=packaging/changelog \
  -DMETAINFO=packaging/org.example.stapelwerk.metainfo.xml -P packaging/check_release.cmake

rm -rf "$build/cpack"
cpack --config "$build/CPackConfig.cmake" -B "$build/cpack"
deb="stapelwerk_${version}_$(dpkg --print-architecture).deb"
rm -f stapelwerk_*.deb
cp "$build/cpack/$deb" .

echo "== Checking $deb"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
desktop_entries=("$tree"/usr/share/applications/*.desktop)
# desktop-file-validate succeeds on hints and warnings: any line it prints fails.
findings=$(desktop-file-validate "${desktop_entries[@]}" 2>&1) || true
if [ -n "$findings" ] || ! desktop-file-validate "${desktop_entries[@]}" >/dev/null 2>&1; then
  echo "$findings" >&2
  echo "desktop-file-validate: the desktop entry is not clean" >&2
  exit 1
fi
echo "desktop-file-validate: ${desktop_entries[*]#"$tree"}: no findings"
appstreamcli validate --no-net --strict --pedantic "$tree"/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --no-net --strict --pedantic "$tree"
lintian --fail-on error --display-info "$deb"

echo "== $deb made and checked in $(($(date +%s) - start)) s"

#!/usr/bin/env bash
# Builds Qt for Windows x86_64 once per machine: the qtbase of Debian's source package of
# the very Qt version the host has (whose moc, rcc and uic the cross build uses), compiled
# with Debian's MinGW-w64 into a cache outside the clone, keyed by Qt version, compiler
# version and this recipe:
#   ${STAPELWERK_CACHE:-~/.cache/stapelwerk}/qt-<version>-mingw-<compiler>-r<recipe>/
# A complete cache is reused as it is. Nothing prebuilt is downloaded: the sources come
# from Debian's archive, checked against the hashes of its signed index. The build runs
# niced, idle for the disk, with at most two jobs (STAPELWERK_JOBS), as the machine is
# shared. The last line printed is the prefix.
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD

# The steps are bumped here whenever the options or the patches below change.
recipe=2

scripts/install-missing.sh cmake ninja-build dpkg-dev xz-utils g++-mingw-w64-x86-64-posix \
  qt6-base-dev qt6-base-dev-tools >&2

qt_package_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=${qt_package_version%%+*}
compiler_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
cache=${STAPELWERK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/stapelwerk}
prefix=$cache/qt-$qt_package_version-mingw-$compiler_version-r$recipe
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
start=$(date +%s)
work=$cache/work/$(basename "$prefix")
rm -rf "$work" "$prefix"
mkdir -p "$work/download"
echo "== Building Qt $qt_version for Windows into $prefix (log: $work/build.log)" >&2

# Debian serves its source packages only to a system that lists them: a deb-src twin of
# the archive's own entry is added when none is there.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
    $sudo tee /etc/apt/sources.list.d/stapelwerk-deb-src.sources >/dev/null
  $sudo apt-get update -qq
fi

cd "$work/download"
apt-get source --print-uris "qt6-base=$qt_package_version" |
  sed -n "s/^'[^']*' \([^ ]*\) [0-9]* SHA256:\([0-9a-f]*\)$/\2  \1/p" >SHA256SUMS
[ "$(wc -l <SHA256SUMS)" -eq 3 ] || {
  echo "The archive named no three files of qt6-base $qt_package_version" >&2
  exit 1
}
apt-get source --download-only "qt6-base=$qt_package_version" >&2 2>/dev/null
sha256sum --check --quiet SHA256SUMS >&2
# Debian's own patches are its security fixes; its build patches are for its own layout.
dpkg-source --skip-patches -x ./*.dsc "$work/src" >/dev/null
cd "$work/src"
grep -iE '^cve-' debian/patches/series | while read -r fix; do
  patch -p1 --quiet <"debian/patches/$fix"
done
# Debian's tarball lacks the wintab sources, so direct2d is off; Gui then leaves out the
# DirectWrite font database that the Windows plugin would otherwise use.
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
  src/plugins/platforms/windows/qwindowsintegration.cpp
[ "$(grep -c 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' \
  src/plugins/platforms/windows/qwindowsintegration.cpp)" -eq 2 ]

# The toolchain goes with the cache, as Qt's own toolchain file refers to it.
toolchain=$prefix/lib/cmake/stapelwerk-toolchain.cmake
mkdir -p "$(dirname "$toolchain")"
cp "$repo/cmake/mingw-w64-x86_64-shared.cmake" "$toolchain"
mkdir -p "$work/build"
cd "$work/build"
# A fresh CI machine builds this within its time limit, so what the program does not use is
# left out: JPEG and GIF, Qt Concurrent and Xml, the target's qmake, PDF, ODF and Markdown.
{
  nice -n 19 ionice -c3 "$work/src/configure" -prefix "$prefix" -release -shared -xplatform win32-g++ \
    -device-option CROSS_COMPILE=x86_64-w64-mingw32- -qt-host-path /usr \
    -nomake examples -nomake tests -no-pkg-config -no-opengl -no-dbus -no-icu -no-zstd \
    -qt-zlib -qt-libpng -no-libjpeg -no-gif -qt-freetype -qt-harfbuzz -qt-pcre \
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-tabletevent \
    -no-feature-direct2d -no-feature-vulkan \
    -no-feature-concurrent -no-feature-xml -no-feature-qmake -no-feature-pdf \
    -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  nice -n 19 ionice -c3 cmake --build . --parallel "${STAPELWERK_JOBS:-2}"
  cmake --install . --strip
} >"$work/build.log" 2>&1 || {
  tail -n 40 "$work/build.log" >&2
  exit 1
}
touch "$prefix/.complete"
rm -rf "$work/src" "$work/build"
echo "== Qt for Windows built in $(($(date +%s) - start)) s: $(du -sh "$prefix" | cut -f1)" >&2
echo "$prefix"

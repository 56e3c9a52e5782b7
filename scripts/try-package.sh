#!/usr/bin/env bash
# Tries the Debian package on a fresh Debian 12 that has never built the program:
# makes a minimal bookworm root with debootstrap (in try-root/, or the given folder),
# installs stapelwerk_<version>_amd64.deb there with apt-get as a user would, checks that
# every library of the program is found, starts the program on Qt's offscreen platform
# and requires it to stay up until it is stopped, then removes the package again.
# Needs root (debootstrap, chroot, mount); makes the package first when it is missing.
# Not part of the tests: it downloads about 100 MB and takes a few minutes.
#
# Usage: scripts/try-package.sh [--no-install-recommends] [ROOT]
set -euo pipefail
cd "$(dirname "$0")/.."

apt_options=()
if [ "${1:-}" = "--no-install-recommends" ]; then
  apt_options+=(--no-install-recommends)
  shift
fi
root=$(realpath -m "${1:-try-root}")
if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "${apt_options[@]}" "$root"
fi

debs=(stapelwerk_*_amd64.deb)
if [ ! -f "${debs[0]}" ]; then
  scripts/package.sh
  debs=(stapelwerk_*_amd64.deb)
fi
deb=${debs[0]}
scripts/install-missing.sh debootstrap

# The Debian mirror that apt here is configured with (deb822 or one-line sources).
mirror=$(
  cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
    awk '/^$/ { uri = "" } /^URIs:/ { uri = $2 } /^Suites:/ && / bookworm( |$)/ && uri { print uri; exit }'
)
if [ -z "$mirror" ]; then
  mirror=$(grep -hE '^deb\s+(\[[^]]*\]\s+)?\S+\s+bookworm\s' /etc/apt/sources.list \
             /etc/apt/sources.list.d/*.list 2>/dev/null |
           sed -E 's/^deb\s+(\[[^]]*\]\s+)?(\S+).*/\2/' | head -n 1 || true)
fi
mirror=${mirror:-http://deb.debian.org/debian}

unmount() {
  for mounted in proc dev/pts; do
    if mountpoint -q "$root/$mounted"; then umount "$root/$mounted"; fi
  done
}
trap unmount EXIT
unmount
# Only a root that this script made is replaced.
marker="$root/.stapelwerk-try-root"
if [ -e "$root" ] && [ -n "$(ls -A "$root")" ] && [ ! -e "$marker" ]; then
  echo "$root exists and was not made by $0: give an empty or new folder" >&2
  exit 1
fi
rm -rf --one-file-system "$root"

echo "== debootstrap --variant=minbase bookworm $root $mirror"
log=$(mktemp)
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$log" 2>&1 || {
  tail -n 20 "$log" >&2
  rm -f "$log"
  exit 1
}
rm -f "$log"
touch "$marker"
mount -t proc proc "$root/proc"
mount -t devpts devpts "$root/dev/pts"
cp "$deb" "$root/tmp/"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== apt-get install -y ${apt_options[*]:+${apt_options[*]} }./$deb (in /tmp)"
in_root apt-get update -qq
in_root sh -c 'cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$@"' \
  apt-get "${apt_options[@]}" "./$deb" >"$root/tmp/apt.log" 2>&1 || {
  cat "$root/tmp/apt.log" >&2
  exit 1
}
grep -E "newly installed|^Setting up stapelwerk" "$root/tmp/apt.log"

for program in stapelwerk stapelwerk-batch; do
  echo "== ldd /usr/bin/$program"
  if in_root ldd "/usr/bin/$program" | grep "not found"; then
    echo "The installed program misses the libraries above" >&2
    exit 1
  fi
  echo "every library found"
done

echo "== stapelwerk-batch --stdout save-as"
doit=$(printf 'welle.prt\r\n' | in_root stapelwerk-batch --stdout save-as)
if [[ "$doit" != "mapkey doit "* ]]; then
  echo "stapelwerk-batch wrote no doit.pro: $doit" >&2
  exit 1
fi
echo "stapelwerk-batch wrote doit.pro"

echo "== QT_QPA_PLATFORM=offscreen stapelwerk, stopped after 10 s"
status=0
in_root env QT_QPA_PLATFORM=offscreen timeout 10 stapelwerk >"$root/tmp/stapelwerk.log" 2>&1 ||
  status=$?
sed 's/^/  | /' "$root/tmp/stapelwerk.log"
if [ "$status" -ne 124 ]; then
  echo "stapelwerk ended by itself with status $status instead of running until stopped" >&2
  exit 1
fi
echo "stapelwerk ran until it was stopped"

echo "== xvfb-run -a stapelwerk (X11 through Qt's xcb platform), stopped after 10 s"
in_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends xvfb xauth >"$root/tmp/apt-xvfb.log" 2>&1 || {
  cat "$root/tmp/apt-xvfb.log" >&2
  exit 1
}
status=0
in_root xvfb-run -a timeout 10 stapelwerk >"$root/tmp/stapelwerk-x11.log" 2>&1 || status=$?
sed 's/^/  | /' "$root/tmp/stapelwerk-x11.log"
if [ "$status" -ne 124 ]; then
  echo "stapelwerk ended by itself with status $status instead of running until stopped" >&2
  exit 1
fi
echo "stapelwerk ran until it was stopped"

echo "== apt-get purge stapelwerk"
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q stapelwerk | tail -n 1
left=$(in_root sh -c 'for path in /usr/bin/stapelwerk /usr/bin/stapelwerk-batch \
  /usr/share/stapelwerk /usr/share/doc/stapelwerk \
  /usr/share/applications/org.example.stapelwerk.desktop; do [ ! -e "$path" ] || echo "$path"; done')
if [ -n "$left" ]; then
  echo "Left behind after purge: $left" >&2
  exit 1
fi
echo "== $deb installs, starts and goes again on a fresh Debian 12 ($root)"

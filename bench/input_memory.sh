#!/usr/bin/env bash
# Peak memory of the command line on big inputs, beside the size of the input: each case
# runs once under /usr/bin/time, whose maximum resident set size is the figure.
# Usage: bench/input_memory.sh [BUILD_DIRECTORY]   (default build/release; build it first)
# BATCH=PROGRAM measures another build of the command line, an older one for instance.
set -euo pipefail
cd "$(dirname "$0")/.."
batch="${BATCH:-$(realpath "${1:-build/release}")/src/stapelwerk-batch}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'EOF'
import sys
work = sys.argv[1]
# One line of 60 MB without a line end: a wrong file, or a list lost its line ends.
with open(f"{work}/one-line.txt", "wb") as f:
    f.write(b"C:\\work\\" + b"a" * (60_000_000 - 12) + b".prt")
# The same in Windows-1252, as a Windows program saves it: twice its size once decoded.
with open(f"{work}/one-line-1252.txt", "wb") as f:
    f.write(b"C:\\work\\" + b"\xe4" * (60_000_000 - 12) + b".prt")
# A million entries as a PDM export names them, and as many short values.
with open(f"{work}/million.txt", "wb") as f:
    f.write(b"".join(b"C:\\work\\teil%d.prt.3\r\n" % i for i in range(1_000_000)))
with open(f"{work}/million-values.txt", "wb") as f:
    f.write(b"".join(b"S%d\r\n" % i for i in range(1_000_000)))
# 66 MB of short values for a list of one entry: read whole, then refused by their count.
with open(f"{work}/values.txt", "wb") as f:
    f.write(b"".join(b"WERT%06d\r\n" % (i % 1_000_000) for i in range(66_000_000 // 12)))
# As many names with their values, by name.
with open(f"{work}/keyed.txt", "wb") as f:
    f.write(b"".join(b"T%06d.prt;%d\r\n" % (i % 1_000_000, i % 10) for i in range(66_000_000 // 15)))
# A config.pro of a million mapkeys, to which the auto block is appended.
with open(f"{work}/config.pro", "wb") as f:
    f.write(b"".join(b"mapkey x%d @MAPKEY_LABELx;~ Command `ProCmdModelOpen` ;\r\n" % i
                     for i in range(1_000_000)))
with open(f"{work}/one.txt", "wb") as f:
    f.write(b"teil.prt\r\n")
EOF

measure() {
  local label="$1" input="$2"
  shift 2
  rm -f "$work/doit.pro"
  local status=0
  /usr/bin/time -v -o "$work/time" "$batch" "$@" >/dev/null 2>"$work/err" || status=$?
  local peak
  peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time")
  local size
  size=$(stat -c %s "$input")
  local written=0
  [[ -f "$work/doit.pro" ]] && written=$(stat -c %s "$work/doit.pro")
  printf '%-34s in %5.1f MB  peak %6.1f MB  = %4.1f x  doit.pro %6.1f MB  exit %d\n' "$label" \
    "$(bc -l <<<"$size / 1000000")" "$(bc -l <<<"$peak * 1024 / 1000000")" \
    "$(bc -l <<<"$peak * 1024 / $size")" "$(bc -l <<<"$written / 1000000")" "$status"
}

scripts/install-missing.sh bc python3 time >/dev/null
measure "one line, delete-parameter" "$work/one-line.txt" -l "$work/one-line.txt" \
  -o "$work" delete-parameter MATERIAL
measure "one line, save-as" "$work/one-line.txt" -l "$work/one-line.txt" -o "$work" save-as
measure "one line in Windows-1252, save-as" "$work/one-line-1252.txt" \
  -l "$work/one-line-1252.txt" -o "$work" save-as
measure "66 MB values, one entry" "$work/values.txt" -l "$work/one.txt" -o "$work" \
  assign-parameter MATERIAL --values "$work/values.txt"
measure "66 MB keyed values, one entry" "$work/keyed.txt" -l "$work/one.txt" -o "$work" \
  assign-parameter MATERIAL --keyed "$work/keyed.txt"
measure "1M entries, save-as" "$work/million.txt" -l "$work/million.txt" -o "$work" save-as
measure "1M entries, assign-parameter" "$work/million.txt" -l "$work/million.txt" -o "$work" \
  assign-parameter MATERIAL --values "$work/million-values.txt"
measure "61 MB config.pro, install-auto" "$work/config.pro.bak" -o "$work" install-auto

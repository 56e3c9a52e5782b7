#!/usr/bin/env bash
# stapelwerk-batch ended by a signal or stopped by a file size limit while it writes
# doit.pro, as a shell sees it: the old doit.pro stays, no temporary file is left, and the
# exit status is the signal's (128 + its number) or the refusal's (1). What a killed run
# left is cleared by the next write, unless a running write still holds it.
set -u
set -m  # each background run in its own process group, with the default SIGINT action
batch=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export LC_ALL=C
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
temporaries() { find "$dir" -maxdepth 1 -name '.stapelwerk-*.tmp' | wc -l; }
old=$'old doit.pro\r'

# 5 MB of list: doit.pro comes to 150 MB, written for a second or more.
awk 'BEGIN { for (i = 0; i < 300000; i++) printf "teil%07d.prt\r\n", i }' >"$dir/list.txt"
printf 'old doit.pro\r\n' >"$dir/doit.pro"

for signal in TERM INT HUP; do
  "$batch" -o "$dir" -l "$dir/list.txt" save-as 2>/dev/null &
  pid=$!
  for ((wait = 0; $(temporaries) == 0; wait++)); do
    ((wait < 3000)) || fail "SIG$signal: no temporary file appeared"
    sleep 0.01
  done
  kill -s "$signal" "$pid"
  wait "$pid"
  status=$?
  ((status == 128 + $(kill -l "$signal"))) || fail "SIG$signal: exit status $status"
  (($(temporaries) == 0)) || fail "SIG$signal: a temporary file is left"
  [[ $(<"$dir/doit.pro") == "$old" ]] || fail "SIG$signal: doit.pro changed"
done

# A file size limit: the refusal, not a kill by SIGXFSZ.
message=$(prlimit --fsize=100000 "$batch" -o "$dir" -l "$dir/list.txt" save-as 2>&1)
status=$?
((status == 1)) || fail "size limit: exit status $status"
[[ $message == *"Die Datei ist zu groß"* && $message == *doit.pro* ]] || fail "size limit: $message"
(($(temporaries) == 0)) || fail "size limit: a temporary file is left"
[[ $(<"$dir/doit.pro") == "$old" ]] || fail "size limit: doit.pro changed"

# Left by killed runs: a dead one goes; one that a running write holds, and, where this
# runs as the superuser, another user's, stay.
dead="$dir/.stapelwerk-0123456789ab.tmp"
held="$dir/.stapelwerk-abcdefghijkl.tmp"
foreign="$dir/.stapelwerk-zzzzzzzzzzzz.tmp"
touch "$dead" "$held" "$foreign"
if ((EUID == 0)); then chown 65534 "$foreign"; else rm "$foreign"; fi
flock "$held" sleep 60 >/dev/null 2>&1 &
holder=$!
printf 'welle.prt\r\n' >"$dir/short.txt"
"$batch" -o "$dir" -l "$dir/short.txt" save-as || fail "a short write failed"
kill -- -"$holder"  # its own process group (set -m): flock and its sleep
[[ ! -e $dead ]] || fail "the dead temporary file stays"
[[ -e $held ]] || fail "the held temporary file was removed"
if ((EUID == 0)); then [[ -e $foreign ]] || fail "another user's file was removed"; fi
echo "ok"

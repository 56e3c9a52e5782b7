#!/usr/bin/env bash
# stapelwerk-batch against faults injected with strace at the worst moments, another program
# working in the same directory meanwhile, and a second user: the older config.pro.bak is
# never lost nor left under a temporary name, an editor's save during install-auto is kept,
# another user's link higher up the path is not followed, and a directory renamed while
# left files are cleared does not turn the clearing to another one. Exit 77 (skipped)
# without strace or ptrace.
set -u
batch=$1
source_dir=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
chmod 755 "$dir"  # the second user passes through
export LC_ALL=C
# LeakSanitizer cannot run under ptrace and would fail a traced run that did everything right.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
"$source_dir/scripts/install-missing.sh" strace >/dev/null 2>&1
strace -qq -o /dev/null true 2>/dev/null || {
  echo "SKIP: no strace, or no ptrace here"
  exit 77
}

printf 'welle.prt\r\n' >"$dir/list"
printf 'older backup\r\n' >"$dir/older"
printf 'mapkey ds @MAPKEY_LABELds;\r\n' >"$dir/old"
# What install-auto makes of the file $1, into $2.
installed() {
  mkdir "$dir/reference" && cp "$1" "$dir/reference/config.pro" &&
    "$batch" -o "$dir/reference" install-auto >/dev/null 2>&1 &&
    mv "$dir/reference/config.pro" "$2" && rm -r "$dir/reference"
}
installed "$dir/old" "$dir/new"
same() { cmp -s "$1" "$2"; }
# Waits until the command succeeds, for at most 30 s.
await() {
  for ((wait = 0; wait < 3000; wait++)); do
    "$@" && return 0
    sleep 0.01
  done
  fail "waited in vain for: $*"
}
differ() { ! same "$1" "$2"; }
temporaries() { find "$1" -maxdepth 1 -name '.stapelwerk-*' | wc -l; }
# install-auto in a fresh directory $1 with config.pro and an older backup, under strace with
# the injections that follow; sets $work, $tracer and $pid (the program's own).
trace_install() {
  work="$dir/$1"
  shift
  mkdir "$work" && cp "$dir/old" "$work/config.pro" && cp "$dir/older" "$work/config.pro.bak"
  strace -qq -o /dev/null "$@" "$batch" -o "$work" install-auto >"$work.out" 2>&1 &
  tracer=$!
  await pgrep -P "$tracer" >/dev/null
  pid=$(pgrep -P "$tracer")
}
renames=rename,renameat2 # the system calls that put a file in place, counted per call

# The rename of config.pro fails after the backup took its place, while another write clears
# left files in the same directory: the older backup comes back.
trace_install failed -e inject=$renames:delay_enter=3000000:error=EIO:when=2
await same "$work/config.pro.bak" "$dir/old"
"$batch" -o "$work" -l "$dir/list" save-as 2>/dev/null || fail "failed: the write beside it"
wait "$tracer"
status=$?
((status == 1)) || fail "failed: exit status $status"
grep -q "bleibt unverändert" "$work.out" || fail "failed: $(cat "$work.out")"
same "$work/config.pro" "$dir/old" || fail "failed: config.pro changed"
same "$work/config.pro.bak" "$dir/older" || fail "failed: the older backup is lost"

# SIGTERM between the two renames: both files replaced or neither, no temporary file left.
trace_install terminated -e inject=fsync:delay_enter=3000000:when=3
await same "$work/config.pro.bak" "$dir/old"
kill -TERM "$pid"
wait "$tracer"
status=$?
((status == 128 + 15)) || fail "terminated: exit status $status"
{ same "$work/config.pro" "$dir/new" && same "$work/config.pro.bak" "$dir/old"; } ||
  { same "$work/config.pro" "$dir/old" && same "$work/config.pro.bak" "$dir/older"; } ||
  fail "terminated: config.pro and its backup do not belong together"
(($(temporaries "$work") == 0)) || fail "terminated: a temporary file is left"

# No hard links, and a crash between the renames: config.pro.bak is still there, and what the
# crash left is cleared by the next write without taking it.
trace_install crashed -e inject=link,linkat:error=EPERM -e inject=$renames:delay_enter=3000000:when=2
await differ "$work/config.pro.bak" "$dir/older"
kill -KILL "$pid"
wait "$tracer" 2>/dev/null
"$batch" -o "$work" -l "$dir/list" save-as 2>/dev/null || fail "crashed: the next write failed"
same "$work/config.pro" "$dir/old" || fail "crashed: config.pro changed"
same "$work/config.pro.bak" "$dir/old" || same "$work/config.pro.bak" "$dir/older" ||
  fail "crashed: config.pro.bak is gone"
(($(temporaries "$work") == 0)) || fail "crashed: the left temporary file stays"

# An editor appends a line while install-auto renames: the line is in both files.
trace_install edited -e inject=$renames:delay_enter=2000000:when=2
await same "$work/config.pro.bak" "$dir/old"
printf 'mapkey bb @MAPKEY_LABELfrom the editor;\r\n' >>"$work/config.pro"
cp "$work/config.pro" "$dir/saved"
wait "$tracer" || fail "edited: $(cat "$work.out")"
installed "$dir/saved" "$dir/saved-new"
same "$work/config.pro" "$dir/saved-new" || fail "edited: the line is not in config.pro"
same "$work/config.pro.bak" "$dir/saved" || fail "edited: the line is not in the backup"

# Left files cleared while the directory is renamed and another put in its place: the
# clearing stays in the directory it opened, and the new one's held file stays.
work="$dir/swapped"
mkdir "$work" && touch "$work/.stapelwerk-0123456789ab.tmp"
strace -qq -o "$dir/trace" -e trace=unlink,unlinkat -e inject=unlink,unlinkat:delay_enter=2000000:when=1 \
  "$batch" -o "$work" -l "$dir/list" save-as 2>/dev/null &
tracer=$!
await grep -qs unlink "$dir/trace"
mv "$work" "$work.moved" && mkdir "$work"
exec 9>"$work/.stapelwerk-0123456789ab.tmp" && flock 9 # held by this shell
wait "$tracer"
exec 9>&-
[[ -e $work/.stapelwerk-0123456789ab.tmp ]] || fail "swapped: the new directory's held file went"

# Another user's link in a sticky directory that everyone may write to, above the file.
if ((EUID == 0)) && command -v setpriv >/dev/null; then
  mkdir -m 1777 "$dir/shared" && mkdir "$dir/home"
  setpriv --reuid=4242 --regid=4242 --clear-groups ln -s "$dir/home" "$dir/shared/out" ||
    fail "second user: no link made"
  for call in "-l $dir/list save-as" install-auto; do
    # shellcheck disable=SC2086 # the call's words
    message=$("$batch" -o "$dir/shared/out" $call 2>&1)
    status=$?
    ((status == 1)) && [[ $message == *"$dir/shared/out"* ]] || fail "second user: $message"
  done
  [[ -z $(ls -A "$dir/home") ]] || fail "second user: written into the linked directory"
fi
echo "ok"

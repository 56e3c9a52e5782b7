#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang with AddressSanitizer and UBSan) and runs
# each for the given seconds, one after the other (default 60). A target starts from its
# checked-in seeds in fuzz/corpus/<target> and from its working corpus build/fuzz/corpus/<target>
# (outside git), into which it merges what it finds new. A crash or a broken property is
# kept as build/fuzz/findings/<target>-crash-...: fix the fault, then check the input in
# under fuzz/corpus/<target>, so that the test suite replays it.
#
# With 0 seconds each target only runs the checked-in inputs, under clang's sanitizers (CI).
#
# Usage: scripts/fuzz.sh [SECONDS [TARGET...]]   (targets: fuzz/CMakeLists.txt)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true

scripts/install-missing.sh clang libfuzzer-14-dev cmake ninja-build qt6-base-dev \
  qt6-multimedia-dev libgl-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

build=build/fuzz
targets=("$@")
if ((${#targets[@]} == 0)); then
  for executable in "$build"/fuzz/fuzz_*; do targets+=("${executable##*/fuzz_}"); done
fi

mkdir -p "$build/findings"
failed=()
report=()
for target in "${targets[@]}"; do
  log="$build/findings/$target.log"
  if [ "$seconds" -eq 0 ]; then
    run=(-runs=0 "fuzz/corpus/$target")
  else
    mkdir -p "$build/corpus/$target"
    run=(-max_total_time="$seconds" "$build/corpus/$target" "fuzz/corpus/$target")
  fi
  echo "== $target: ${seconds} s"
  status=0
  "$build/fuzz/fuzz_$target" -max_len=1024 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "${run[@]}" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    grep -E "^$target: |ERROR|SUMMARY|Test unit written" "$log" >&2 || tail -n 20 "$log" >&2
  fi
  report+=("$(printf '%-12s %12s runs  %s' "$target" "${runs:-?}" \
    "$([ "$status" -eq 0 ] && echo clean || echo "FINDING (see $log)")")")
done

echo "== Executions per target"
printf '%s\n' "${report[@]}"
if ((${#failed[@]})); then
  echo "Findings in: ${failed[*]}" >&2
  exit 1
fi

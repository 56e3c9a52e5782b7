#!/usr/bin/env bash
# Builds the asan preset and lets the monkey loose on the main window under the
# sanitizers: scripts/monkey.sh [actions] [seed] (10,000 actions and the suite's seed
# unless given). A failure prints the seed and the last actions, to replay the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh asan
export MONKEY_ACTIONS="${1:-10000}"
if [ -n "${2:-}" ]; then export MONKEY_SEED="$2"; fi
export QT_QPA_PLATFORM=offscreen
# A report of UBSan ends the run as one of ASan does.
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
time build/asan/tests/ui/stapelwerk_monkey_tests

#!/usr/bin/env bash
# The committed tools, enforced: every source file formatted by .clang-format, and the core
# (the lower-case files of src/, standard C++ only) clean under .clang-tidy. Needs the
# default build's compile_commands.json (scripts/setup.sh default).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-missing.sh clang-format clang-tidy

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# The Windows files do not compile here, and a main() is its program's, not the core's.
git ls-files 'src/*.cpp' | grep -E '/[a-z][a-z0-9_]*\.cpp$' |
  grep -vE '/main\.cpp$|_windows\.cpp$' |
  xargs -n 4 -P "$(nproc)" clang-tidy -p build/default --quiet 2>&1 |
  { grep -v ' warnings\? generated\.$' || true; }

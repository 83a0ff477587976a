#!/usr/bin/env bash
# Builds Tessary and runs every test: the unit tests and the command-line checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${TESSARY_BUILD_DIR:-build}
# Warnings stay warnings here even in a folder CI configured with -DTESSARY_WERROR=ON.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARY_BUILD_TESTS=ON -DTESSARY_WERROR=OFF \
  ${TESSARY_CMAKE_ARGS:-}
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
[ -z "${TESSARY_SKIP_CHECKS:-}" ] || exit 0
checks=../shared/checks
if [ ! -d "$checks" ]; then
  echo "No $checks beside the repository: the command-line checks are skipped."
  exit 0
fi
for script in "$checks"/*_cases.py; do
  name=$(basename "$script")
  # The timing checks need the timing commands of the command-line program.
  if [ "$name" = timing_cases.py ] && ! "$build/src/cli/tessary-cli" shift --help >/dev/null 2>&1; then
    continue
  fi
  python3 "$script" "$build/src/cli/tessary-cli"
done

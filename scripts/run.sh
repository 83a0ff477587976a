#!/usr/bin/env bash
# Builds Tessary and shows a subtitle as the program reads, verifies and repairs it
# (the bundled sample when no file is given).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tessary-cli >/dev/null
file=${1:-data/sample.srt}
exec build/src/cli/tessary-cli verify "$file"

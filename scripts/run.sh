#!/usr/bin/env bash
# Builds Tessary and starts the editor on FILE (the bundled sample subtitle when none is given).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tessary >/dev/null
file=${1:-data/sample.srt}
exec build/src/app/tessary "$file"

#!/usr/bin/env bash
# Measures the peak resident set of tessary-cli convert, the whole program counted (as
# /usr/bin/time -v reports it: "Maximum resident set size"), on the largest inputs both ways
# and on a medium file of a quarter of their lines, and prints it as a multiple of the file's
# size against the target of 4; the last column leaves out what the program takes for a
# one-subtitle file (its code and libraries), which weighs most on small files.
#
#   bench/peak_memory.sh [BUILD_DIR] [WORK_DIR]
#
# BUILD_DIR holds the built tessary-cli and tessary-bench-inputs (default: build beside this
# folder); WORK_DIR receives the inputs and outputs and is kept (default: a temporary folder,
# removed at the end). Exits with 1 when a conversion of a largest input misses the target.
set -euo pipefail

source "$(dirname "$0")/large_inputs.sh"
large_inputs build memory "$@"
# A quarter of the lines; the SubRip file is cut where a block ends.
head -n 62500 big.sub >medium.sub
awk 'NR > 62500 && $0 == "\r" { exit } { print }' big.srt >medium.srt

# Peak resident set of one run of tessary-cli, in kB.
peak() { /usr/bin/time -f %M "$cli" "$@" 2>&1 >/dev/null | tail -1; }

printf '1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n' >tiny.srt
alone=$(peak convert --to sub -o out.sub tiny.srt)
echo "the program alone (a one-subtitle file): $alone kB"
missed=0
# Prints the peak of one conversion; a largest input past the target counts as missed.
measure() {
  local file=$1 to=$2 kb size
  kb=$(peak convert --to "$to" -o "out.$to" "$file")
  size=$(stat -c %s "$file")
  awk -v f="$file" -v t="$to" -v kb="$kb" -v size="$size" -v alone="$alone" 'BEGIN {
    r = kb * 1024 / size
    printf "  %-10s -> %-3s %9d bytes  peak %7d kB  %5.2f x the file (target 4x: %s)  %5.2f x\n", f, t, size, kb, r,
           r <= 4 ? "met" : "MISSED", (kb - alone) * 1024 / size }'
  if [[ $file == big.* ]] && ((kb * 1024 > 4 * size)); then missed=1; fi
}

measure big.srt sub
measure big.sub srt
measure medium.srt sub
measure medium.sub srt
if [[ -n ${2:-} ]]; then echo "files in $work"; fi
exit $missed

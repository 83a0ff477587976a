#!/usr/bin/env bash
# Times tessary-cli convert against ffmpeg's rewrite of the same large subtitle files, side
# by side in one run, and prints how many times faster tessary-cli is.
#
#   bench/compare_ffmpeg.sh [BUILD_DIR] [WORK_DIR]
#
# BUILD_DIR holds the built tessary-cli and tessary-bench-inputs (default: build-bench
# beside this folder); WORK_DIR receives the inputs and outputs and is kept (default: a
# temporary folder, removed at the end).
# Installs nothing: ffmpeg and hyperfine come from the system (without hyperfine a plain
# timing loop is used, with bash's time).
set -euo pipefail

runs=5
if ! command -v ffmpeg >/dev/null; then
  echo "error: ffmpeg is not installed, so there is nothing to compare with (apt-get install ffmpeg)" >&2
  exit 1
fi
source "$(dirname "$0")/large_inputs.sh"
large_inputs build-bench compare "$@"

# Prints, for each of the two commands, the mean and standard deviation of the wall time
# and the mean processor time (user + system), in milliseconds. Other work on the machine
# stretches wall times; processor times stay comparable.
measure() {
  local first=$1 second=$2
  if command -v hyperfine >/dev/null; then
    hyperfine --warmup 1 --runs "$runs" --style none --export-csv times.csv \
      -n tessary "$first" -n ffmpeg "$second" >/dev/null
    awk -F, 'NR > 1 { printf "%.1f %.1f %.1f\n", $2 * 1000, $3 * 1000, ($5 + $6) * 1000 }' times.csv
  else
    local TIMEFORMAT='%R %U %S'
    for command in "$first" "$second"; do
      bash -c "$command" >/dev/null 2>&1
      for _ in $(seq "$runs"); do { time bash -c "$command" >/dev/null 2>&1; } 2>&1; done |
        awk '{ w = $1 * 1000; s += w; q += w * w; c += ($2 + $3) * 1000 }
             END { m = s / NR; v = q / NR - m * m; printf "%.1f %.1f %.1f\n", m, sqrt(v > 0 ? v : 0), c / NR }'
    done
  fi
}

compare() {
  local title=$1 first=$2 second=$3 times
  times=$(measure "$first" "$second")
  read -r t_wall t_sd t_cpu <<<"$(sed -n 1p <<<"$times")"
  read -r f_wall f_sd f_cpu <<<"$(sed -n 2p <<<"$times")"
  echo "$title"
  printf '  tessary-cli  wall %7.1f ms +- %5.1f  cpu %7.1f ms   %s\n' "$t_wall" "$t_sd" "$t_cpu" "$first"
  printf '  ffmpeg       wall %7.1f ms +- %5.1f  cpu %7.1f ms   %s\n' "$f_wall" "$f_sd" "$f_cpu" "$second"
  awk -v tw="$t_wall" -v fw="$f_wall" -v tc="$t_cpu" -v fc="$f_cpu" 'BEGIN {
    printf "  ffmpeg/tessary-cli: wall %.2fx, cpu %.2fx (target 8x: %s)\n", fw / tw, fc / tc, (fw / tw >= 8) ? "met" : "MISSED" }'
}

echo "runs: $runs after 1 warm-up; $(command -v hyperfine >/dev/null && echo hyperfine || echo 'date loop (hyperfine not installed)'); load: $(cut -d' ' -f1-3 /proc/loadavg)"
compare "SubRip -> MicroDVD (big.srt, $(stat -c %s big.srt) bytes)" \
  "$cli convert --to sub -o tessary-out.sub big.srt" \
  "ffmpeg -y -loglevel error -i big.srt ffmpeg-out.srt"
compare "MicroDVD -> SubRip (big.sub, $(stat -c %s big.sub) bytes)" \
  "$cli convert --to srt -o tessary-out.srt big.sub" \
  "ffmpeg -y -loglevel error -subfps 25 -i big.sub ffmpeg-out-from-sub.srt"

# Both sides must have done the whole job for the times to compare.
echo "subtitles written: tessary-cli $(grep -c '' tessary-out.sub) / ffmpeg $(grep -c -- '-->' ffmpeg-out.srt) (from big.srt);" \
  "tessary-cli $(grep -c -- '-->' tessary-out.srt) / ffmpeg $(grep -c -- '-->' ffmpeg-out-from-sub.srt) (from big.sub)"
if [[ -n ${2:-} ]]; then echo "files in $work"; fi

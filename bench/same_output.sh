#!/usr/bin/env bash
# Runs two builds of tessary-cli over the same files with the same commands and reports every
# difference in what they print, their exit status and the files they write: a change that
# only makes the program faster or smaller must show none.
#
#   bench/same_output.sh OLD_CLI NEW_CLI FILE...
#
# Each file is verified, converted both ways and shifted; files under 1 MB also go through the
# other timing commands and the strict options. Exits with 1 when anything differs.
set -uo pipefail

old=$(realpath "$1") new=$(realpath "$2")
shift 2
work=$(mktemp -d /tmp/tessary-same.XXXXXX)
trap 'rm -rf "$work"' EXIT
runs=0 differences=0

# Runs one program in the work folder; keeps its output, status and the file it wrote.
run() {
  local cli=$1 tag=$2
  shift 2
  rm -f "$work"/out.*
  (cd "$work" && "$cli" "$@" >"$tag.stdout" 2>"$tag.stderr"; echo $? >"$tag.status")
  ls "$work"/out.* >"$work/$tag.written" 2>/dev/null
  cat "$work"/out.* >"$work/$tag.file" 2>/dev/null
}

for file in "$@"; do
  file=$(realpath "$file")
  commands=("verify" "verify --strict" "convert --to sub -o $work/out.sub" "convert --to srt -o $work/out.srt"
            "convert --to srt --dot --fps 23.976 -o $work/out.srt" "shift --ms 1500 -o $work/out.x")
  if (($(stat -c %s "$file") < 1000000)); then
    commands+=("convert --to sub --strict --counter-answer cancel -o $work/out.sub"
               "multiply --factor 1.1 -o $work/out.x" "fps --to 30 -o $work/out.x"
               "transform --line1 1 --at1 00:00:05,000 --line2 2 --at2 00:00:09,000 -o $work/out.x")
  fi
  for command in "${commands[@]}"; do
    runs=$((runs + 1))
    # shellcheck disable=SC2086  # the command is split into its words on purpose
    run "$old" old $command "$file"
    # shellcheck disable=SC2086
    run "$new" new $command "$file"
    for part in stdout stderr status written file; do
      if ! cmp -s "$work/old.$part" "$work/new.$part"; then
        echo "differs ($part): tessary-cli $command $file"
        differences=$((differences + 1))
      fi
    done
  done
done
echo "$runs runs, $differences differences"
((differences == 0))

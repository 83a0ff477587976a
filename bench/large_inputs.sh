# Sourced by the benchmark scripts: `large_inputs DEFAULT_BUILD TAG [BUILD_DIR] [WORK_DIR]`
# sets `cli` and `work`, checks that tessary-cli and the input generator are built, and
# writes the largest inputs into the work folder, which becomes the current folder. Without
# WORK_DIR the work folder is a temporary one, removed when the script ends.
large_inputs() {
  local here build generator tool
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  build=$(cd "${3:-$here/../$1}" && pwd)
  if [[ -n ${4:-} ]]; then
    work=$4
  else
    work=$(mktemp -d "/tmp/tessary-$2.XXXXXX")
    trap 'rm -rf "$work"' EXIT
  fi
  cli=$build/src/cli/tessary-cli
  generator=$build/bench/tessary-bench-inputs
  for tool in "$cli" "$generator"; do
    [[ -x $tool ]] || { echo "error: $tool is not built (ninja -C $build tessary-cli tessary-bench-inputs)" >&2; exit 1; }
  done
  mkdir -p "$work"
  cd "$work"
  "$generator" . >/dev/null
}

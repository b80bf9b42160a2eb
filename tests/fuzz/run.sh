#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given number of seconds, each
# from its committed corpus (read only) and a working corpus in the build
# folder. Stops at the first target that fails; the input that did it is kept
# in <build>/fuzz-artifacts/ (commit it to corpus/<target>/ with the fix, so
# that the crash stays found).
#   run.sh <seconds> [build folder, default build-fuzz]
set -euo pipefail
seconds=${1:?usage: run.sh <seconds> [build folder]}
build=$(realpath "${2:-build-fuzz}")
here=$(cd "$(dirname "$0")" && pwd)
export LSAN_OPTIONS="suppressions=$here/../lsan-suppressions.txt:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/fuzz-artifacts"
for corpus in "$here"/corpus/*/; do
  name=$(basename "$corpus")
  work="$build/fuzz-corpus/$name"
  log="$build/fuzz-artifacts/$name.log"
  mkdir -p "$work"
  if ! "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" \
      -artifact_prefix="$build/fuzz-artifacts/$name-" "$work" "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$name FAILED (log: $log)"
    exit 1
  fi
  echo "fuzz_$name: $(grep -o '^Done .*' "$log" || echo done), no failure"
done

#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ (preset `fuzz`) and runs each for RUNS inputs (default
# 100000), starting from its seeds: fuzz/corpus/<name>/ and what fuzz/corpus/<name>.sh writes.
# New inputs that reach new code collect in build/fuzz/corpus/<name>/; a crash stops the script
# with the fuzzer's report and the input saved as build/fuzz/crash-<name>-*.
# usage: tools/fuzz.sh [RUNS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-100000}
shift || true
root=$PWD
build=$root/build/fuzz

cmake --preset fuzz >/dev/null
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for src in fuzz/*_fuzz.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
cmake --build --preset fuzz --target "${targets[@]}"

for target in "${targets[@]}"; do
  name=${target%_fuzz}
  corpus=$build/corpus/$name
  mkdir -p "$corpus"
  [[ -d fuzz/corpus/$name ]] && cp -r fuzz/corpus/"$name"/. "$corpus"/
  [[ -f fuzz/corpus/$name.sh ]] && bash fuzz/corpus/"$name".sh "$corpus" "$build"
  echo "== $target: $runs inputs"
  # -seed fixes the run, so CI is repeatable; RSS and time per input are bounded so a hang or a
  # runaway allocation is a finding too.
  log=$build/$name.log
  if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/fuzz/$target" -runs="$runs" -seed=1 -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$build/crash-$name-" -print_final_stats=1 "$corpus" >"$log" 2>&1; then
    cat "$log" >&2
    echo "fuzz: $target failed (log $log)" >&2
    exit 1
  fi
  grep -E '^(Done|stat::(number_of_executed_units|peak_rss_mb|new_units_added))' "$log"
done

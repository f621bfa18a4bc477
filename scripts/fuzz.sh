#!/usr/bin/env bash
# Runs every fuzz target (tests/fuzz) on its seed corpus in the sanitizer build.
#   scripts/fuzz.sh [seconds [at-once [target...]]]
# runs each target (default: all) for that long (default 600), so many at a time (default 2;
# "all" runs them together). FUZZ_SEED fixes libFuzzer's random seed, so that a run repeats
# the first steps of any longer run with the same seed and corpus.
# New inputs collect in build-sanitize/fuzz/<target>/ and are used again by the next run; a
# finding (crash, sanitizer report, a message or a broken model after a step, a result that
# does not hold, hang, memory above the limit) is written to
# build-sanitize/fuzz/findings/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
jobs=${2:-2}
build=build-sanitize
bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSELLARA_SANITIZE=ON \
      -DTESSELLARA_FUZZ=ON -DTESSELLARA_BENCHMARKS=OFF -DCMAKE_CXX_COMPILER=clang++ >/dev/null
targets=(fuzz_state_file fuzz_settings fuzz_picture fuzz_best_times fuzz_numeric_value
         fuzz_mime_apps fuzz_recent_documents fuzz_installed_package)
[ $# -gt 2 ] && targets=("${@:3}")
[ "$jobs" = all ] && jobs=${#targets[@]}
cmake --build "$build" --target "${targets[@]}"

out=$PWD/$build/fuzz
mkdir -p "$out/findings" "$out/logs"
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run() {
  local target=$1 options=()
  # A picture may decode to 512 MB, and is converted and read back once more.
  [ "$target" = fuzz_picture ] && options+=(-rss_limit_mb=3072)
  [ -n "${FUZZ_SEED:-}" ] && options+=(-seed="$FUZZ_SEED")
  [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="$PWD/tests/fuzz/$target.dict")
  mkdir -p "$out/$target"
  "$PWD/$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=60 -detect_leaks=0 \
      -print_final_stats=1 -artifact_prefix="$out/findings/$target-" "${options[@]}" \
      "$out/$target" "$PWD/tests/fuzz/corpus/$target" >"$out/logs/$target.log" 2>&1
}

# The figures of one run: executions, rate, corpus entries and size, and the finding if any.
report() {
  local target=$1 status=$2 log=$out/logs/$1.log
  local runs rate corpus
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  # A finding among the seeds comes before any corpus line.
  corpus=$(grep -o 'corp: [0-9]*/[0-9]*[a-zA-Z]*' "$log" | tail -1 | cut -d' ' -f2 || true)
  if [ "$status" -eq 0 ]; then
    echo "$target: ${runs:-?} runs, ${rate:-?} exec/s, corpus ${corpus:-?}, no finding"
  else
    echo "$target: FINDING after ${runs:-?} runs (exit $status), see $log"
    grep -E -A2 'ERROR|SUMMARY|FINDING|did not survive|Test unit written' "$log" | head -20
  fi
}

failed=0
for ((i = 0; i < ${#targets[@]}; i += jobs)); do
  pids=()
  for target in "${targets[@]:i:jobs}"; do
    run "$target" &
    pids+=($!)
  done
  k=0
  for target in "${targets[@]:i:jobs}"; do
    status=0
    wait "${pids[k]}" || status=$?
    report "$target" "$status"
    [ "$status" -eq 0 ] || failed=1
    k=$((k + 1))
  done
done
exit $failed

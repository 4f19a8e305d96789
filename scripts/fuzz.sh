#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) into build-fuzz and runs each for a given
# time, one after the other.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]     targets: style theme language archive page ribbon
# FUZZ_RUNS=N stops each target after N executions instead (the time still caps it).
# New inputs go to build-fuzz/corpus/<target>; crashes to build-fuzz/artifacts/<target>-*.
# Copy a fixed crash input into fuzz/corpus/<target>/ so the test suite replays it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(style theme language archive page ribbon)
build="$root/build-fuzz"
jobs="${GRAPHDECK_JOBS:-2}"

if [ ! -f "$build/CMakeCache.txt" ]; then
  CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DGRAPHDECK_FUZZ=ON -DGRAPHDECK_SANITIZE=ON \
    -DGRAPHDECK_TESTS=OFF -DGRAPHDECK_BENCH=OFF
fi
cmake --build "$build" -j"$jobs" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0:max_allocation_size_mb=1024}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}"
status=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/artifacts"
  runs=()
  seeds=()
  # Page files start from the example pages.
  [ "$t" = page ] && seeds=("$root/examples/pages")
  [ -n "${FUZZ_RUNS:-}" ] && runs=(-runs="$FUZZ_RUNS")
  echo "== fuzz_$t: ${seconds}s"
  if ! "$build/fuzz/fuzz_$t" -max_total_time="$seconds" "${runs[@]}" -rss_limit_mb=2048 \
      -max_len=65536 -artifact_prefix="$build/artifacts/$t-" -print_final_stats=1 \
      "$build/corpus/$t" "$root/fuzz/corpus/$t" "${seeds[@]}" 2>"$build/fuzz_$t.log"; then
    status=1
    echo "fuzz_$t found a problem: see $build/fuzz_$t.log and $build/artifacts/"
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$build/fuzz_$t.log" || tail -5 "$build/fuzz_$t.log"
done
exit $status

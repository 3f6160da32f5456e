#!/usr/bin/env bash
# Builds the fuzz harnesses with clang++ and runs each for N seconds
# (default 20), starting from its seed corpus and the inputs of past faults,
# into a throw-away working corpus. Exits non-zero when a seed fails or a
# harness finds a crash; the crashing inputs are kept in
# <build>/fuzz-artifacts/<harness>/ for replay:
#   <build>/fuzz/<harness>_fuzzer <crash file>
#
#   scripts/fuzz.sh [seconds]        KOLVANE_FUZZ_BUILD=<folder> to build elsewhere
set -euo pipefail

seconds="${1:-20}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: $0 [seconds per harness, default 20]" >&2
  exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KOLVANE_FUZZ_BUILD:-$root/build-fuzz}"
harnesses=(numeric_reading main_data diagram diagram_repair)

generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ \
  -DKOLVANE_FUZZ=ON -DKOLVANE_TESTS=OFF -DKOLVANE_BENCH=OFF -DKOLVANE_UI=OFF >/dev/null
cmake --build "$build"
# The harnesses judge the core by the step-by-step oracle: it must be right first.
ctest --test-dir "$build/fuzz" -R fuzz_oracle --output-on-failure

# The harnesses write their files under TMPDIR; memory-backed when there is
# one, since the loaders' writes flush to disk on every run.
work="$(mktemp -d "${TMPDIR:-/tmp}/kolvane-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT
scratch_parent=/dev/shm
[ -d "$scratch_parent" ] && [ -w "$scratch_parent" ] || scratch_parent="$work"
scratch="$(mktemp -d "$scratch_parent/kolvane-fuzz-scratch.XXXXXX")"
trap 'rm -rf "$work" "$scratch"' EXIT
export TMPDIR="$scratch"

artifacts="$build/fuzz-artifacts"
rm -rf "$artifacts"
failed=()

for harness in "${harnesses[@]}"; do
  binary="$build/fuzz/${harness}_fuzzer"
  corpus="$work/$harness/corpus"
  crashes="$work/$harness/crashes"
  mkdir -p "$corpus" "$crashes"
  seeds=("$root/fuzz/corpus/$harness")
  [ -d "$root/fuzz/regressions/$harness" ] && seeds+=("$root/fuzz/regressions/$harness")

  echo "== $harness: $seconds s"
  status=0
  "$binary" "$corpus" "${seeds[@]}" \
    -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=4096 -timeout=10 \
    -artifact_prefix="$crashes/" -print_final_stats=1 >"$work/$harness/log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::new_units_added|Done )' "$work/$harness/log" || true

  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$crashes")" ]; then
    failed+=("$harness")
    mkdir -p "$artifacts/$harness"
    cp "$work/$harness/log" "$artifacts/$harness/log"
    cp "$crashes"/* "$artifacts/$harness/" 2>/dev/null || true
    echo "!! $harness failed (exit $status); log and inputs in $artifacts/$harness/" >&2
    grep -A2 -E 'check failed|ERROR: (AddressSanitizer|libFuzzer)|runtime error' "$work/$harness/log" | head -20 >&2 || true
  fi
done

if [ "${#failed[@]}" -ne 0 ]; then
  echo "fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzzing passed: ${harnesses[*]}"

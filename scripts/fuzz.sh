#!/usr/bin/env bash
# Builds the fuzz targets with clang (folder build-fuzz/) and runs each for the given seconds
# (default 60) on its corpus, which starts from the seeds fuzz/seeds.py writes. ZELO_FUZZ_JOBS
# targets run at the same time (default 1); ZELO_FUZZ_TARGETS="name ..." runs only those (names
# without "fuzz_"). Prints the executions of every target; fails when one finds a crash, hang, leak
# or runaway memory (the input that did it is kept in build-fuzz/crashes/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
jobs=${ZELO_FUZZ_JOBS:-1}
build=${ZELO_FUZZ_BUILD_DIR:-$root/build-fuzz}
"$root/scripts/install-deps.sh"
CXX=clang++ cmake -S "$root" -B "$build" -DZELO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" 2>&1 | grep -E "error|warning" || true
rm -rf "$build/seeds"
python3 "$root/fuzz/seeds.py" "$build/seeds"
mkdir -p "$build/crashes" "$build/runs"
# The readers' temporary program folders and every input file go to memory when it can: written to
# disk, each input costs a flush that slows the fuzzing several times over.
scratch_parent=/dev/shm
[ -d "$scratch_parent" ] && [ -w "$scratch_parent" ] || scratch_parent=${TMPDIR:-/tmp}
scratch=$(mktemp -d "$scratch_parent/zelo-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

run_target() {
  local target=$1 name corpus
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus" "$build/seeds/${name#fuzz_}" "$build/runs/$name"
  # Each target runs in its own folder: the readers may leave files next to what they read.
  if (cd "$build/runs/$name" && TMPDIR="$scratch" "$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/crashes/$name-" \
        "$corpus" "$build/seeds/${name#fuzz_}") >"$build/runs/$name.log" 2>&1; then
    echo ok >"$build/runs/$name.status"
  else
    echo FAILED >"$build/runs/$name.status"
  fi
}

targets=()
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  [ -z "${ZELO_FUZZ_TARGETS:-}" ] || [[ " $ZELO_FUZZ_TARGETS " == *" ${name#fuzz_} "* ]] || continue
  targets+=("$target")
done
running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
wait

failed=()
for target in "${targets[@]}"; do
  name=$(basename "$target")
  log="$build/runs/$name.log"
  status=$(cat "$build/runs/$name.status")
  if [ "$status" != ok ]; then
    failed+=("$name")
    grep -m1 -A20 "ERROR\|==ERROR\|deadly signal\|timeout\|out-of-memory" "$log" || tail -20 "$log"
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-28s %-7s %s executions\n' "$name" "$status" "${executions:-?}"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets failed: ${failed[*]} (inputs in $build/crashes/)"
  exit 1
fi

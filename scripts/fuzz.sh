#!/usr/bin/env bash
# Builds the fuzz targets with clang (folder build-fuzz/) and runs each for the given seconds
# (default 60) on its corpus, which starts from the seeds fuzz/seeds.py writes. Prints the
# executions of every target; fails when one finds a crash, hang, leak or runaway memory (the
# input that did it is kept in build-fuzz/crashes/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${ZELO_FUZZ_BUILD_DIR:-$root/build-fuzz}
"$root/scripts/install-deps.sh"
CXX=clang++ cmake -S "$root" -B "$build" -DZELO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" 2>&1 | grep -E "error|warning" || true
python3 "$root/fuzz/seeds.py" "$build/seeds"
mkdir -p "$build/crashes" "$build/runs"
failed=()
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus" "$build/seeds/${name#fuzz_}"
  log="$build/runs/$name.log"
  # Each target runs in its own folder: the readers may leave files next to what they read.
  mkdir -p "$build/runs/$name" && cd "$build/runs/$name"
  if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/crashes/$name-" "$corpus" "$build/seeds/${name#fuzz_}" >"$log" 2>&1; then
    status=ok
  else
    status=FAILED
    failed+=("$name")
    grep -m1 -A20 "ERROR\|==ERROR\|deadly signal\|timeout\|out-of-memory" "$log" || tail -20 "$log"
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-28s %-7s %s executions\n' "$name" "$status" "${executions:-?}"
done
cd "$root"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets failed: ${failed[*]} (inputs in $build/crashes/)"
  exit 1
fi

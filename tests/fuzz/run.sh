#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS, two at a time, each on a scratch
# copy of its corpus (tests/fuzz/corpus stays as committed; the scenario target's also takes the
# scripts of tests/scenarios).
#   tests/fuzz/run.sh SECONDS          build folder: build/fuzz, or $FUZZ_BUILD
# One line per target: its name, the runs made, and "clean" or the file that makes it fail
# (kept under BUILD/fuzz-findings). Exits 1 when a target found a fault.
set -euo pipefail

seconds=${1:?usage: tests/fuzz/run.sh SECONDS}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(mkdir -p "${FUZZ_BUILD:-$root/build/fuzz}" && cd "${FUZZ_BUILD:-$root/build/fuzz}" && pwd)
targets=(options bestscores saved_game text pictures question_format scenario)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSAVANTO_FUZZ=ON -DSAVANTO_BUILD_QT=OFF -DSAVANTO_BUILD_BENCH=OFF >"$build/configure.log" ||
  { cat "$build/configure.log"; exit 2; }
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}" >"$build/build.log" 2>&1 ||
  { tail -n 50 "$build/build.log"; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
findings="$build/fuzz-findings"
rm -rf "$findings"

run_one() {
  local name=$1 dir=$scratch/$1
  mkdir -p "$dir/corpus" "$dir/artifacts"
  cp -R "$here/corpus/$name/." "$dir/corpus/"
  # The scenario target also starts from every script the project runs.
  [[ $name != scenario ]] || cp "$root"/tests/scenarios/*.sim "$root"/tests/scenarios/platform/*.sim "$dir/corpus/"
  # Output goes to the log only; the summary below is read from it.
  (cd "$dir" && "$build/bin/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -artifact_prefix="$dir/artifacts/" corpus >"$dir/log" 2>&1) || true
}

running=0
for name in "${targets[@]}"; do
  if ((running == 2)); then
    wait -n
    running=$((running - 1))
  fi
  run_one "$name" &
  running=$((running + 1))
done
wait

failed=0
for name in "${targets[@]}"; do
  dir=$scratch/$name
  runs=$(grep -oE '^Done [0-9]+ runs' "$dir/log" | grep -oE '[0-9]+' | tail -n1 || true)
  # A run that stops on a fault prints no "Done" line: its last status line tells the count.
  [[ -n $runs ]] || runs=$(grep -oE '^#[0-9]+' "$dir/log" | tail -n1 | tr -d '#' || true)
  artifact=$(find "$dir/artifacts" -type f | head -n1)
  if [[ -n $artifact ]]; then
    mkdir -p "$findings/$name"
    cp "$artifact" "$dir/log" "$findings/$name/"
    result="$findings/$name/$(basename "$artifact") (log: $findings/$name/log)"
    failed=1
  elif ! grep -qE '^Done [0-9]+ runs' "$dir/log"; then
    mkdir -p "$findings/$name"
    cp "$dir/log" "$findings/$name/"
    result="stopped without a result (log: $findings/$name/log)"
    failed=1
  else
    result=clean
  fi
  printf '%-16s %10s runs  %s\n' "$name" "${runs:-0}" "$result"
done
exit "$failed"

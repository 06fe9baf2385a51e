#!/usr/bin/env bash
# fuzz/run.sh smoke|long <fuzz build folder> <seconds per target> <processes> [target ...]
#   smoke: every target runs alone for the seconds on a copy of its seeds, <processes> targets at a
#          time; any crash, leak, sanitizer finding or hang fails the run (make test).
#   long:  every target for the seconds, <processes> targets at a time, keeping its growing corpus in
#          <build>/corpus/<name>; the new crashing inputs are minimised and kept in tests/fuzz/<name>/
#          for the ordinary test build to replay (make fuzz).
# A single input taking over a second counts as a hang in the long runs; the smoke run, which may share
# a small loaded machine with the rest of the suite (a sanitized load of the good character there took
# over ten seconds), allows $SMOKE_HANG_SECONDS (60) before it calls one: an endless loop is still caught.
set -u
mode=$1 build=$2 seconds=$3 procs=$4
shift 4
src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$src"/fuzz/fuzz_*.cpp; do n=$(basename "$f" .cpp); targets+=("${n#fuzz_}"); done
fi
logs="$build/logs"
mkdir -p "$logs"

# "<executions> <features>" from the last status line of a libFuzzer log.
stats() {
  grep -E '^#[0-9]+' "$1" | tail -1 | sed -E 's/^#([0-9]+).*ft: ([0-9]+).*/\1 \2/;t;s/^#([0-9]+).*/\1 0/'
}

dict_of() {
  [ -f "$src/fuzz/fuzz_$1.dict" ] && echo "-dict=$src/fuzz/fuzz_$1.dict"
}

smoke_one() {
  local name=$1 scratch="$build/smoke/$1"
  rm -rf "$scratch" && mkdir -p "$scratch/corpus" "$scratch/crashes" "$scratch/tmp"
  TMPDIR="$scratch/tmp" "$build/fuzz_$name" -max_total_time="$seconds" -timeout="${SMOKE_HANG_SECONDS:-60}" -rss_limit_mb=2048 -print_final_stats=1 \
    $(dict_of "$name") -artifact_prefix="$scratch/crashes/" "$scratch/corpus" "$build/seeds/$name" \
    > "$logs/smoke-$name.log" 2>&1
  local rc=$?
  rm -rf "$scratch/tmp"
  read -r execs ft < <(stats "$logs/smoke-$name.log")
  if [ $rc -ne 0 ]; then
    echo "FUZZ FAILED  $name ($execs executions): see $logs/smoke-$name.log"
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$logs/smoke-$name.log" | head -5
    return 1
  fi
  # However short the run, every seed has been through the target before the fuzzing proper began.
  if ! grep -qE '^#[0-9]+[[:space:]]+INITED' "$logs/smoke-$name.log"; then
    echo "FUZZ FAILED  $name: the run ended before its seeds had all run: see $logs/smoke-$name.log"
    return 1
  fi
  printf 'fuzz smoke   %-16s %10s executions %7s features\n' "$name" "$execs" "$ft"
}

if [ "$mode" = smoke ]; then
  export -f smoke_one stats dict_of
  export build seconds src logs
  printf '%s\n' "${targets[@]}" | xargs -P "$procs" -I{} bash -c 'smoke_one {}'
  exit $?
fi

[ "$mode" = long ] || { echo "usage: $0 smoke|long <build> <seconds> <processes> [target ...]"; exit 2; }

# One target for the whole time on one process of its own, its corpus growing in <build>/corpus/<name>.
long_one() {
  local name=$1 corpus="$build/corpus/$1" crashes="$build/crashes/$1" tmp="$build/tmp/$1"
  mkdir -p "$corpus" "$crashes"
  local before
  before=$(ls "$crashes" | sort)
  rm -rf "$tmp" && mkdir -p "$tmp"
  TMPDIR="$tmp" "$build/fuzz_$name" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 $(dict_of "$name") \
    -artifact_prefix="$crashes/" "$corpus" "$build/seeds/$name" > "$logs/long-$name.log" 2>&1
  read -r execs ft < <(stats "$logs/long-$name.log")
  local found count=0 f kept
  found=$(comm -13 <(echo "$before") <(ls "$crashes" | sort) | grep -v '^$' || true)
  for f in $found; do
    count=$((count + 1))
    mkdir -p "$src/tests/fuzz/$name"
    kept="$src/tests/fuzz/$name/$f"
    # A crash is minimised; a hang or a leak is kept as it was found.
    if [[ $f == crash-* ]]; then
      TMPDIR="$tmp" "$build/fuzz_$name" -minimize_crash=1 -max_total_time=60 -timeout=1 -exact_artifact_path="$kept" \
        "$crashes/$f" > "$logs/minimise-$name-$f.log" 2>&1
    fi
    [ -f "$kept" ] || cp "$crashes/$f" "$kept"
    echo "  new: tests/fuzz/$name/$f"
  done
  rm -rf "$tmp"
  printf '%-16s %12s executions %7s features %3d new crashes\n' "$name" "$execs" "$ft" "$count" > "$logs/long-$name.sum"
  cat "$logs/long-$name.sum"
  [ $count -eq 0 ]
}

# <processes> targets run side by side, so the whole run takes about seconds x targets / processes.
summary="$logs/fuzz-summary.txt"
export -f long_one stats dict_of
export build seconds src logs
printf '%s\n' "${targets[@]}" | xargs -P "$procs" -I{} bash -c 'long_one {}'
failed=$?
for name in "${targets[@]}"; do cat "$logs/long-$name.sum" 2>/dev/null; done > "$summary"
echo "summary in $summary"
[ $failed -eq 0 ]

#!/bin/bash
# failed_tests.sh <ctest log>: after a failed run, the failing tests' own lines, last on the screen so
# that a short tail of the output still names the test case and the check that failed. Each test
# program runs whole; every test that failed there is run once more alone, which tells a fault of
# its own from one that leans on what an earlier test of the whole run left behind.
log=${1:-Testing/Temporary/LastTest.log}
[ -f "$log" ] || exit 0
dir=$(dirname "$(dirname "$(dirname "$log")")")
echo "==== the failing tests, each run alone ===="
awk '/^[0-9]+\/[0-9]+ Testing: /{prog=$3} /^\[  FAILED  \] [A-Za-z0-9_\/.]+ \(/{print prog, $4}' "$log" | sort -u |
while read -r prog test; do
  [ -x "$dir/$prog" ] || continue
  out=$(cd "$dir" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 600 "./$prog" --gtest_filter="$test" 2>&1)
  if [ $? -eq 0 ] && grep -q "^\[  PASSED  \] 1 test" <<< "$out"; then
    echo "$prog $test: passes alone, so it leans on what an earlier test of the whole run left"
  else
    echo "$prog $test: fails alone too"
  fi
done
echo "==== what the failing tests said ===="
grep -a -E "^\[  FAILED  \]|Failure$|^Expected|^  Actual|Which is|error: |ERROR: AddressSanitizer|runtime error|The program ended during|Timeout" "$log" \
  | grep -a -v "^\[  FAILED  \] [0-9]* tests\?, listed below" | awk '!seen[$0]++' | tail -60

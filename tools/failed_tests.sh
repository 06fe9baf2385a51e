#!/bin/bash
# failed_tests.sh <ctest log>: after a failed run, the failing tests' own lines, last on the screen so
# that a short tail of the output still names the test case and the check that failed.
log=${1:-Testing/Temporary/LastTest.log}
[ -f "$log" ] || exit 0
echo "==== what the failing tests said ===="
grep -a -E "^\[  FAILED  \]|Failure$|^Expected|^  Actual|Which is|error: |ERROR: AddressSanitizer|runtime error|The program ended during|Timeout" "$log" \
  | grep -a -v "^\[  FAILED  \] [0-9]* tests\?, listed below" | awk '!seen[$0]++' | tail -60

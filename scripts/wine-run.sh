#!/usr/bin/env bash
# CTest starts every test program through this. Once in a few hundred starts
# Wine's loader ends within milliseconds, before the program has run at all,
# with no output: such a start (quicker than any real start, about 40 ms) is
# noted with its status and tried once more. A test that fails, however
# quickly, fails again.
start=$(date +%s%N)
/usr/lib/wine/wine64 "$@"
status=$?
if [ "$status" -ne 0 ] && [ $(( ($(date +%s%N) - start) / 1000000 )) -lt 30 ]; then
  echo "wine-run: Wine's loader ended at once with status $status; starting again" >&2
  /usr/lib/wine/wine64 "$@"
  status=$?
fi
exit "$status"

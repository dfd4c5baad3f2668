#!/usr/bin/env bash
# Runs one Windows executable of the build under Wine's null display driver,
# with a time limit so that a stuck modal dialog cannot hang a test run.
# Its output goes through files, not the caller's pipes: a helper process
# that Wine starts on the way (explorer, services) would inherit a pipe and
# keep the caller waiting for its end long after the program has finished.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
export WINEPREFIX=$CONVERSAO_TEST_PREFIX
export WINEDLLOVERRIDES="mscoree,mshtml="
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
run() {
  timeout --kill-after=5 "${CONVERSAO_TEST_TIMEOUT:-300}" wine "$@" </dev/null >"$out" 2>"$err"
}
run "$@"
status=$?
# A failure with no output at all means Wine never got the program going (the
# test programs write their first line unbuffered at once): one more start.
if [ $status -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
  echo "wine-run: $1 ended with status $status before writing anything; started again" >&2
  run "$@"
  status=$?
fi
cat "$out"
cat "$err" >&2
[ $status -eq 0 ] || echo "wine-run: $1 ended with status $status" >&2
exit $status

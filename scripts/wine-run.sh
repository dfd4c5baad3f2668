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
timeout --kill-after=5 "${CONVERSAO_TEST_TIMEOUT:-300}" wine "$@" </dev/null >"$out" 2>"$err"
status=$?
cat "$out"
cat "$err" >&2
exit $status

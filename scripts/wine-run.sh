#!/usr/bin/env bash
# Runs one Windows executable of the build under Wine's null display driver,
# with a time limit so that a stuck modal dialog cannot hang a test run.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"
export WINEPREFIX=$CONVERSAO_TEST_PREFIX
export WINEDLLOVERRIDES="mscoree,mshtml="
exec timeout --kill-after=5 "${CONVERSAO_TEST_TIMEOUT:-300}" wine "$@"

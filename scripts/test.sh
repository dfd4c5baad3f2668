#!/usr/bin/env bash
# Builds everything and runs every test under Wine: the README's test command.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
. "$here/env.sh"
build=${CONVERSAO_BUILD:-$(dirname "$here")/build}
configure_build "$build"
cmake --build "$build" -j"$CONVERSAO_JOBS"
start_test_wineserver
cd "$build"
ctest --output-on-failure -j"$CONVERSAO_JOBS" --timeout 600 "$@"

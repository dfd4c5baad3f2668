#!/usr/bin/env bash
# Builds and runs the tests of some areas only (folders under tests/), for
# work in progress: scripts/dev-test.sh rtl data [-- ctest arguments].
# CONVERSAO_BUILD and CONVERSAO_TEST_PREFIX choose the build folder and the
# Wine prefix, so that several people can work in one checkout at once.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh"
. "$here/env.sh"
build=${CONVERSAO_BUILD:-$(dirname "$here")/build}
areas=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do areas+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift
configure_build "$build"
targets=()
for area in "${areas[@]}"; do targets+=("test_${area//-/_}"); done
cmake --build "$build" -j"$CONVERSAO_JOBS" --target "${targets[@]}"
start_test_wineserver
status=0
for area in "${areas[@]}"; do
  (cd "$build/tests/$area" && ctest --output-on-failure -j"$CONVERSAO_JOBS" --timeout 600 "$@") || status=1
done
exit $status

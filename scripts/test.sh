#!/usr/bin/env bash
# Builds everything and runs every test under Wine: the README's test command.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
"$here/setup.sh"
. "$here/env.sh"
build=${CONVERSAO_BUILD:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)"
export WINEPREFIX=$CONVERSAO_TEST_PREFIX
wineserver -k 2>/dev/null || true
wineserver -p
# Start Wine's background services now, with no pipes open: started by a test
# they would inherit its output pipe and keep ctest waiting for its end.
timeout 120 wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
trap 'WINEPREFIX=$CONVERSAO_TEST_PREFIX wineserver -k 2>/dev/null || true' EXIT
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600 "$@"

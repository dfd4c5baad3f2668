#!/usr/bin/env bash
# Starts the tool in a window on the current display. On first use it
# builds the program, prepares a demo embedded Firebird database under
# $CONVERSAO_HOME/demo and writes a "conexao.dat" there that points at it;
# the tool starts in that folder, so "Abrir B.D." opens the demo database.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display (DISPLAY is not set). The tool shows a window, so start it on a" >&2
  echo "run: display, or on a virtual one:  xvfb-run -a bash scripts/run.sh" >&2
  exit 2
fi
"$here/setup.sh" --run-prefix
. "$here/env.sh"
build=${CONVERSAO_BUILD:-$(dirname "$here")/build}
configure_build "$build"
cmake --build "$build" -j"$CONVERSAO_JOBS" --target Conversao DemoDB

export WINEPREFIX=$CONVERSAO_RUN_PREFIX WINEDLLOVERRIDES="mscoree,mshtml="
# A wineserver left from another display setup keeps it: start afresh.
wineserver -k 2>/dev/null || true
bin=$build/bin
demo=$CONVERSAO_HOME/demo
database=$demo/conversao-demo.fdb
mkdir -p "$demo" /tmp/firebird
if [ ! -f "$database" ]; then
  echo "run: preparing the demo database $database"
  # Made under another name and renamed when complete, so a failed
  # preparation never leaves a half-made database behind.
  partial=$demo/conversao-demo.partial.fdb
  rm -f "$partial"
  if ! timeout 300 wine "$bin/DemoDB.exe" "$(winepath -w "$partial")" </dev/null; then
    rm -f "$partial"
    echo "run: the demo database could not be prepared" >&2
    exit 1
  fi
  mv "$partial" "$database"
fi
if [ ! -f "$demo/conexao.dat" ]; then
  printf 'BANCODADOS=INTERBASE\r\nDATABASE=%s\r\n' "$(winepath -w "$database")" >"$demo/conexao.dat"
fi
cd "$demo"
exec wine "$bin/Conversao.exe"

#!/usr/bin/env bash
# Installs what the build and the tests need and prepares the Wine prefixes.
# Safe to run again: every step checks first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"

packages=(g++-mingw-w64-x86-64-posix wine64 wine wine64-tools libwine-dev
          firebird3.0-server-core libfbclient2 firebird-dev cmake ninja-build
          googletest xvfb ccache gcc)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    -o DPkg::Lock::Timeout=900 "${missing[@]}"
fi

# One prefix per use: the tests' prefix draws on Wine's null display driver,
# the run prefix on a real display.
make_prefix() {
  local prefix=$1 graphics=$2
  if [ ! -f "$prefix/.conversao-ready" ]; then
    echo "setup: preparing Wine prefix $prefix"
    mkdir -p "$prefix"
    WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
      timeout 300 wine wineboot -i >/dev/null 2>&1 || true
    if [ "$graphics" = null ]; then
      WINEPREFIX=$prefix WINEDEBUG=-all timeout 60 wine reg add 'HKCU\Software\Wine\Drivers' \
        /v Graphics /d null /f >/dev/null 2>&1
    else
      WINEPREFIX=$prefix WINEDEBUG=-all timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' \
        /v Managed /d N /f >/dev/null 2>&1
    fi
    WINEPREFIX=$prefix timeout 60 wineserver -w || true
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    touch "$prefix/.conversao-ready"
  fi
}
make_prefix "$CONVERSAO_TEST_PREFIX" null
if [ "${1:-}" = "--run-prefix" ]; then
  make_prefix "$CONVERSAO_RUN_PREFIX" display
fi
mkdir -p /tmp/firebird

#!/usr/bin/env bash
# Installs what the build and the tests need and prepares the Wine prefixes.
# Safe to run again: every step checks first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"

# gstreamer1.0-plugins-good carries the AVI splitter Wine's DirectShow plays
# files with (the camera tests feed known frames through it).
packages=(g++-mingw-w64-x86-64-posix wine64 wine wine64-tools libwine-dev
          firebird3.0-server-core firebird3.0-server libfbclient2 firebird-dev
          cmake ninja-build googletest xvfb xdotool python3 python3-sqlglot ccache gcc unicode-data
          gstreamer1.0-plugins-good)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get update -q
  # The Firebird server package would start a system service: the tests
  # start a server process of their own, so services are refused while
  # installing (the system's own policy comes back after).
  policy=/usr/sbin/policy-rc.d
  [ -e "$policy" ] && mv "$policy" "$policy.conversao-saved"
  printf '#!/bin/sh\nexit 101\n' >"$policy" && chmod 755 "$policy"
  restore_policy() {
    rm -f "$policy"
    [ -e "$policy.conversao-saved" ] && mv "$policy.conversao-saved" "$policy"
    return 0
  }
  trap restore_policy EXIT
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    -o DPkg::Lock::Timeout=900 "${missing[@]}"
  restore_policy
  trap - EXIT
  # Nor does it start with the machine.
  if [ -x /etc/init.d/firebird3.0 ]; then
    update-rc.d firebird3.0 disable >/dev/null 2>&1 || true
    deb-systemd-helper disable firebird3.0.service >/dev/null 2>&1 || true
  fi
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
# Windows draw their caption buttons with the Marlett symbol font; without it
# a real display shows letters there. Wine's own font comes from its package,
# unpacked into the run prefix only (the tests' text metrics stay as they are).
add_caption_font() {
  local fonts=$1/drive_c/windows/Fonts
  [ -f "$fonts/marlett.ttf" ] && return 0
  local work
  work=$(mktemp -d)
  if (cd "$work" && apt-get download -q fonts-wine >/dev/null 2>&1 ||
      { apt-get update -q >/dev/null && apt-get download -q fonts-wine >/dev/null 2>&1; }); then
    dpkg-deb -x "$work"/fonts-wine_*.deb "$work/unpacked"
    mkdir -p "$fonts"
    cp "$work/unpacked/usr/share/wine/fonts/marlett.ttf" "$fonts/"
  else
    echo "setup: Wine's font package could not be fetched; caption buttons will show letters"
  fi
  rm -rf "$work"
}

make_prefix "$CONVERSAO_TEST_PREFIX" null
if [ "${1:-}" = "--run-prefix" ]; then
  make_prefix "$CONVERSAO_RUN_PREFIX" display
  add_caption_font "$CONVERSAO_RUN_PREFIX"
fi
mkdir -p /tmp/firebird

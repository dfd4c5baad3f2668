#!/usr/bin/env bash
# The tool on a virtual X display, as the README starts it: a real run
# through its buttons on a demo database, then the X screen is read and
# the message box's text area must hold something a person can read.
#   MessageOnDisplay.sh CONVERSAO.EXE DEMODB.EXE ARTIFACTS-FOLDER
# Exits 77 (skipped) only where no X server can be started.
set -euo pipefail
tool=$(realpath "$1") demodb=$(realpath "$2") artifacts=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
for command in Xvfb xdotool python3; do
  if ! command -v "$command" >/dev/null; then
    echo "skipped: $command is missing, so no X display can be started and driven here"
    exit 77
  fi
done
. "$root/scripts/env.sh"
"$root/scripts/setup.sh" --run-prefix >/dev/null

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  WINEPREFIX=$CONVERSAO_RUN_PREFIX wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" TERM INT

# A display of its own, numbered by the server.
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then
  echo "skipped: the X server could not be started:"; cat "$work/xvfb.log"
  exit 77
fi
export DISPLAY=:$(head -n1 "$work/display")
export WINEPREFIX=$CONVERSAO_RUN_PREFIX WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k 2>/dev/null || true  # a server left from another display keeps it

database=$work/demo.fdb
timeout 300 wine "$demodb" "$(winepath -w "$database")" </dev/null >"$work/demodb.log" 2>&1
printf 'BANCODADOS=INTERBASE\r\nDATABASE=%s\r\n' "$(winepath -w "$database")" >"$work/conexao.dat"
(cd "$work" && exec timeout 300 wine "$tool" </dev/null >"$work/tool.log" 2>&1) &
tool_pid=$!

# Waits for a window whose title matches, and gives its id.
window() {
  for _ in $(seq 600); do
    if id=$(xdotool search --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ]; then
      echo "$id"; return 0
    fi
    if ! kill -0 "$tool_pid" 2>/dev/null; then
      echo "the tool ended before a window titled $1 appeared:" >&2; cat "$work/tool.log" >&2
      return 1
    fi
    sleep 0.1
  done
  echo "no window titled $1 appeared" >&2; return 1
}
# Clicks at a point of the main window, as the form lays its buttons out.
click() {
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}

main=$(window '^Varnolet$')
sleep 1
click 216 57    # "Abrir B.D."
sleep 1         # the next click waits in the queue while the database opens
click 389 193   # "Executar": no filter, so the run answers with a warning
box=$(window '^Warning$')
sleep 1
eval "$(xdotool getwindowgeometry --shell "$box")"
mkdir -p "$artifacts"
# The text area: right of the icon, between the caption and the OK button.
python3 "$here/ScreenCheck.py" $((X + 60)) $((Y + 30)) $((WIDTH - 70)) $((HEIGHT - 70)) \
  "$artifacts/MessageOnDisplay.png"
xdotool key --window "$box" Return

#!/usr/bin/env bash
# Closing the about box and a guide screen from the window manager (Alt+F4 under openbox, which
# sends WM_DELETE_WINDOW) must bring the main menu back and leave the program running.
# $1: the zanfroni executable.
set -u
exe=${1:?path of the zanfroni executable}
for comando in xvfb-run xdotool xprop openbox; do
  command -v "$comando" >/dev/null || { echo "FAIL: $comando is not installed (make deps)"; exit 1; }
done
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec timeout 170 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

export XDG_DATA_HOME=$(mktemp -d) QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
pid= wm=
trap 'kill $pid $wm 2>/dev/null; rm -rf "$XDG_DATA_HOME"' EXIT
fail() {
  echo "FAIL: $*"
  echo "--- program output ---"; cat "$XDG_DATA_HOME/programma.log" 2>/dev/null
  exit 1
}
# Waits up to $2 seconds for the condition $1, while the program runs.
until_true() {
  local fine=$((SECONDS + $2))
  while [ $SECONDS -lt $fine ]; do
    kill -0 "$pid" 2>/dev/null || return 1
    eval "$1" && return 0
    sleep 0.2
  done
  return 1
}
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
menu_visible() { visible "Zanfroni - menu"; }

openbox --sm-disable >/dev/null 2>&1 & wm=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"

"$exe" > "$XDG_DATA_HOME/programma.log" 2>&1 & pid=$!
w=$(timeout 30 xdotool search --sync --onlyvisible --name Gommolo | head -1) # the font was installed
[ -n "$w" ] || fail "no font message"
xdotool windowfocus --sync "$w" key Return
until_true 'xdotool search --onlyvisible --class zanfroni >/dev/null 2>&1' 30 || fail "no start screen"
sleep 1
xdotool key Return
until_true menu_visible 30 || fail "the main menu did not appear"
sleep 1

# Opens entry $1 (its y in the open "Informazioni" menu), closes it with Alt+F4, expects the menu.
close_from_wm() {
  xdotool mousemove 263 9 click 1 # "Informazioni"
  sleep 0.8
  xdotool mousemove 230 "$2" click 1
  until_true '! menu_visible' 15 || fail "$1 did not open"
  sleep 1.5
  xdotool key alt+F4
  until_true menu_visible 15 || fail "the main menu did not come back after Alt+F4 on $1"
  sleep 1
  kill -0 "$pid" 2>/dev/null || fail "the program ended when $1 was closed"
  echo "ok: $1 closed by the window manager, the main menu is back"
}
close_from_wm "the about box" 95
visible "Informazioni su Zanfroni" && fail "the about box is still open"
close_from_wm "the settings guide" 51

# The menu still answers: "esci" ends the program normally.
xdotool mousemove 904 699 click 1
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "esci did not end the program"
wait "$pid"; status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS"

#!/usr/bin/env bash
# Speech on, and a speech service that accepts the connection and never answers (a socket of our own
# named by SPEECHD_ADDRESS): the line-up exercises must show their written traits, not the panel of
# part icons that stands for them when speech is heard. Then the voice page of the settings, the
# menu's "esci", and exit status 0. Screenshots stay in $ZANFRONI_E2E_FOTO when it is set.
# $1: the zanfroni executable.
set -u
exe=${1:?path of the zanfroni executable}
for comando in xvfb-run xdotool import convert python3; do
  command -v "$comando" >/dev/null || { echo "FAIL: $comando is not installed (make deps)"; exit 1; }
done
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec timeout 170 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

export XDG_DATA_HOME=$(mktemp -d) QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
foto=${ZANFRONI_E2E_FOTO:-$XDG_DATA_HOME}
mkdir -p "$foto"
pid= servizio=
trap 'kill $pid $servizio 2>/dev/null; rm -rf "$XDG_DATA_HOME"' EXIT
fail() {
  echo "FAIL: $*"
  echo "--- program output ---"; cat "$XDG_DATA_HOME/programma.log" 2>/dev/null
  exit 1
}
until_true() { # condition, seconds; while the program runs
  local fine=$((SECONDS + $2))
  while [ $SECONDS -lt $fine ]; do
    kill -0 "$pid" 2>/dev/null || return 1
    eval "$1" && return 0
    sleep 0.2
  done
  return 1
}
menu_visible() { xdotool search --onlyvisible --name "Zanfroni - menu" >/dev/null 2>&1; }
pixel() { convert "$1" -format "%[hex:p{$2}]" info: | cut -c1-6; }

socket=$XDG_DATA_HOME/speechd.sock
python3 - "$socket" <<'EOF' &
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen(8)
held = []
while True:
    held.append(s.accept()[0])  # accepted, never answered
EOF
servizio=$!
for _ in $(seq 50); do [ -S "$socket" ] && break; sleep 0.1; done
[ -S "$socket" ] || fail "the silent speech service did not start"
export SPEECHD_ADDRESS=unix_socket:$socket

"$exe" > "$XDG_DATA_HOME/programma.log" 2>&1 & pid=$!
w=$(timeout 30 xdotool search --sync --onlyvisible --name Gommolo | head -1) # the font was installed
[ -n "$w" ] || fail "no font message"
xdotool windowfocus --sync "$w" key Return
until_true 'xdotool search --onlyvisible --class zanfroni >/dev/null 2>&1' 30 || fail "no start screen"
sleep 1
xdotool key Return
until_true menu_visible 30 || fail "the main menu did not appear"
sleep 1

# Opens the menu button at $2 (x y), checks that the traits are written, leaves with "Esci".
line_up() {
  xdotool mousemove $2 click 1
  until_true '! menu_visible' 15 || fail "$1 did not open"
  sleep 2
  import -window root "$foto/$1.png"
  # Text1's empty lower right corner, and beside it where only the icon panel would reach.
  local testo accanto
  testo=$(pixel "$foto/$1.png" 960,390)
  accanto=$(pixel "$foto/$1.png" 1000,460)
  [ "$testo" != FFFFC0 ] && [ "$accanto" != FFFFC0 ] || fail "$1: the icon panel hides the written traits"
  [ "$testo" = FFFFFF ] || fail "$1: no written traits where expected (pixel $testo)"
  echo "ok: $1 shows its traits"
  xdotool mousemove 160 11 click 1 # "Esci"
  until_true menu_visible 15 || fail "the main menu did not come back from $1"
  sleep 1
}
line_up indovina-chi "546 699"
line_up elimina-gli-intrusi "546 510"

# The voice page: its list is empty and it says why, while every click is answered.
xdotool mousemove 55 9 click 1 # "Configurazione"
until_true '! menu_visible' 15 || fail "the settings did not open"
sleep 1
xdotool mousemove 512 132 click 1 # "Suoni e voce"
sleep 6
import -window root "$foto/voce.png"
xdotool mousemove 15 9 click 1 # "Esci"
until_true menu_visible 15 || fail "the main menu did not come back from the settings"
sleep 1

xdotool mousemove 904 699 click 1 # "esci"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "esci did not end the program"
wait "$pid"; status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS"

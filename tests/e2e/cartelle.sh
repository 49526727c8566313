#!/usr/bin/env bash
# The data folder on a new account, a start that cannot make its folders, and a full disk.
# $1: the zanfroni executable.
set -u
exe=$1
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "SKIP: xvfb-run or xdotool missing"; exit 0
fi
if [ -z "${INSIDE_XVFB:-}" ]; then
  export QT_QPA_PLATFORM=xcb INSIDE_XVFB=1
  unset WAYLAND_DISPLAY
  exec timeout 170 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

tmp=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  mountpoint -q "$tmp/pieno" 2>/dev/null && umount "$tmp/pieno"
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$tmp/log" ] && cat "$tmp/log"; exit 1; }

start() { "$exe" > "$tmp/log" 2>&1 & pid=$!; }
stop() { kill "$pid"; wait "$pid" 2>/dev/null; pid=; }
# The visible window whose title is exactly $1, within $2 seconds; with $3 = box, only one
# narrower than the screen (a message box, not the screen of the same title).
window() {
  local end=$((SECONDS + $2)) w width
  while :; do
    for w in $(xdotool search --onlyvisible --class zanfroni 2>/dev/null); do
      [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] || continue
      width=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
      [ "${3:-}" = box ] && [ "${width:-1024}" -ge 1000 ] && continue
      echo "$w"; return 0
    done
    [ $SECONDS -lt "$end" ] && kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.2
  done
}
press() { xdotool windowfocus --sync "$1" key --clearmodifiers "$2"; sleep 0.5; }
start_screen() { window Zanfroni "$1"; }   # the start screen carries the program's name

# --- 1. A new account: neither HOME nor the data folder exists yet.
export HOME=$tmp/casa XDG_DATA_HOME=$tmp/casa/.local/share
start
w=$(window Gommolo 30 box) || fail "no font message on the first start"
press "$w" Return
start_screen 30 >/dev/null || fail "no start screen after the font message"
dorva=$XDG_DATA_HOME/ImpostazioniProgrammiDorva
for d in "$dorva" "$dorva/Zanfroni" "$dorva/Zanfroni/dati"; do
  [ -d "$d" ] || fail "missing folder $d"
done
expected=$(printf 'Questa cartella contiene i files di impostazione dei programmi presenti nel sito https://www.zanfroni.it.\r\n \r\nSe qualche programma presenta problemi di funzionamento pu\362 essere utile cancellare il file *.ini relativo al programma in quata cartella.\r\n \r\nNon cancellare questo file.\r\n' | od -An -tx1)
[ "$(od -An -tx1 < "$dorva/leggimi.txt")" = "$expected" ] || fail "read-me file differs"
stop
start
start_screen 30 >/dev/null || fail "no start screen on the second start"
sleep 1
window Gommolo 0 >/dev/null && fail "the font message came again"
stop
echo "new account: PASS"

# --- 2. A file where the data folder should be: the message, then a non-zero exit.
: > "$tmp/blocco"
export XDG_DATA_HOME=$tmp/blocco/share
start
w=$(window Zanfroni 30 box) || fail "no message when the data folder cannot be made"
press "$w" Return
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
wait "$pid"; status=$?; pid=
[ "$status" -ne 0 ] || fail "a start that failed ended with status 0"
echo "blocked data folder: PASS (status $status)"

# --- 3. A full disk: the menu's save fails, says so, keeps the profile, and the program goes on.
mkdir "$tmp/pieno"
if ! mount -t tmpfs -o size=64k tmpfs "$tmp/pieno" 2>/dev/null; then
  echo "SKIP: full disk case, a tmpfs cannot be mounted here"; echo "2 passed, 0 failed"; exit 0
fi
export XDG_DATA_HOME=$tmp/pieno
mkdir -p "$tmp/pieno/ImpostazioniProgrammiDorva/Zanfroni/dati"
profile=$tmp/pieno/ImpostazioniProgrammiDorva/Zanfroni/_predefinito.INI
printf '%s\r\n' " 200 " " 100 " True False True Arial " 14 " True False " 0 " " 4 " \
  FFFFCC sfondo sfondo sfondo sfondo 00FF00 verde verdi verde verdi \
  FF0000 rosso rossi rossa rosse 0000FF blu blu blu blu \
  FFFF00 giallo gialli gialla gialle " 16777088 " minuscolo arial arial \
  " 24 " "-2147483630 " "-2147483633 " True " 255 " " 16777215 " False False \
  "{7EF71701-A92D-11d1-B17B-0020AFED142E}" Merlin > "$profile"
before=$(od -An -tx1 < "$profile")
dd if=/dev/zero of="$tmp/pieno/riempi" bs=1k count=100 2>/dev/null
start
w=$(start_screen 30) || fail "no start screen on a full disk"
sleep 1
press "$w" Return
window "Zanfroni - menu" 30 >/dev/null || fail "no menu on a full disk"
w=$(window Zanfroni 15 box) || fail "no message for the failed save"
[ -n "${SCHERMATA:-}" ] && import -window root "$SCHERMATA"
press "$w" Return
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended after the failed save"
window "Zanfroni - menu" 5 >/dev/null || fail "the menu is gone after the failed save"
[ "$(od -An -tx1 < "$profile")" = "$before" ] || fail "the profile changed on a full disk"
stop
echo "full disk: PASS"
echo "3 passed, 0 failed"

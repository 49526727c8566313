#!/usr/bin/env bash
# First start on an empty data folder, then a second copy that must be refused.
# $1: the zanfroni executable.
set -u
exe=$1
unset QT_QPA_PLATFORM
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "SKIP: xvfb-run or xdotool missing"; exit 0
fi
if [ -z "${INSIDE_XVFB:-}" ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

root=$(mktemp -d)
export XDG_DATA_HOME=$root
trap 'kill $first 2>/dev/null; rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Waits up to $2 seconds for process $1 to end; its exit status in $status.
wait_exit() {
  for _ in $(seq 1 $(( $2 * 10 ))); do
    kill -0 "$1" 2>/dev/null || { wait "$1"; status=$?; return 0; }
    sleep 0.1
  done
  return 1
}
press_return_on() {
  local w
  w=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1)
  [ -n "$w" ] || fail "no window titled $1"
  xdotool windowfocus --sync "$w" key Return
}

"$exe" & first=$!
press_return_on Gommolo   # the cursive font was installed: the program says so
timeout 30 xdotool search --sync --onlyvisible --class zanfroni >/dev/null || fail "no start screen"
for d in ImpostazioniProgrammiDorva ImpostazioniProgrammiDorva/Zanfroni ImpostazioniProgrammiDorva/Zanfroni/dati; do
  [ -d "$root/$d" ] || fail "missing folder $d"
done
[ -f "$root/fonts/indis1.ttf" ] || fail "font not installed"
expected=$(printf 'Questa cartella contiene i files di impostazione dei programmi presenti nel sito https://www.zanfroni.it.\r\n \r\nSe qualche programma presenta problemi di funzionamento pu\362 essere utile cancellare il file *.ini relativo al programma in quata cartella.\r\n \r\nNon cancellare questo file.\r\n' | od -An -tx1)
[ "$(od -An -tx1 < "$root/ImpostazioniProgrammiDorva/leggimi.txt")" = "$expected" ] || fail "read-me file differs"
ls -R "$root" > "$root.before"

"$exe" & second=$!
press_return_on Gommolo   # "E' già stata avviata una copia di questo programma!"
wait_exit "$second" 20 || fail "the second copy did not end"
[ "$status" = 0 ] || fail "the second copy ended with status $status"
ls -R "$root" | diff - "$root.before" >/dev/null || fail "the second copy changed the data folder"
kill -0 "$first" 2>/dev/null || fail "the first copy is gone"
rm -f "$root.before"
echo "1 passed, 0 failed"

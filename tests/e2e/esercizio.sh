#!/bin/bash
# The real program under Xvfb in manual scanning with the activity log on: from the main menu
# "Vero o falso" (Enter on the first button), a few answers with Space and Enter, back through the
# "Esci" menu, then "esci" in the main menu. The program must end with status 0 and save the profile.
set -u
programma=${1:?path of the zanfroni executable}
for comando in xvfb-run xdotool; do
    if ! command -v "$comando" >/dev/null; then
        echo "SKIP: $comando is not installed"
        exit 0
    fi
done

radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT
cartella="$radice/ImpostazioniProgrammiDorva/Zanfroni"
mkdir -p "$cartella/dati"
profilo="$cartella/_predefinito.INI"
# The default profile in the Windows format, input mode 1 (manual scanning), activity log on.
printf '%s\r\n' " 130 " " 100 " True False True Arial " 14 " True False " 1 " " 4 " \
    FFFFCC sfondo sfondo sfondo sfondo 00FF00 verde verdi verde verdi \
    FF0000 rosso rossi rossa rosse 0000FF blu blu blu blu \
    FFFF00 giallo gialli gialla gialle " 16777088 " minuscolo arial arial \
    " 24 " "-2147483630 " "-2147483633 " True " 255 " " 16777215 " False True \
    "{7EF71701-A92D-11d1-B17B-0020AFED142E}" Merlin > "$profilo"
[ "$(wc -l < "$profilo")" -eq 50 ] || { echo "FAIL: test profile is not 50 lines"; exit 1; }

cat > "$radice/guida.sh" <<'GUIDA'
#!/bin/bash
# Runs inside the X server: drives the program and reports its exit status.
programma=$1
"$programma" > "$RADICE/programma.log" 2>&1 &
pid=$!
menu_visibile() { xdotool search --onlyvisible --name "Zanfroni - menu" >/dev/null 2>&1; }
aspetta() { # condition (menu_visibile or ! menu_visibile), seconds
    local fine=$((SECONDS + $2))
    while [ $SECONDS -lt $fine ]; do
        kill -0 $pid 2>/dev/null || return 1
        if eval "$1"; then return 0; fi
        sleep 0.3
    done
    return 1
}
premi() {
    xdotool key --clearmodifiers "$1"
    sleep 1
}
fallito() { echo "FAIL: $1"; kill $pid 2>/dev/null; exit 1; }

fine=$((SECONDS + 60))
until xdotool search --onlyvisible --class zanfroni >/dev/null 2>&1; do
    kill -0 $pid 2>/dev/null || fallito "the program ended before showing a window"
    [ $SECONDS -lt $fine ] || fallito "no window within 60 s"
    sleep 0.3
done
sleep 2 # the start screen is drawn and holds the keyboard
premi Return
aspetta menu_visibile 60 || fallito "the main menu did not appear"
sleep 2 # the menu applies the profile
premi Return # the first button: "Vero o falso"
aspetta "! menu_visibile" 60 || fallito "the exercise did not open"
sleep 4 # the first question is set up
# Answer the highlighted button, go on with the arrow, then the next button and the arrow again.
for tasto in Return Return space Return Return space space Return Return; do premi $tasto; done
sleep 2
xdotool mousemove 160 11 click 1 # the "Esci" menu, third in the bar
aspetta menu_visibile 60 || fallito "the main menu did not come back from the exercise"
sleep 2
for i in 1 2 3 4 5 6 7 8; do premi space; done
premi Return
fine=$((SECONDS + 60))
while kill -0 $pid 2>/dev/null; do
    [ $SECONDS -lt $fine ] || fallito "the program did not end within 60 s of choosing esci"
    sleep 0.3
done
wait $pid
stato=$?
[ $stato -eq 0 ] || fallito "exit status $stato"
echo "program ended with status 0"
GUIDA

# The program must draw on the X server, whatever platform the caller chose for unit tests.
export XDG_DATA_HOME="$radice" RADICE="$radice" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
touch -d '2000-01-01' "$profilo"
if ! timeout 170 xvfb-run -a -s "-screen 0 1024x768x24" bash "$radice/guida.sh" "$programma"; then
    echo "--- program output ---"; cat "$radice/programma.log" 2>/dev/null
    exit 1
fi

[ -f "$profilo" ] || { echo "FAIL: the profile file is missing"; exit 1; }
[ "$profilo" -nt "$radice/guida.sh" ] || { echo "FAIL: the program did not write the profile"; exit 1; }
righe=$(wc -l < "$profilo")
crlf=$(grep -c $'\r$' "$profilo")
[ "$righe" -eq 50 ] && [ "$crlf" -eq 50 ] || { echo "FAIL: $righe lines, $crlf with CR LF"; exit 1; }
riga10=$(sed -n 10p "$profilo" | tr -d '\r')
riga48=$(sed -n 48p "$profilo" | tr -d '\r')
[ "$riga10" = " 1 " ] || { echo "FAIL: line 10 is '$riga10'"; exit 1; }
[ "$riga48" = "True" ] || { echo "FAIL: line 48 is '$riga48'"; exit 1; }
echo "PASS"

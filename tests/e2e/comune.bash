# Shared by the end-to-end scripts (sourced; not a test by itself).
# Outside the X server: prepara_profilo, esegui_guida, controlla_profilo.
# Inside it (run as `bash comune.bash guida PROGRAM`): starts the program, reaches the main menu,
# runs the caller's `scenario` function (passed as a file), chooses "esci" and checks the exit status.

# --- inside the X server ---
menu_visibile() { xdotool search --onlyvisible --name "Zanfroni - menu" >/dev/null 2>&1; }
aspetta() { # condition, seconds
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
    sleep "${PAUSA_TASTO:-0.4}"
}
fallito() { echo "FAIL: $1"; kill $pid 2>/dev/null; exit 1; }

guida() {
    # The caller's scenario comes as a file: xvfb-run's /bin/sh drops exported bash functions.
    source "$RADICE/scenario.bash" 2>/dev/null
    declare -F scenario >/dev/null || { echo "FAIL: no scenario to run"; exit 1; }
    "$1" > "$RADICE/programma.log" 2>&1 &
    pid=$!
    aspetta "xdotool search --onlyvisible --class zanfroni >/dev/null 2>&1" 60 \
        || fallito "no window within 60 s, or the program ended before showing one"
    sleep 2 # the start screen is drawn and holds the keyboard
    premi Return
    aspetta menu_visibile 60 || fallito "the main menu did not appear"
    sleep 2 # the menu applies the profile
    scenario
    for _ in 1 2 3 4 5 6 7 8; do premi space; done # manual scanning to "esci"
    premi Return
    local fine=$((SECONDS + 60))
    while kill -0 $pid 2>/dev/null; do
        [ $SECONDS -lt $fine ] || fallito "the program did not end within 60 s of choosing esci"
        sleep 0.3
    done
    wait $pid
    local stato=$?
    [ $stato -eq 0 ] || fallito "exit status $stato"
    echo "program ended with status 0"
}

if [ "${1:-}" = guida ]; then
    guida "$2"
    exit 0
fi

# --- outside the X server ---
salta_senza_x() {
    for comando in xvfb-run xdotool; do
        if ! command -v "$comando" >/dev/null; then
            echo "SKIP: $comando is not installed"
            exit 0
        fi
    done
}

# A data folder with the default profile in the Windows format, input mode 1 (manual scanning);
# $1 is line 48, the activity log switch ("True" or "False").
prepara_profilo() {
    radice=$(mktemp -d)
    trap 'rm -rf "$radice"' EXIT
    local cartella="$radice/ImpostazioniProgrammiDorva/Zanfroni"
    mkdir -p "$cartella/dati"
    profilo="$cartella/_predefinito.INI"
    printf '%s\r\n' " 130 " " 100 " True False True Arial " 14 " True False " 1 " " 4 " \
        FFFFCC sfondo sfondo sfondo sfondo 00FF00 verde verdi verde verdi \
        FF0000 rosso rossi rossa rosse 0000FF blu blu blu blu \
        FFFF00 giallo gialli gialla gialle " 16777088 " minuscolo arial arial \
        " 24 " "-2147483630 " "-2147483633 " True " 255 " " 16777215 " False "$1" \
        "{7EF71701-A92D-11d1-B17B-0020AFED142E}" Merlin > "$profilo"
    [ "$(wc -l < "$profilo")" -eq 50 ] || { echo "FAIL: test profile is not 50 lines"; exit 1; }
    touch -d '1990-01-01' "$profilo" # older than any write the program makes
}

# Runs the program under Xvfb with the caller's `scenario`.
esegui_guida() {
    # The program must draw on the X server, whatever platform the caller chose for unit tests.
    export XDG_DATA_HOME="$radice" RADICE="$radice" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    declare -f scenario > "$radice/scenario.bash"
    if ! timeout 170 xvfb-run -a -s "-screen 0 1024x768x24" bash "$QUI/comune.bash" guida "$1"; then
        echo "--- program output ---"; cat "$radice/programma.log" 2>/dev/null
        exit 1
    fi
}

# The profile was rewritten: 50 CR LF lines; each argument "N=text" checks line N.
controlla_profilo() {
    [ -f "$profilo" ] || { echo "FAIL: the profile file is missing"; exit 1; }
    [ "$(stat -c %Y "$profilo")" -gt 946684800 ] || { echo "FAIL: the program did not write the profile"; exit 1; }
    local righe crlf
    righe=$(wc -l < "$profilo")
    crlf=$(grep -c $'\r$' "$profilo")
    [ "$righe" -eq 50 ] && [ "$crlf" -eq 50 ] || { echo "FAIL: $righe lines, $crlf with CR LF"; exit 1; }
    for attesa in "$@"; do
        local n=${attesa%%=*} voluto=${attesa#*=} riga
        riga=$(sed -n "${n}p" "$profilo" | tr -d '\r')
        [ "$riga" = "$voluto" ] || { echo "FAIL: line $n is '$riga'"; exit 1; }
    done
    echo "PASS"
}

# Shared by the end-to-end scripts (sourced; not a test by itself). A script sources it with its own
# arguments ($1: the zanfroni executable, in $programma; $2: the file where the build wrote the main
# menu's buttons, one "x,y" a line, "esci" last), names the tools it needs beyond Xvfb and
# xdotool (richiedi), prepares a data folder (prepara_radice or prepara_profilo), defines a bash
# function `scenario`, then calls esegui_scenario (the scenario does everything itself) or
# esegui_guida (start screen, main menu, the scenario, "esci", exit status 0).
# The scenario and any helper functions named after it are written to a file; a bash inside the
# X server sources it and runs it with every failing command fatal, also within a pipeline. The run
# counts only if that bash wrote the end marker: a scenario that did not run fails the test.
# Any failing command of the calling script is fatal too, from here on: a script whose shared
# files do not load, or that calls what is not defined, fails before it can say PASS.
set -e

# --- inside the X server ---
menu_visibile() { xdotool search --onlyvisible --name "Zanfroni - menu" >/dev/null 2>&1; }
aspetta() { # condition, seconds
    local fine=$((SECONDS + $2))
    while [ $SECONDS -lt $fine ]; do
        kill -0 $pid 2>/dev/null || return 1
        if eval "$1"; then return 0; fi
        sleep 0.2
    done
    return 1
}
premi() {
    xdotool key --clearmodifiers "$1"
    sleep "${PAUSA_TASTO:-0.4}"
}
fallito() {
    trap - ERR
    echo "FAIL: $1" >&2 # seen also from inside a command substitution
    kill ${pid:-} 2>/dev/null || true
    exit 1
}

# Starts the program in the background ($pid) and waits for its first window.
avvia() {
    "$PROGRAMMA" >> "$RADICE/programma.log" 2>&1 &
    pid=$!
    aspetta "xdotool search --onlyvisible --class zanfroni >/dev/null 2>&1" 60 \
        || fallito "no window within 60 s, or the program ended before showing one"
}

# Waits up to $2 seconds for process $1 to end; its exit status in $stato.
aspetta_fine() {
    local fine=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        [ $SECONDS -lt $fine ] || return 1
        sleep 0.2
    done
    stato=0
    wait "$1" || stato=$?
}

# Enter on the message box titled $1 (the first start's font message is titled Gommolo).
invio_su() {
    local w
    w=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1) || true
    [ -n "$w" ] || fallito "no window titled $1"
    xdotool windowfocus --sync "$w" key Return
}

# The folders a first start makes in the data root $1, with the read-me file byte for byte.
cartelle_nuove() {
    local d dorva="$1/ImpostazioniProgrammiDorva" atteso
    for d in "$dorva" "$dorva/Zanfroni" "$dorva/Zanfroni/dati"; do
        [ -d "$d" ] || fallito "missing folder $d"
    done
    atteso=$(printf 'Questa cartella contiene i files di impostazione dei programmi presenti nel sito https://www.zanfroni.it.\r\n \r\nSe qualche programma presenta problemi di funzionamento pu\362 essere utile cancellare il file *.ini relativo al programma in quata cartella.\r\n \r\nNon cancellare questo file.\r\n' | od -An -tx1)
    [ "$(od -An -tx1 < "$dorva/leggimi.txt")" = "$atteso" ] || fallito "read-me file differs"
}

# The program ends by itself within 60 s with exit status 0.
fine_regolare() {
    aspetta_fine $pid 60 || fallito "the program did not end within 60 s of choosing esci"
    [ $stato -eq 0 ] || fallito "exit status $stato"
    echo "program ended with status 0"
}

# From the start screen to the main menu.
fino_al_menu() {
    sleep 1.5 # the start screen is drawn and holds the keyboard
    premi Return
    aspetta menu_visibile 60 || fallito "the main menu did not appear"
    sleep 1.5 # the menu applies the profile
}

# "esci" in manual scanning (the menu starts on the first button): Space to the last button, Enter.
esci_dal_menu() {
    local i
    for ((i = 1; i < ${#punti_menu[@]}; i++)); do premi space; done
    premi Return
}

# A switch or key held down for $2 seconds, as a hand does it: one press, one release.
tieni() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}
# A bouncing contact: pressed for 10 ms, a second contact 10 ms after the release.
rimbalza() {
    xdotool keydown "$1" sleep 0.01 keyup "$1" sleep 0.01 keydown "$1" sleep 0.01 keyup "$1"
}

# Screenshots (1024x768): `schermata` takes one, `colori X,Y...` reads pixels of it as #RRGGBB, one
# a line, in one pass; `colore X Y` reads one. A pixel that cannot be read fails the scenario.
# `schermata NAME` also keeps a copy as NAME.png in $ZANFRONI_E2E_FOTO when that is set.
schermata() {
    import -window root "$RADICE/schermo.png"
    if [ -n "${1:-}" ] && [ -n "${ZANFRONI_E2E_FOTO:-}" ]; then
        mkdir -p "$ZANFRONI_E2E_FOTO"
        cp "$RADICE/schermo.png" "$ZANFRONI_E2E_FOTO/$1.png"
    fi
}
colori() {
    local formato="" punto letti
    for punto in "$@"; do formato+="#%[hex:p{$punto}]\n"; done
    letti=$(convert "$RADICE/schermo.png" -alpha off -depth 8 -format "$formato" info:) || letti=""
    [ "$(grep -cx '#[0-9A-F]\{6\}' <<< "$letti")" -eq $# ] || fallito "no colour read at $* of the screenshot"
    echo "$letti"
}
colore() { colori "$1,$2"; }
# The highlight colour of the test profile (ColorePulsanteSelezionato 255).
EVIDENZA='#FF0000'
# Which of the points "x,y" show the highlight, by their place in the list: "02", or "nessuno".
# The colours are read by an assignment of their own, so a failed reading fails the scenario.
evidenziati() {
    local letti colore_letto i=0 r=""
    letti=$(colori "$@")
    while read -r colore_letto; do
        if [ "$colore_letto" = "$EVIDENZA" ]; then r="$r$i"; fi
        i=$((i + 1))
    done <<< "$letti"
    echo "${r:-nessuno}"
}
# Which buttons show the highlight, from a fresh screenshot: the main menu's (punti_menu), or the
# three answer buttons of "Vero o falso" (true, false, next), each read near its top left corner.
evidenziati_menu() {
    schermata
    evidenziati "${punti_menu[@]}"
}
evidenziati_risposte() {
    schermata
    evidenziati 775,360 775,478 775,596
}

# From an exercise back to the main menu through its "Esci" menu.
al_menu() {
    xdotool mousemove 161 11 click 1
    aspetta menu_visibile 30 || fallito "the main menu did not come back from the exercise"
    sleep 1
}
# From the main menu: the log screen, File > Salva, a report file; prints the right and wrong
# answers of its rows named $1, as "esatti errati".
risposte_registrate() {
    xdotool mousemove 163 8 click 1 # "Esercizi eseguiti"
    sleep 1.5
    xdotool key alt+f
    sleep 0.4
    xdotool key Return # "Salva"
    sleep 1.5
    xdotool type registro
    xdotool key Return
    local file="" fine=$((SECONDS + 10))
    while [ -z "$file" ]; do
        [ $SECONDS -lt $fine ] || fallito "no report file was written"
        sleep 0.2
        file=$(find "$RADICE" -name 'registro.rpt' | head -1)
    done
    sleep 0.3
    tr -d '\r' < "$file" | awk -v nome="$1" 'NR > 3 && (NR - 4) % 4 == 0 && $0 == nome { riga = NR }
        riga && NR == riga + 2 { esatti += $0 } riga && NR == riga + 3 { errati += $0; riga = 0 }
        END { print esatti + 0, errati + 0 }'
}

# Back from "Vero o falso" to the main menu, where the report must hold exactly one answer, given
# by $1 (what the scenario did); then the program is stopped.
una_risposta() {
    al_menu
    local conto
    conto=$(risposte_registrate "Vero - falso")
    echo "Vero - falso, right and wrong: $conto"
    [ $((${conto% *} + ${conto#* })) -eq 1 ] || fallito "$1 gave $conto answers, not one"
    kill $pid
}

guida() {
    avvia
    fino_al_menu
    scenario
    esci_dal_menu
    fine_regolare
}

# The window manager named by $GESTORE_FINESTRE (a command line), up before anything else is shown.
avvia_gestore() {
    $GESTORE_FINESTRE >/dev/null 2>&1 &
    gestore=$!
    trap 'kill $gestore 2>/dev/null' EXIT
    local i
    for i in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep 'window id' >/dev/null && return 0
        sleep 0.1
    done
    fallito "the window manager ($GESTORE_FINESTRE) did not start"
}

if [ "${1:-}" = dentro ]; then # dentro SCENARIO-FILE PROGRAM ENTRY
    set -u -o pipefail
    PROGRAMMA=$3
    read -ra punti_menu <<< "$PUNTI_MENU"
    source "$2"
    declare -F scenario >/dev/null || fallito "no scenario reached the X server"
    if [ -n "${GESTORE_FINESTRE:-}" ]; then avvia_gestore; fi
    set -E
    trap 'fallito "line $LINENO: \"$BASH_COMMAND\" failed"' ERR
    "$4"
    trap - ERR
    echo "$4 $$" > "$RADICE/scenario.fatto"
    exit 0
fi

# --- outside the X server ---
set -u
programma=${1:?path of the zanfroni executable}
QUI=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
# The main menu's buttons, for the scenario: at least one exercise and "esci".
PUNTI_MENU=$(tr '\n' ' ' < "${2:?file of the menu buttons written by the build}") || exit 1
[[ $PUNTI_MENU =~ ^([0-9]+,[0-9]+\ ){2,}$ ]] || { echo "FAIL: no button places in $2"; exit 1; }
export PUNTI_MENU

# The tools a script needs: a missing one fails the test, as its scenario cannot run.
richiedi() {
    local comando
    for comando in "$@"; do
        command -v "$comando" >/dev/null || { echo "FAIL: $comando is not installed (make test installs it)"; exit 1; }
    done
}
richiedi Xvfb xauth xdpyinfo xdotool

# Commands run when the script ends, in order, before the data root goes.
da_fare_alla_fine=()
alla_fine() { da_fare_alla_fine+=("$1"); }
pulizia() {
    local comando
    for comando in "${da_fare_alla_fine[@]}"; do eval "$comando" || true; done
    rm -rf "$radice"
}

# An empty temporary data root, removed at the end.
prepara_radice() {
    radice=$(mktemp -d)
    trap pulizia EXIT
}

# A data folder with the default profile in the Windows format; $1 is line 48, the activity log
# switch ("True" or "False"); then optional "N=text" replace line N (10 the input mode, 11 the
# scanning speed, 3 speech).
prepara_profilo() {
    prepara_radice
    local cartella="$radice/ImpostazioniProgrammiDorva/Zanfroni"
    mkdir -p "$cartella/dati"
    profilo="$cartella/_predefinito.INI"
    local righe=(" 130 " " 100 " True False True Arial " 14 " True False " 1 " " 4 "
        FFFFCC sfondo sfondo sfondo sfondo 00FF00 verde verdi verde verdi
        FF0000 rosso rossi rossa rosse 0000FF blu blu blu blu
        FFFF00 giallo gialli gialla gialle " 16777088 " minuscolo arial arial
        " 24 " "-2147483630 " "-2147483633 " True " 255 " " 16777215 " False "$1"
        "{7EF71701-A92D-11d1-B17B-0020AFED142E}" Merlin)
    shift
    for cambio in "$@"; do righe[$((${cambio%%=*} - 1))]=${cambio#*=}; done
    printf '%s\r\n' "${righe[@]}" > "$profilo"
    [ "$(wc -l < "$profilo")" -eq 50 ] || { echo "FAIL: test profile is not 50 lines"; exit 1; }
    touch -d '1990-01-01' "$profilo" # older than any write the program makes
}

# The script's own X server (1024x768), started once and kept for every program start of the
# script, stopped when the script ends. The server takes a free display number itself and says
# which (-displayfd), so parallel runs never share one; it listens on its unix socket only, to
# clients holding a cookie made here.
avvia_server_x() {
    [ -n "${server_x:-}" ] && return 0
    local biscotto numero fine=$((SECONDS + 60))
    export XAUTHORITY=$radice/Xauthority
    biscotto=$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')
    # The server reads every cookie of its file, whatever display the entry names.
    xauth -q -f "$XAUTHORITY" add :0 . "$biscotto" 2>/dev/null
    : > "$radice/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -auth "$XAUTHORITY" \
        3> "$radice/display" 2> "$radice/xvfb.log" &
    server_x=$!
    alla_fine "kill $server_x 2>/dev/null; wait $server_x 2>/dev/null"
    # The number comes with a newline once the server accepts connections.
    until read -r numero < "$radice/display"; do
        kill -0 $server_x 2>/dev/null || { echo "FAIL: Xvfb ended:"; cat "$radice/xvfb.log"; exit 1; }
        [ $SECONDS -lt $fine ] || { echo "FAIL: Xvfb gave no display within 60 s"; exit 1; }
        sleep 0.1
    done
    export DISPLAY=:$numero
    xauth -q add "$DISPLAY" . "$biscotto" 2>/dev/null
    until xdpyinfo >/dev/null 2>&1; do
        [ $SECONDS -lt $fine ] || { echo "FAIL: the X server $DISPLAY does not accept connections"; exit 1; }
        sleep 0.1
    done
}

# Runs function $1 (scenario or guida) on the script's X server with the program; further arguments
# name helper functions the scenario uses. Fails unless the scenario ran to its end. A window
# manager runs too when GESTORE_FINESTRE names one (e.g. "openbox --sm-disable").
esegui_in_x() {
    local entrata=$1 file="$radice/scenario.bash"
    shift
    declare -f scenario "$@" > "$file" || { echo "FAIL: the script defines no scenario"; exit 1; }
    rm -f "$radice/scenario.fatto"
    # The program must draw on the X server, whatever platform the caller chose for unit tests.
    export XDG_DATA_HOME="$radice" RADICE="$radice" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    avvia_server_x
    if ! timeout 170 bash "$QUI/comune.bash" dentro "$file" "$programma" "$entrata"; then
        echo "--- program output ---"; cat "$radice/programma.log" 2>/dev/null
        exit 1
    fi
    [ -f "$radice/scenario.fatto" ] || { echo "FAIL: the scenario did not run to its end"; exit 1; }
}
esegui_scenario() { esegui_in_x scenario "$@"; }
esegui_guida() { esegui_in_x guida "$@"; }

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

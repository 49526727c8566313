#!/bin/bash
# The data folder on a new account, a start that cannot make its folders, and a full disk. Each
# case points HOME and XDG_DATA_HOME somewhere of its own below the temporary root.
# A screenshot of the full disk's message stays in $ZANFRONI_E2E_FOTO when it is set.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import
prepara_radice
alla_fine 'mountpoint -q "$radice/pieno" && umount "$radice/pieno"'

# The visible window whose title is exactly $1, within $2 seconds; with $3 = box, only one
# narrower than the screen (a message box, not the screen of the same title).
finestra() {
    local fine=$((SECONDS + $2)) w larghezza
    while :; do
        for w in $(xdotool search --onlyvisible --class zanfroni 2>/dev/null); do
            [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] || continue
            larghezza=$(xdotool getwindowgeometry "$w" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
            [ "${3:-}" = box ] && [ "${larghezza:-1024}" -ge 1000 ] && continue
            echo "$w"
            return 0
        done
        [ $SECONDS -lt "$fine" ] && kill -0 $pid 2>/dev/null || return 1
        sleep 0.2
    done
}
invio() { xdotool windowfocus --sync "$1" key --clearmodifiers Return; sleep 0.5; }
ferma() { kill $pid; wait $pid 2>/dev/null || true; }

# 1. A new account: neither HOME nor the data folder exists yet.
nuovo_account() {
    export HOME=$RADICE/casa XDG_DATA_HOME=$RADICE/casa/.local/share
    local w
    avvia
    w=$(finestra Gommolo 30 box) || fallito "no font message on the first start"
    invio "$w"
    finestra Zanfroni 30 >/dev/null || fallito "no start screen after the font message"
    cartelle_nuove "$XDG_DATA_HOME"
    ferma
    avvia
    finestra Zanfroni 30 >/dev/null || fallito "no start screen on the second start"
    sleep 1
    if finestra Gommolo 0 >/dev/null; then fallito "the font message came again"; fi
    ferma
    echo "new account: PASS"
}

# 2. A file where the data folder should be: the message, then a non-zero exit.
cartella_bloccata() {
    : > "$RADICE/blocco"
    export XDG_DATA_HOME=$RADICE/blocco/share
    local w
    avvia
    w=$(finestra Zanfroni 30 box) || fallito "no message when the data folder cannot be made"
    invio "$w"
    aspetta_fine $pid 20 || fallito "the program did not end"
    [ $stato -ne 0 ] || fallito "a start that failed ended with status 0"
    echo "blocked data folder: PASS (status $stato)"
}

# 3. A full disk: the menu's save fails, says so, keeps the profile, and the program goes on.
disco_pieno() {
    local pieno=$RADICE/pieno w prima
    mkdir "$pieno"
    if ! mount -t tmpfs -o size=64k tmpfs "$pieno" 2>/dev/null; then
        echo "SKIP: full disk case, a tmpfs cannot be mounted here"
        return 0
    fi
    export XDG_DATA_HOME=$pieno
    mkdir -p "$pieno/ImpostazioniProgrammiDorva/Zanfroni/dati"
    local profilo=$pieno/ImpostazioniProgrammiDorva/Zanfroni/_predefinito.INI
    printf '%s\r\n' " 200 " " 100 " True False True Arial " 14 " True False " 0 " " 4 " \
        FFFFCC sfondo sfondo sfondo sfondo 00FF00 verde verdi verde verdi \
        FF0000 rosso rossi rossa rosse 0000FF blu blu blu blu \
        FFFF00 giallo gialli gialla gialle " 16777088 " minuscolo arial arial \
        " 24 " "-2147483630 " "-2147483633 " True " 255 " " 16777215 " False False \
        "{7EF71701-A92D-11d1-B17B-0020AFED142E}" Merlin > "$profilo"
    prima=$(od -An -tx1 < "$profilo")
    dd if=/dev/zero of="$pieno/riempi" bs=1k count=100 2>/dev/null || true # fills it up
    avvia
    w=$(finestra Zanfroni 30) || fallito "no start screen on a full disk"
    sleep 1
    invio "$w"
    finestra "Zanfroni - menu" 30 >/dev/null || fallito "no menu on a full disk"
    w=$(finestra Zanfroni 15 box) || fallito "no message for the failed save"
    if [ -n "${ZANFRONI_E2E_FOTO:-}" ]; then schermata disco-pieno; fi
    invio "$w"
    sleep 1
    kill -0 $pid 2>/dev/null || fallito "the program ended after the failed save"
    finestra "Zanfroni - menu" 5 >/dev/null || fallito "the menu is gone after the failed save"
    [ "$(od -An -tx1 < "$profilo")" = "$prima" ] || fallito "the profile changed on a full disk"
    ferma
    umount "$pieno"
    echo "full disk: PASS"
}

scenario() {
    nuovo_account
    cartella_bloccata
    disco_pieno
}
esegui_scenario finestra invio ferma nuovo_account cartella_bloccata disco_pieno
echo "PASS"

#!/bin/bash
# "Informazioni" -> "documentazione". First on a desktop with no PDF viewer (the XDG folders hold no
# application; xdg-open is not asked): the Italian message comes within 2 s, the program has started
# nothing, and the menu goes on. Then a viewer is installed (a desktop file whose program records
# its words) and the same choice opens the guide in it, with no message.
# Screenshots stay in $ZANFRONI_E2E_FOTO when it is set.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import
prepara_radice
mkdir -p "$radice/xdg"
export XDG_DATA_DIRS=$radice/xdg XDG_CONFIG_HOME=$radice/xdg XDG_CONFIG_DIRS=$radice/xdg

documentazione() {
    xdotool mousemove 262 9 click 1 # "Informazioni"
    sleep 1
    xdotool mousemove 300 30 click 1 # "documentazione"
}
# The names of the program's child processes, but the speech service, which may be starting meanwhile.
figli_del_programma() {
    { cat /proc/[0-9]*/status 2>/dev/null || true; } \
        | awk -v p=$pid '/^Name:/ { n = $2 } /^PPid:/ && $2 == p && n !~ /^speech-dispatch/ { print n }'
}
messaggio() { xdotool search --onlyvisible --name '^Zanfroni$' 2>/dev/null | head -1; }
installa_lettore() {
    mkdir -p "$RADICE/xdg/applications"
    printf '#!/bin/sh\necho "$@" > "%s/aperto"\necho rumore\n' "$RADICE" > "$RADICE/lettore"
    chmod +x "$RADICE/lettore"
    printf '[Desktop Entry]\nType=Application\nName=Lettore\nMimeType=application/pdf;\nExec=%s %%f\n' \
        "$RADICE/lettore" > "$RADICE/xdg/applications/lettore.desktop"
}
scenario() {
    avvia
    invio_su Gommolo # the font was installed
    fino_al_menu
    local inizio=$(date +%s%N)
    documentazione
    aspetta '[ -n "$(messaggio)" ]' 3 || fallito "no message"
    local ms=$((($(date +%s%N) - inizio) / 1000000 - 1000)) # less the second the menu is left open
    echo "message $ms ms after the choice"
    [ $ms -le 2000 ] || fallito "the message came after $ms ms"
    sleep 0.5
    schermata messaggio
    local figli=$(figli_del_programma)
    [ -z "$figli" ] || fallito "the program started $figli"
    xdotool windowfocus --sync "$(messaggio)" key Return
    aspetta '[ -z "$(messaggio)" ]' 5 || fallito "the message stayed"
    menu_visibile || fallito "the main menu went away"

    installa_lettore
    documentazione
    aspetta "[ -s '$RADICE/aperto' ]" 5 || fallito "the installed viewer was not started"
    grep -q 'zanfrone.pdf$' "$RADICE/aperto" || fallito "the viewer was given $(cat "$RADICE/aperto")"
    [ -z "$(messaggio)" ] || fallito "a message came though the viewer opened the guide"
    ! grep -q rumore "$RADICE/programma.log" || fallito "the viewer's output reached the terminal"
    echo "ok: the viewer opened $(cat "$RADICE/aperto")"
    xdotool mousemove 904 699 click 1 # "esci"
    fine_regolare
}
esegui_scenario documentazione messaggio installa_lettore figli_del_programma
echo "PASS"

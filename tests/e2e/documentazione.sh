#!/bin/bash
# "Informazioni" -> "documentazione". First with the system's own XDG folders as they are, where the
# tools that list only PDF's alias image/pdf (ImageMagick's display) are no PDF viewer: the Italian
# message comes within 2 s, the program has started nothing and no other window is shown, and the
# menu goes on. (Where the system has a PDF viewer, this part runs with no folders instead.) Then a
# viewer is installed in the user's folder (a desktop file whose program records its words) and the
# same choice opens the guide in it, with no message.
# Screenshots stay in $ZANFRONI_E2E_FOTO when it is set.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import xwininfo xprop
prepara_radice
mkdir -p "$radice/config"
export XDG_CONFIG_HOME=$radice/config # the user's own choices do not count

# Whether a desktop file of the system lists PDF files, or a mimeapps.list names a program for them.
lettore_di_sistema() {
    local d
    for d in $(tr ':' ' ' <<< "${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"); do
        grep -lsE '^MimeType=(.*;)?application/(x-)?pdf(;|$)' "$d"/applications/*.desktop "$d"/applications/*/*.desktop \
            && return 0
        grep -sqE '^application/(x-)?pdf=' "$d"/applications/*mimeapps.list && return 0
    done
    for d in $(tr ':' ' ' <<< "${XDG_CONFIG_DIRS:-/etc/xdg}"); do
        grep -sqE '^application/(x-)?pdf=' "$d"/*mimeapps.list && return 0
    done
    return 1
}
if lettore_di_sistema; then
    echo "the system has a PDF viewer: the message is tried with no XDG folders"
    mkdir -p "$radice/vuota"
    export XDG_DATA_DIRS=$radice/vuota XDG_CONFIG_DIRS=$radice/vuota
else
    echo "the system's XDG folders; listing image/pdf only:" \
        $(grep -lsE '^MimeType=(.*;)?image/pdf(;|$)' /usr/share/applications/*.desktop /usr/local/share/applications/*.desktop || true)
fi

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
# The names of the shown windows that are not the program's (no WM here: they are the root's children).
finestre_estranee() {
    local w
    for w in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
        xwininfo -id "$w" | grep -q 'Map State: IsViewable' || continue
        xprop -id "$w" _NET_WM_PID | grep -qx "_NET_WM_PID(CARDINAL) = $pid" || xwininfo -id "$w" | awk 'NR == 2'
    done
}
installa_lettore() {
    mkdir -p "$RADICE/applications"
    printf '#!/bin/sh\necho "$@" > "%s/aperto"\necho rumore\n' "$RADICE" > "$RADICE/lettore"
    chmod +x "$RADICE/lettore"
    printf '[Desktop Entry]\nType=Application\nName=Lettore\nMimeType=application/pdf;\nExec=%s %%f\n' \
        "$RADICE/lettore" > "$RADICE/applications/lettore.desktop"
}
scenario() {
    avvia
    invio_su Gommolo # the font was installed
    fino_al_menu
    local inizio=$(date +%s%N)
    documentazione
    aspetta '[ -n "$(messaggio)" ]' 3 || { schermata messaggio; fallito "no message; shown: $(finestre_estranee)"; }
    local ms=$((($(date +%s%N) - inizio) / 1000000 - 1000)) # less the second the menu is left open
    echo "message $ms ms after the choice"
    [ $ms -le 2000 ] || fallito "the message came after $ms ms"
    sleep 1.5
    schermata messaggio
    local figli=$(figli_del_programma)
    [ -z "$figli" ] || fallito "the program started $figli"
    xdotool windowfocus --sync "$(messaggio)" key Return
    aspetta '[ -z "$(messaggio)" ]' 5 || fallito "the message stayed"
    menu_visibile || fallito "the main menu went away"
    local estranee=$(finestre_estranee)
    [ -z "$estranee" ] || fallito "shown over the menu: $estranee"

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
esegui_scenario documentazione messaggio finestre_estranee installa_lettore figli_del_programma
echo "PASS"

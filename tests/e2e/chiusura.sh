#!/bin/bash
# Closing the about box and a guide screen from the window manager (Alt+F4 under openbox, which
# sends WM_DELETE_WINDOW) must bring the main menu back and leave the program running.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi xprop openbox
prepara_radice
export GESTORE_FINESTRE="openbox --sm-disable"

# Opens entry $1 (its y $2 in the open "Informazioni" menu), closes it with Alt+F4, expects the menu.
chiudi_dal_gestore() {
    xdotool mousemove 263 9 click 1 # "Informazioni"
    sleep 0.8
    xdotool mousemove 230 "$2" click 1
    aspetta '! menu_visibile' 15 || fallito "$1 did not open"
    sleep 1.5
    xdotool key alt+F4
    aspetta menu_visibile 15 || fallito "the main menu did not come back after Alt+F4 on $1"
    sleep 1
    kill -0 $pid 2>/dev/null || fallito "the program ended when $1 was closed"
    echo "ok: $1 closed by the window manager, the main menu is back"
}
scenario() {
    avvia
    invio_su Gommolo # the font was installed
    fino_al_menu
    chiudi_dal_gestore "the about box" 95
    if xdotool search --onlyvisible --name "Informazioni su Zanfroni" >/dev/null 2>&1; then
        fallito "the about box is still open"
    fi
    chiudi_dal_gestore "the settings guide" 51
    # The menu still answers: "esci" ends the program normally.
    xdotool mousemove 904 699 click 1
    fine_regolare
}
esegui_scenario chiudi_dal_gestore
echo "PASS"

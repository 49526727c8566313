#!/bin/bash
# Manual scanning: the mouse moving over the screen never takes the switch's highlight, neither the
# frame of a drawing in "Trova le differenze - 1°" nor the highlighted answer of "Vero o falso".
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import convert
prepara_profilo True "3=False" "10= 1 "
# The pointer passes over the screen's parts (x,y pairs), resting a moment on each.
passa() {
    local punto
    for punto in "$@"; do
        xdotool mousemove ${punto%,*} ${punto#*,}
        sleep 0.15
    done
    sleep 0.3
}
scenario() {
    avvia
    fino_al_menu
    premi space
    premi space
    premi Return # "trova le differenze 1°"
    aspetta "! menu_visibile" 10 || fallito "Trova le differenze - 1° did not open"
    sleep 1.5
    schermata
    [ "$(colore 13 690)" = "$EVIDENZA" ] || fallito "the scan does not frame the first drawing"
    passa 110,690 250,690 580,690 300,650 500,500 40,690
    schermata
    [ "$(colore 13 690)" = "$EVIDENZA" ] || fallito "a mouse move took the frame of the scan away"
    al_menu
    premi Return # "vero o falso": the menu's scan starts on it again
    aspetta "! menu_visibile" 10 || fallito "Vero o falso did not open"
    sleep 1.5
    passa 880,540 640,600 880,420 640,600
    local luce
    luce=$(evidenziati_risposte)
    [ "$luce" = 0 ] || fallito "after mouse moves the highlight is on $luce, not on Vero"
    kill $pid
}
esegui_scenario passa
echo "PASS"

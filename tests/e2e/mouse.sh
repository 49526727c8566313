#!/bin/bash
# With the mouse: the pointer resting on an answer of "Vero o falso" shows it in the highlight
# colour, moving to the other answer moves the highlight, leaving the buttons takes it away.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import convert
prepara_profilo True "3=False" "10= 0 "
sopra() { # x, y, expected highlight, where
    xdotool mousemove "$1" "$2"
    sleep 0.4
    local luce
    luce=$(evidenziati_risposte)
    [ "$luce" = "$3" ] || fallito "pointer on $4: the highlight is on $luce, not on $3"
}
scenario() {
    avvia
    fino_al_menu
    xdotool mousemove 200 120 click 1 # "vero o falso"
    aspetta "! menu_visibile" 10 || fallito "the click did not open Vero o falso"
    sleep 1.5
    sopra 880 420 0 "Vero"
    sopra 880 540 1 "Falso"
    sopra 640 600 nessuno "the background"
    sopra 860 380 0 "Vero again"
    kill $pid
}
esegui_scenario sopra
echo "PASS"

#!/bin/bash
# Automatic scanning with one switch, held as a child holds it (longer than the key repeat delay):
# on the main menu the hold chooses "Vero o falso" once and nothing in the exercise it opens; on an
# answer it chooses exactly once.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import convert
prepara_profilo True "3=False" "10= 2 " "11= 60 " # no speech; a step every 15 s, slower than any check here
scenario() {
    avvia
    fino_al_menu
    local luce
    luce=$(evidenziati_menu)
    [ "$luce" = 0 ] || fallito "the menu starts with the highlight on $luce"
    xdotool keydown space
    sleep 1.5
    menu_visibile || fallito "the held switch chose before it was released"
    sleep 0.5
    xdotool keyup space
    aspetta "! menu_visibile" 10 || fallito "the held switch did not open Vero o falso"
    # The first question is drawn and scanned before the switch is held (a slow machine takes longer).
    aspetta '[ "$(evidenziati_risposte)" != nessuno ]' 15 || fallito "Vero o falso shows no highlighted answer"
    tieni space 2
    sleep 0.5
    una_risposta "two holds of the switch"
}
esegui_scenario
echo "PASS"

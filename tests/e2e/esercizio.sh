#!/bin/bash
# The real program under Xvfb in manual scanning with the activity log on: from the main menu
# "Vero o falso" (Enter on the first button), a few answers with Space and Enter, back through the
# "Esci" menu, then "esci" in the main menu. The program must end with status 0 and save the profile.
# On the way, with no window manager, the picture page (Ctrl+P) is opened and closed twice: when it
# closes, the screen must have the keyboard back.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
prepara_profilo True
scenario() {
    PAUSA_TASTO=0.5
    premi Return # the first button: "Vero o falso"
    aspetta "! menu_visibile" 60 || fallito "the exercise did not open"
    sleep 2 # the first question is set up
    # Answer the highlighted button, go on with the arrow, then the next button and the arrow again.
    for tasto in Return Return space Return Return space space Return Return; do premi $tasto; done
    sleep 2
    local sole volta
    sole=$(finestre)
    for volta in first second; do
        xdotool keydown ctrl+p; sleep 0.1; xdotool keyup ctrl+p
        aspetta '[ $(finestre) -gt $sole ]' 5 || fallito "Ctrl+P did not open the picture page the $volta time"
        xdotool keydown Escape; sleep 0.1; xdotool keyup Escape
        aspetta '[ $(finestre) -eq $sole ]' 5 || fallito "Escape did not close the picture page"
    done
    xdotool mousemove 160 11 click 1 # the "Esci" menu, third in the bar
    aspetta menu_visibile 60 || fallito "the main menu did not come back from the exercise"
    sleep 2
    PAUSA_TASTO=0.4
}
finestre() { xdotool search --onlyvisible --class zanfroni 2>/dev/null | wc -l; }
esegui_guida finestre
controlla_profilo "10= 1 " "48=True"

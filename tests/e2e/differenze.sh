#!/bin/bash
# The real program under Xvfb in manual scanning: "Trova le differenze - 1°" at level 1, Enter on
# each part in turn (Space to the next) until the one difference is found. The scan then rests on
# the new-pair button, whose arrow must show in its own colours, not greyed out.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import convert
prepara_profilo False
scenario() {
    PAUSA_TASTO=1
    premi space; premi space; premi Return # the third button: "Trova le differenze - 1°"
    aspetta "! menu_visibile" 60 || fallito "the exercise did not open"
    sleep 4
    local trovata=0 verdi
    for _ in 1 2 3 4 5 6 7 8 9; do
        premi Return
        import -window root "$RADICE/schermo.png"
        # Pixels of the arrow's own green (#43A047) on the new-pair button, bottom right at 1024 x 768.
        verdi=$(convert "$RADICE/schermo.png" -crop 260x54+740+662 +repage -fuzz 3% -fill white -opaque "#43A047" \
            -fill black +opaque white -format "%[fx:round(mean*w*h)]" info:)
        if [ "$verdi" -gt 200 ]; then trovata=1; break; fi
        premi space
    done
    [ $trovata -eq 1 ] || fallito "after the difference was found the new-pair arrow is greyed out (or was never reached)"
    echo "the new-pair arrow shows enabled ($verdi pixels)"
    xdotool mousemove 160 11 click 1 # "Esci"
    aspetta menu_visibile 60 || fallito "the main menu did not come back from the exercise"
    sleep 2
    PAUSA_TASTO=0.4
}
esegui_guida
controlla_profilo "10= 1 "

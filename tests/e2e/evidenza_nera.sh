#!/bin/bash
# A teacher picks black as the highlight colour: in manual scanning the lit menu caption and the lit
# answer of "Vero o falso" must still show their words (in white), read from screenshots.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import convert
prepara_profilo False "3=False" "10= 1 " "45= 0 "
# White pixels in a box of the last screenshot: width, height, left, top.
bianchi() {
    convert "$RADICE/schermo.png" -crop "$1x$2+$3+$4" -fuzz 10% -fill black +opaque white \
        -format '%[fx:round(mean*w*h)]' info:
}
leggibile() { # box..., what
    local n
    n=$(bianchi "$1" "$2" "$3" "$4")
    echo "$5: $n white pixels"
    [ "$n" -gt 50 ] || fallito "$5 is lit in black but its words do not show"
}
scenario() {
    avvia
    fino_al_menu
    schermata
    [ "$(colore 142 77)" = "#000000" ] || fallito "the first menu button is not lit in black"
    leggibile 140 100 137 72 "the menu caption"
    premi Return # "vero o falso"
    aspetta "! menu_visibile" 10 || fallito "Enter did not open Vero o falso"
    sleep 1.5
    schermata
    [ "$(colore 775 360)" = "#000000" ] || fallito "the first answer is not lit in black"
    leggibile 240 100 762 350 "the answer"
    kill $pid
}
esegui_scenario bianchi leggibile
echo "PASS"

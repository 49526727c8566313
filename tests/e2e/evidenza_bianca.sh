#!/bin/bash
# A teacher picks white as the highlight colour, close to the light grey of the buttons: in manual
# scanning the lit menu caption and the lit answer of "Vero o falso" get a black edge, read from
# screenshots along a row of pixels crossing the button's left side.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import convert awk
prepara_profilo False "3=False" "10= 1 " "45= 16777215 "
# The longest run of near-black pixels in row $1 of the last screenshot, from x $2 to x $3.
corsa_nera() {
    convert "$RADICE/schermo.png" -crop "$(($3 - $2))x1+$2+$1" -depth 8 txt:- \
        | awk -F'[(),]' 'NR > 1 { if ($3 + $4 + $5 < 120) { n++; if (n > max) max = n } else n = 0 }
                         END { print max + 0 }'
}
bordato() { # row, from, to, what
    local n
    n=$(corsa_nera "$1" "$2" "$3")
    echo "$4: a black edge $n pixels wide"
    [ "$n" -ge 3 ] || fallito "$4 is lit in white but has no black edge"
}
scenario() {
    avvia
    fino_al_menu
    schermata
    [ "$(colore 142 77)" = "#FFFFFF" ] || fallito "the first menu button is not lit in white"
    bordato 120 100 160 "the menu caption"
    premi Return # "vero o falso"
    aspetta "! menu_visibile" 10 || fallito "Enter did not open Vero o falso"
    sleep 1.5
    schermata
    [ "$(colore 775 360)" = "#FFFFFF" ] || fallito "the first answer is not lit in white"
    bordato 380 700 800 "the answer"
    kill $pid
}
esegui_scenario corsa_nera bordato
echo "PASS"

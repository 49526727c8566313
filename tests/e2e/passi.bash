# Shared by the scripts of the two stepping modes (sourced; not a test by itself): the step key
# ($PASSO, exported) held and bounced as a child's switch is, then Enter held to choose. On the
# main menu and on "Vero o falso" a held step key leaves the highlight still while it is down and
# steps once when let go, a bounced one steps once, and a held Enter chooses once (opening the
# exercise chooses nothing in it). A script sources this file with its own arguments and calls
# prova_passi with the input mode and the step key.
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/comune.bash"
richiedi import convert
luce_su() { # what, expected highlight, where
    local luce
    luce=$($1)
    [ "$luce" = "$2" ] || fallito "$3: the highlight is on $luce, not on $2"
}
# The step key held 2 s; the highlight, read four times meanwhile, must stay on $2.
tenendo() {
    xdotool keydown $PASSO
    local i
    for i in 1 2 3 4; do
        sleep 0.4
        luce_su $1 $2 "$3, $PASSO held (look $i)"
    done
    xdotool keyup $PASSO
}
scenario() {
    avvia
    fino_al_menu
    luce_su evidenziati_menu 0 "menu at start"
    tenendo evidenziati_menu 0 "menu"
    sleep 0.3
    luce_su evidenziati_menu 1 "menu, $PASSO held and let go"
    rimbalza $PASSO
    sleep 0.3
    luce_su evidenziati_menu 2 "menu, a bounced $PASSO"
    local i
    for i in 1 2 3 4 5 6 7; do premi $PASSO; done
    luce_su evidenziati_menu 0 "menu, seven more steps"
    tieni Return 2
    aspetta "! menu_visibile" 10 || fallito "the held Enter did not open Vero o falso"
    sleep 1.5 # the first question is drawn
    luce_su evidenziati_risposte 0 "Vero o falso at start"
    tenendo evidenziati_risposte 0 "Vero o falso"
    sleep 0.3
    luce_su evidenziati_risposte 1 "Vero o falso, $PASSO held and let go"
    rimbalza $PASSO
    sleep 0.3
    luce_su evidenziati_risposte 0 "Vero o falso, a bounced $PASSO"
    tieni Return 2
    sleep 0.5
    una_risposta "one held Enter"
}

prova_passi() { # input mode (profile line 10), step key
    prepara_profilo True "3=False" "10= $1 "
    export PASSO=$2
    esegui_scenario luce_su tenendo
    echo "PASS"
}

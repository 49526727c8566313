# Shared by the scripts where speech is on in the profile but cannot be heard (sourced; not a test by
# itself): the line-up exercises must show their written traits, not the panel of part icons that
# stands for them when speech is heard; a click on each clown answers; then the voice page of the
# settings, the menu's "esci", and exit status 0. Where there is no audio output, the answers' sounds
# are not tried: the program's output never says "No audio device". A script sources this file with its own arguments, takes the voice away its own way,
# and calls prova_voce_muta with a command the scenario runs on the main menu before the exercises
# (it waits until the program knows what it needs to know about the voice). Screenshots stay in
# $ZANFRONI_E2E_FOTO when it is set.
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/comune.bash"
richiedi import convert python3

# Opens the menu button at $2 $3, checks that the traits are written, leaves with "Esci".
allineamento() {
    xdotool mousemove $2 $3 click 1
    aspetta '! menu_visibile' 15 || fallito "$1 did not open"
    sleep 2
    schermata "$1"
    # TestoCaratteristiche's empty lower right corner, and beside it where only the icon panel would reach.
    local testo accanto inchiostro
    testo=$(colore 960 390)
    accanto=$(colore 1000 460)
    [ "$testo" != '#FFFFC0' ] && [ "$accanto" != '#FFFFC0' ] || fallito "$1: the icon panel hides the written traits"
    [ "$testo" = '#FFFFFF' ] || fallito "$1: no written traits where expected (pixel $testo)"
    # The traits' letters: dark pixels in the upper part of TestoCaratteristiche.
    inchiostro=$(convert "$RADICE/schermo.png" -crop 300x150+700+180 -colorspace gray -threshold 50% \
        -negate -format '%[fx:round(mean*w*h)]' info:)
    [ "$inchiostro" -gt 200 ] || fallito "$1: TestoCaratteristiche holds no written traits ($inchiostro dark pixels)"
    echo "ok: $1 shows its traits"
    xdotool mousemove 155 280 click 1
    sleep 0.5
    xdotool mousemove 463 280 click 1
    sleep 0.5
    xdotool mousemove 160 11 click 1 # "Esci"
    aspetta menu_visibile 15 || fallito "the main menu did not come back from $1"
    sleep 1
}
scenario() {
    avvia
    invio_su Gommolo # the font was installed
    fino_al_menu
    eval "$PRIMA_DEGLI_ESERCIZI"
    allineamento indovina-chi 546 699
    allineamento elimina-gli-intrusi 546 510
    # The voice page: its list is empty and it says why, while every click is answered.
    xdotool mousemove 55 9 click 1 # "Configurazione"
    aspetta '! menu_visibile' 15 || fallito "the settings did not open"
    sleep 1
    xdotool mousemove 512 132 click 1 # "Suoni e voce"
    sleep 6
    schermata voce
    xdotool mousemove 15 9 click 1 # "Esci"
    aspetta menu_visibile 15 || fallito "the main menu did not come back from the settings"
    sleep 1
    xdotool mousemove 904 699 click 1 # "esci"
    fine_regolare
    ! grep 'No audio device' "$RADICE/programma.log" || fallito "a sound was started with no audio output"
}
prova_voce_muta() {
    export PRIMA_DEGLI_ESERCIZI=$1
    esegui_scenario allineamento
    echo "PASS"
}

#!/bin/bash
# The real program under Xvfb: from the menu to the settings, "Nuovo utente", the name typed key by
# key, then a click on "Esci". The new user's file is written and no message box appears, also once
# the menu has taken the focus from the name field.
set -u
programma=${1:?path of the zanfroni executable}
QUI=$(dirname "$(readlink -f "$0")")
source "$QUI/comune.bash"
salta_senza_x
if [ -z "${DENTRO_X:-}" ]; then
    prepara_profilo False
    export XDG_DATA_HOME=$radice RADICE=$radice QT_QPA_PLATFORM=xcb DENTRO_X=1
    unset WAYLAND_DISPLAY
    timeout 170 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$1" || {
        echo "--- program output ---"; cat "$radice/programma.log" 2>/dev/null; exit 1; }
    [ -f "$radice/scenario_eseguito" ] || { echo "FAIL: the scenario did not run"; exit 1; }
    cartella="$radice/ImpostazioniProgrammiDorva/Zanfroni"
    [ -f "$cartella/Anna.ini" ] || { echo "FAIL: Anna.ini was not written"; ls "$cartella"; exit 1; }
    [ "$(wc -l < "$cartella/Anna.ini")" -eq 50 ] || { echo "FAIL: Anna.ini is not 50 lines"; exit 1; }
    echo PASS
    exit 0
fi

clic() { xdotool mousemove "$1" "$2" click 1; sleep 0.8; }
messaggio_visibile() { xdotool search --onlyvisible --name '^Zanfroni$' >/dev/null 2>&1; }
scenario() {
    clic 50 10 # "Configurazione"
    aspetta '! menu_visibile' 20 \
        || fallito "the settings screen did not open"
    sleep 1
    clic 73 306 # "Nuovo utente"
    xdotool type --delay 150 Anna
    sleep 0.5
    clic 24 10 # "Esci"
    aspetta menu_visibile 20 || fallito "the menu did not come back"
    sleep 2 # the name field has lost the focus to the menu by now
    messaggio_visibile && fallito "a message box is open: $(xdotool search --onlyvisible --name '^Zanfroni$' getwindowname)"
    touch "$RADICE/scenario_eseguito"
}
guida "$programma"

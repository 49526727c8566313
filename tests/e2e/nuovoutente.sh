#!/bin/bash
# The real program under Xvfb: from the menu to the settings, "Nuovo utente", the name typed key by
# key, then a click on "Esci". The new user's file is written and no message box appears, also once
# the menu has taken the focus from the name field.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
prepara_profilo False
clic() { xdotool mousemove "$1" "$2" click 1; sleep 0.8; }
messaggio_visibile() { xdotool search --onlyvisible --name '^Zanfroni$' >/dev/null 2>&1; }
scenario() {
    clic 50 10 # "Configurazione"
    aspetta '! menu_visibile' 20 || fallito "the settings screen did not open"
    sleep 1
    clic 73 306 # "Nuovo utente"
    xdotool type --delay 150 Anna
    sleep 0.5
    clic 24 10 # "Esci"
    aspetta menu_visibile 20 || fallito "the menu did not come back"
    sleep 2 # the name field has lost the focus to the menu by now
    if messaggio_visibile; then
        fallito "a message box is open: $(xdotool search --onlyvisible --name '^Zanfroni$' getwindowname)"
    fi
}
esegui_guida clic messaggio_visibile
cartella="$radice/ImpostazioniProgrammiDorva/Zanfroni"
[ -f "$cartella/Anna.ini" ] || { echo "FAIL: Anna.ini was not written"; ls "$cartella"; exit 1; }
[ "$(wc -l < "$cartella/Anna.ini")" -eq 50 ] || { echo "FAIL: Anna.ini is not 50 lines"; exit 1; }
echo PASS

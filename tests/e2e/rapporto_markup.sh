#!/bin/bash
# A report from elsewhere whose lines look like markup, the name line naming a picture that is a
# named pipe: "File" > "Apri" opens it and the screen answers at once ("&Esci" goes back to the menu).
# Screenshots stay in $ZANFRONI_E2E_FOTO when it is set.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import
prepara_profilo True "3=False" "10= 0 "
scenario() {
    mkfifo "$RADICE/tubo"
    printf '<img src="%s">\r\n<b>Data</b> &amp;\r\n 2 \r\nInsiemi\r\n1\r\n2\r\n3\r\n<i>nota</i>\r\n' "$RADICE/tubo" \
        > "$RADICE/markup.rpt"
    avvia
    fino_al_menu
    xdotool mousemove 163 8 click 1 # "Esercizi eseguiti"
    aspetta "! menu_visibile" 10 || fallito "the log screen did not open"
    sleep 1.5
    xdotool key alt+f
    sleep 0.4
    xdotool key Down Return # "Apri"
    aspetta "xdotool search --onlyvisible --name '^Apri$' >/dev/null 2>&1" 10 || fallito "no open dialog"
    sleep 0.5
    xdotool type "$RADICE/markup.rpt"
    xdotool key Return
    aspetta "! xdotool search --onlyvisible --name '^Apri$' >/dev/null 2>&1" 5 || fallito "the open dialog stayed"
    sleep 0.5
    schermata rapporto
    xdotool mousemove 117 8 click 1 # "Esci"
    aspetta menu_visibile 3 || fallito "the log screen did not answer after opening the report"
    kill $pid
}
esegui_scenario
echo "PASS"

#!/bin/bash
# Speech on but no voice heard: the line-up exercises must show their written traits, not the panel
# of part icons that stands for them when speech is heard. Then the voice page of the settings, the
# menu's "esci", and exit status 0. Screenshots stay in $ZANFRONI_E2E_FOTO when it is set.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
richiedi import convert python3
prepara_radice

# --- How this run gets no voice: speech stays on in the profile, and the speech service is a
# socket of our own (SPEECHD_ADDRESS) that accepts the connection and never answers.
senza_voce() {
    local socket=$radice/speechd.sock
    python3 - "$socket" <<'EOF' &
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen(8)
held = []
while True:
    held.append(s.accept()[0])  # accepted, never answered
EOF
    alla_fine "kill $!"
    for _ in $(seq 50); do [ -S "$socket" ] && break; sleep 0.1; done
    [ -S "$socket" ] || { echo "FAIL: the silent speech service did not start"; exit 1; }
    export SPEECHD_ADDRESS=unix_socket:$socket
}
senza_voce
# --- end of how this run gets no voice.

# Opens the menu button at $2 $3, checks that the traits are written, leaves with "Esci".
allineamento() {
    xdotool mousemove $2 $3 click 1
    aspetta '! menu_visibile' 15 || fallito "$1 did not open"
    sleep 2
    schermata "$1"
    # Text1's empty lower right corner, and beside it where only the icon panel would reach.
    local testo accanto
    testo=$(colore 960 390)
    accanto=$(colore 1000 460)
    [ "$testo" != '#FFFFC0' ] && [ "$accanto" != '#FFFFC0' ] || fallito "$1: the icon panel hides the written traits"
    [ "$testo" = '#FFFFFF' ] || fallito "$1: no written traits where expected (pixel $testo)"
    echo "ok: $1 shows its traits"
    xdotool mousemove 160 11 click 1 # "Esci"
    aspetta menu_visibile 15 || fallito "the main menu did not come back from $1"
    sleep 1
}
scenario() {
    avvia
    invio_su Gommolo # the font was installed
    fino_al_menu
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
}
esegui_scenario allineamento
echo "PASS"

#!/bin/bash
# First start on an empty data folder (folders, font and read-me file made, the font's message
# answered), then a second copy that must be refused without touching the data folder.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
prepara_radice

scenario() {
    "$PROGRAMMA" >> "$RADICE/programma.log" 2>&1 &
    pid=$!
    invio_su Gommolo # the cursive font was installed: the program says so
    timeout 30 xdotool search --sync --onlyvisible --class zanfroni >/dev/null || fallito "no start screen"
    cartelle_nuove "$RADICE"
    [ -f "$RADICE/fonts/indis1.ttf" ] || fallito "font not installed"
    local prima
    prima=$(ls -R "$RADICE/ImpostazioniProgrammiDorva" "$RADICE/fonts")

    "$PROGRAMMA" >> "$RADICE/programma.log" 2>&1 &
    local secondo=$!
    invio_su Gommolo # "E' già stata avviata una copia di questo programma!"
    aspetta_fine $secondo 20 || fallito "the second copy did not end"
    [ $stato -eq 0 ] || fallito "the second copy ended with status $stato"
    [ "$(ls -R "$RADICE/ImpostazioniProgrammiDorva" "$RADICE/fonts")" = "$prima" ] || fallito "the second copy changed the data folder"
    kill -0 $pid 2>/dev/null || fallito "the first copy is gone"
    kill $pid
}
esegui_scenario
echo "PASS"

#!/bin/bash
# First start on an empty data folder (folders, font and read-me file made, the font's message
# answered), then a second copy that must be refused without touching the data folder.
set -u
programma=${1:?path of the zanfroni executable}
QUI=$(dirname "$(readlink -f "$0")")
source "$QUI/comune.bash"
salta_senza_x
prepara_radice

invio_su() { # Enter on the window titled $1
    local w
    w=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1) || true
    [ -n "$w" ] || fallito "no window titled $1"
    xdotool windowfocus --sync "$w" key Return
}
scenario() {
    "$PROGRAMMA" >> "$RADICE/programma.log" 2>&1 &
    pid=$!
    invio_su Gommolo # the cursive font was installed: the program says so
    timeout 30 xdotool search --sync --onlyvisible --class zanfroni >/dev/null || fallito "no start screen"
    local d
    for d in ImpostazioniProgrammiDorva ImpostazioniProgrammiDorva/Zanfroni ImpostazioniProgrammiDorva/Zanfroni/dati; do
        [ -d "$RADICE/$d" ] || fallito "missing folder $d"
    done
    [ -f "$RADICE/fonts/indis1.ttf" ] || fallito "font not installed"
    local atteso
    atteso=$(printf 'Questa cartella contiene i files di impostazione dei programmi presenti nel sito https://www.zanfroni.it.\r\n \r\nSe qualche programma presenta problemi di funzionamento pu\362 essere utile cancellare il file *.ini relativo al programma in quata cartella.\r\n \r\nNon cancellare questo file.\r\n' | od -An -tx1)
    [ "$(od -An -tx1 < "$RADICE/ImpostazioniProgrammiDorva/leggimi.txt")" = "$atteso" ] || fallito "read-me file differs"
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
esegui_scenario "$programma" invio_su
echo "PASS"

#!/bin/bash
# Speech on, speech-dispatcher running and listing voices, but no audio output: nothing would be
# heard, so the line-ups show their written traits (vocemuta.bash), and the program says why.
source "$(dirname "$(readlink -f "$0")")/vocemuta.bash"
richiedi speech-dispatcher spd-say
prepara_radice

# A speech-dispatcher of this test's own, on its own socket, and no sound server: PULSE_SERVER
# points at nothing, so neither the program nor the speech service finds an audio output, whatever
# the machine has.
servizio=$radice/speechd
mkdir -p "$servizio"
export PULSE_SERVER=unix:$servizio/nessun-server-audio
export SPEECHD_ADDRESS=unix_socket:$servizio/speechd.sock
# In a process group of its own, so that its output modules end with it.
HOME=$servizio XDG_RUNTIME_DIR=$servizio XDG_CONFIG_HOME=$servizio setsid speech-dispatcher -s -c unix_socket \
    -S "$servizio/speechd.sock" -t 0 -P "$servizio/pid" -L "$servizio" > "$servizio/uscita.log" 2>&1 &
alla_fine "kill -- -$!; sleep 0.5; kill -9 -- -$! 2>/dev/null"
# The service must list voices, or this run would test one that has none.
voci=0
for _ in $(seq 10); do
    voci=$(timeout 30 spd-say -L 2>/dev/null | grep -c ' it ' || true)
    [ "$voci" -gt 0 ] && break
    sleep 1
done
[ "$voci" -gt 0 ] || { echo "FAIL: speech-dispatcher lists no Italian voice"; exit 1; }
echo "speech-dispatcher lists $voci Italian voices"

# On the menu: the program has the service's voices and finds no audio output to say them through.
prova_voce_muta 'aspetta "grep -q \"uscita audio\" \"\$RADICE/programma.log\"" 60 || fallito "the program never had the voices of speech-dispatcher"'

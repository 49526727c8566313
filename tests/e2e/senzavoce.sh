#!/bin/bash
# Speech on, but the speech service accepts the connection and never answers: the line-ups show
# their written traits (vocemuta.bash).
source "$(dirname "$(readlink -f "$0")")/vocemuta.bash"
prepara_radice

# The speech service is a socket of our own (SPEECHD_ADDRESS) that accepts and never answers.
socket=$radice/speechd.sock
python3 - "$socket" <<'PY' &
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen(8)
held = []
while True:
    held.append(s.accept()[0])  # accepted, never answered
PY
alla_fine "kill $!"
for _ in $(seq 50); do [ -S "$socket" ] && break; sleep 0.1; done
[ -S "$socket" ] || { echo "FAIL: the silent speech service did not start"; exit 1; }
export SPEECHD_ADDRESS=unix_socket:$socket

prova_voce_muta true

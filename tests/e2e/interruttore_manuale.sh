#!/bin/bash
# Manual scanning with two switches (Space steps, Enter chooses), held and bounced: see passi.bash.
set -u
programma=${1:?path of the zanfroni executable}
QUI=$(dirname "$(readlink -f "$0")")
source "$QUI/comune.bash"
source "$QUI/passi.bash"
salta_senza_x
prepara_profilo True "3=False" "10= 1 "
export PASSO=space
esegui_scenario "$programma" luce_su tenendo
echo "PASS"

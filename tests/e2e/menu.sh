#!/bin/bash
# The real program under Xvfb: start screen, then the main menu in manual scanning (Space x8 to
# "esci", Enter). The program must end by itself with status 0 and leave the profile saved.
set -u
programma=${1:?path of the zanfroni executable}
QUI=$(dirname "$(readlink -f "$0")")
source "$QUI/comune.bash"
salta_senza_x
prepara_profilo False
scenario() { :; }
esegui_guida "$programma"
controlla_profilo "10= 1 "

#!/bin/bash
# The real program under Xvfb: start screen, then the main menu in manual scanning (Space to
# "esci", Enter). The program must end by itself with status 0 and leave the profile saved.
source "$(dirname "$(readlink -f "$0")")/comune.bash"
prepara_profilo False
scenario() { :; }
esegui_guida
controlla_profilo "10= 1 "

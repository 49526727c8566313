#!/bin/bash
# Keyboard mode (the arrows step, Enter chooses), keys held and bounced: see passi.bash.
source "$(dirname "$(readlink -f "$0")")/passi.bash"
prova_passi 3 Right

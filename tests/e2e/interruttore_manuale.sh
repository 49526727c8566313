#!/bin/bash
# Manual scanning with two switches (Space steps, Enter chooses), held and bounced: see passi.bash.
source "$(dirname "$(readlink -f "$0")")/passi.bash"
prova_passi 1 space

#!/usr/bin/env python3
"""Writes the program's pictures into assets/files/immagini/. Run: python3 tools/immagini/genera.py"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import menu
import parti
import pulsanti
import zanfrone
from svg import documento, adesivo, rect, circle, text, INK, BLUE, RED, ORANGE, GREEN, PURPLE, YELLOW, WHITE

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "files", "immagini")


def scrivi(name, width, height, elements, title):
    with open(os.path.join(OUT, name), "w", encoding="utf-8", newline="\n") as f:
        f.write(documento(width, height, elements, title))


def avvio():
    # the start screen's clown face
    return 210, 194, [circle(105, 97, 94, fill="#FFF59D", sw=0),
                      zanfrone.face(105, 118, 52, hat_fill=PURPLE)]


# four poses for the colouring page, 386 x 690 (the page's boxes are 193 x 345 pixels)
DISEGNI = [
    dict(arm_left=10, arm_right=-10),                                           # standing
    dict(arm_left=150, arm_right=-150, leg_left=8, leg_right=-8, hat=False, jump=10),  # cheering
    dict(arm_left=20, arm_right=-4, tilt=-8, bucket_at=(262, 318)),              # with a bucket
    dict(arm_left=140, arm_right=-30, leg_left=20, leg_right=-6, tilt=10, hat=False),  # waving
]


def main():
    os.makedirs(OUT, exist_ok=True)
    scrivi("avvio.svg", *avvio(), "Zanfrone")
    scrivi("avvia.svg", *pulsanti.avvia(), "avvia")
    # the answer and action buttons take the highlight colour behind their pictures
    for name in ("vero", "falso", "uguali", "diversi", "avanti", "controlla", "pollicesu", "pollicegiu", "aiuto"):
        scrivi(name + ".svg", *adesivo(*getattr(pulsanti, name)()), name)
    for disegno in menu.TUTTE:
        scrivi(disegno.__name__ + ".svg", *disegno(), "menu: " + disegno.__name__)
    for i, f in enumerate(parti.ALL, 1):
        scrivi("parte%d.svg" % i, 120, 120, f(), "parte %d" % i)
    for i, posa in enumerate(DISEGNI, 1):
        scrivi("disegno%d.svg" % i, 386, 690, [rect(0, 0, 386, 690, fill=WHITE, sw=0),
                                               zanfrone.figure(**posa)], "zanfrone da colorare %d" % i)


if __name__ == "__main__":
    main()

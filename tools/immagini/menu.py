"""The main menu's pictures (portrait, sized like their places on the menu), each written as
its function's name + ".svg": one for each exercise of the catalogue, and "esci"."""
from svg import (INK, RED, GREEN, BLUE, YELLOW, ORANGE, PURPLE, WHITE, circle, ellipse, rect, path, poly,
                 line, text, tick, cross, group)
from zanfrone import face
from pulsanti import _hat


def verofalso():   # Vero o falso
    return 98, 138, [circle(49, 38, 32, fill="#C8E6C9", sw=3), tick(49, 40, 46),
                     circle(49, 100, 32, fill="#FFCDD2", sw=3), cross(49, 100, 40)]


def ugualediverso():   # Uguale - diverso
    return 114, 154, [_hat(28, 66, 0.75, BLUE), _hat(86, 66, 0.75, BLUE),
                      rect(47, 36, 20, 7, fill=GREEN, sw=2, r=2), rect(47, 49, 20, 7, fill=GREEN, sw=2, r=2),
                      _hat(28, 140, 0.75, BLUE), _hat(86, 140, 0.75, RED, shape="bowler"),
                      rect(47, 110, 20, 7, fill=ORANGE, sw=2, r=2), rect(47, 123, 20, 7, fill=ORANGE, sw=2, r=2),
                      poly([(61, 102), (66, 105), (53, 134), (48, 131)], fill=ORANGE, sw=2)]


def _differenze(numero):
    return 114, 138, [
        face(30, 56, 20, hat_fill=BLUE), face(84, 56, 20, hat_fill=RED),
        rect(68, 104, 32, 12, fill=ORANGE, sw=3, r=5, transform="rotate(40 68 110)"),
        circle(58, 98, 22, fill="#E3F2FD", sw=4, fill_opacity=0.85),
        circle(22, 116, 18, fill=YELLOW, sw=3),
        text(22, 128, str(numero), 32, fill=INK),
    ]


def differenze1():   # Trova le differenze 1°
    return _differenze(1)


def differenze2():   # Trova le differenze 2°
    return _differenze(2)


def colora():   # Colora il zanfrone
    return 114, 138, [
        path("M 20 98 Q 6 70 30 56 Q 50 44 66 60 Q 76 72 64 82 Q 56 90 62 100 Q 66 114 48 118 Q 28 120 20 98 Z",
             fill=WHITE, sw=3),
        circle(32, 70, 7, fill=RED, sw=2), circle(50, 62, 7, fill=YELLOW, sw=2),
        circle(28, 92, 7, fill=BLUE, sw=2), circle(46, 106, 7, fill=GREEN, sw=2),
        group([rect(72, 8, 14, 70, fill="#A1887F", sw=3, r=5),
               rect(70, 76, 18, 14, fill="#B0BEC5", sw=3),
               path("M 70 90 L 88 90 Q 92 110 79 126 Q 66 110 70 90 Z", fill=PURPLE, sw=3)],
              transform="rotate(20 79 70)"),
        path("M 90 118 Q 104 110 106 126 Q 100 134 90 128 Z", fill=PURPLE, sw=2),
    ]


def insiemi():   # Insiemi
    return 114, 138, [
        ellipse(57, 72, 52, 62, fill="#FFF9C4", stroke=PURPLE, sw=6),
        face(38, 52, 15, hat_fill=RED), face(76, 58, 15, hat=False),
        face(56, 100, 15, hat_fill=GREEN),
    ]


def intrusi():   # Trova gli intrusi
    e = [face(30, 40, 17, hat_fill=BLUE), face(84, 40, 17, hat_fill=BLUE),
         face(30, 106, 17, hat_fill=BLUE), face(84, 106, 17, hat_fill=GREEN),
         cross(84, 106, 40)]
    return 114, 138, e


def indovinachi():   # Indovina chi?
    return 114, 138, [
        text(57, 84, "?", 96, fill=ORANGE, stroke=INK, sw=2.5),
        face(57, 112, 18, hat_fill=RED),
    ]


def esci():   # esci: an open door
    return 98, 154, [
        rect(14, 12, 70, 132, fill="#FFF59D", sw=4),                       # the doorway, light beyond
        poly([(14, 12), (46, 24), (46, 136), (14, 144)], fill="#8D6E63", sw=4),  # the door swung open
        circle(38, 82, 4, fill=YELLOW, sw=2),
        poly([(58, 70), (74, 82), (58, 94)], fill=GREEN, sw=3),
        rect(50, 77, 12, 10, fill=GREEN, sw=0),
        line(50, 77, 58, 77, sw=3), line(50, 87, 58, 87, sw=3), line(50, 77, 50, 87, sw=3),
    ]


TUTTE = [verofalso, ugualediverso, differenze1, differenze2, colora, insiemi, intrusi, indovinachi, esci]

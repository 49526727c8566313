"""Answer and action buttons: each returns (width, height, elements) sized like the button it sits on."""
from svg import (INK, RED, GREEN, BLUE, YELLOW, ORANGE, WHITE, circle, ellipse, rect, path, poly, text, tick,
                 cross, arrow_right, group)


def vero():
    return 258, 118, [tick(52, 60, 92), text(176, 82, "Vero", 62, fill=GREEN, stroke=INK, sw=1.5)]


def falso():
    return 258, 118, [cross(52, 60, 84), text(176, 82, "Falso", 62, fill=RED, stroke=INK, sw=1.5)]


def _hat(cx, base, s, fill, stripe=YELLOW, shape="cone"):
    """A small hat standing on y = base."""
    if shape == "cone":
        return [poly([(cx - 26 * s, base), (cx + 26 * s, base), (cx, base - 62 * s)], fill=fill, sw=3),
                circle(cx - 6 * s, base - 18 * s, 5 * s, fill=stripe, sw=0),
                circle(cx + 7 * s, base - 34 * s, 4.5 * s, fill=stripe, sw=0),
                circle(cx, base - 66 * s, 9 * s, fill=stripe, sw=3)]
    # a bowler hat
    return [path("M %.1f %.1f Q %.1f %.1f %.1f %.1f Z" % (cx - 22 * s, base - 6 * s, cx, base - 70 * s,
                                                       cx + 22 * s, base - 6 * s), fill=fill, sw=3),
            rect(cx - 22 * s, base - 16 * s, 44 * s, 9 * s, fill=stripe, sw=0),
            ellipse(cx, base - 3 * s, 34 * s, 7 * s, fill=fill, sw=3)]


def uguali():
    return 168, 110, [_hat(34, 92, 1.0, BLUE), _hat(134, 92, 1.0, BLUE),
                      rect(66, 40, 36, 10, fill=GREEN, sw=2.5, r=3), rect(66, 60, 36, 10, fill=GREEN, sw=2.5, r=3)]


def diversi():
    return 168, 110, [_hat(34, 92, 1.0, BLUE), _hat(130, 92, 1.0, RED, stripe=YELLOW, shape="bowler"),
                      rect(66, 40, 36, 10, fill=ORANGE, sw=2.5, r=3), rect(66, 60, 36, 10, fill=ORANGE, sw=2.5, r=3),
                      poly([(92, 26), (100, 30), (76, 84), (68, 80)], fill=ORANGE, sw=2.5)]


def avanti():
    # stretched to very different shapes: only straight lines, no circles
    return 250, 100, [arrow_right(20, 10, 210, 80, fill=GREEN, sw=4),
                      poly([(40, 44), (52, 44), (52, 56), (40, 56)], fill=YELLOW, sw=0),
                      poly([(70, 44), (82, 44), (82, 56), (70, 56)], fill=YELLOW, sw=0),
                      poly([(100, 44), (112, 44), (112, 56), (100, 56)], fill=YELLOW, sw=0)]


def controlla():
    # a magnifying glass looking at a tick: "let's see if it is right"
    return 240, 100, [
        rect(116, 44, 74, 16, fill=ORANGE, sw=3, r=7, transform="rotate(35 116 52)"),
        circle(86, 44, 36, fill="#E3F2FD", sw=5),
        tick(86, 46, 50),
        text(196, 92, "?", 40, fill=BLUE, stroke=INK, sw=1.2),
    ]


def _thumb(up):
    e = [rect(14, 52, 26, 52, fill=BLUE, sw=3, r=4),
         path("M 40 56 L 58 20 Q 64 6 74 12 Q 82 18 76 40 L 74 50 L 104 50 Q 116 52 112 64 "
              "Q 118 72 110 80 Q 114 90 104 94 Q 106 106 92 106 L 40 104 Z", fill="#FFCC80", sw=3),
         path("M 104 64 L 88 64 M 108 80 L 90 80 M 102 94 L 88 94", fill="none", sw=2.5)]
    if up:
        return group(e)
    return group(e, transform="rotate(180 64 60)")


def pollicesu():
    return 128, 120, [circle(64, 60, 58, fill="#C8E6C9", sw=0), _thumb(True)]


def pollicegiu():
    return 128, 120, [circle(64, 60, 58, fill="#FFE0B2", sw=0), _thumb(False)]


def aiuto():
    # a speech balloon with a question mark
    return 160, 100, [
        path("M 30 14 L 130 14 Q 150 14 150 34 L 150 62 Q 150 80 130 80 L 62 80 L 36 96 L 42 80 L 30 80 "
             "Q 10 80 10 62 L 10 34 Q 10 14 30 14 Z", fill=YELLOW, sw=4),
        text(80, 72, "?", 64, fill=BLUE, stroke=INK, sw=1.5),
    ]


def avvia():
    # the start screen's button: a big play triangle and "Gioca!"
    return 450, 194, [
        rect(8, 8, 434, 178, fill="#FFF59D", sw=5, r=40),
        circle(96, 97, 70, fill=GREEN, sw=5),
        poly([(74, 56), (74, 138), (140, 97)], fill=WHITE, sw=4),
        text(296, 124, "Gioca!", 86, fill=RED, stroke=INK, sw=2.5),
    ]

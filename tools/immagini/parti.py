"""The eight part drawings: bold outlines on white, so that no colour is suggested; a faint head or
body shows where the part belongs when the part alone would be hard to tell."""
from svg import INK, WHITE, circle, ellipse, rect, path, poly, line, group

W = WHITE
S = 6.5        # line width of the part itself (stays clear at 40 pixels)
HINT = "#B0BEC5"


def _hint_head(cx, cy, r):
    return [circle(cx, cy, r, fill=W, stroke=HINT, sw=3),
            circle(cx - r * 0.35, cy - r * 0.15, r * 0.08, fill=HINT, sw=0),
            circle(cx + r * 0.35, cy - r * 0.15, r * 0.08, fill=HINT, sw=0),
            path("M %.1f %.1f Q %.1f %.1f %.1f %.1f" % (cx - r * 0.4, cy + r * 0.35, cx, cy + r * 0.75,
                                                     cx + r * 0.4, cy + r * 0.35), fill="none", stroke=HINT, sw=3)]


def parte1():   # hat
    return [poly([(26, 104), (94, 104), (64, 18)], fill=W, sw=S),
            path("M 20 104 L 100 104", fill="none", sw=S),
            circle(64, 16, 11, fill=W, sw=S),
            circle(52, 82, 6, fill=W, sw=3), circle(72, 64, 6, fill=W, sw=3), circle(60, 44, 5, fill=W, sw=3)]


def parte2():   # tuft and side hair around a faint head
    e = _hint_head(60, 70, 30)
    for side in (-1, 1):
        for dx, dy in ((30, -10), (36, 6), (30, 22)):
            e.append(circle(60 + side * dx, 70 + dy, 11, fill=W, sw=S))
    for dx in (-14, 0, 14):
        e.append(circle(60 + dx, 36, 12, fill=W, sw=S))
    return e


def parte3():   # shirt with sleeves and collar
    return [path("M 40 22 L 80 22 L 110 46 L 98 62 L 86 54 L 86 108 L 34 108 L 34 54 L 22 62 L 10 46 Z",
                 fill=W, sw=S),
            path("M 40 22 L 60 40 L 80 22", fill="none", sw=S),
            path("M 60 40 L 60 108", fill="none", sw=3)]


def parte4():   # waistcoat: no sleeves, deep V neck, pointed front
    return [path("M 38 16 L 60 62 L 82 16 L 96 24 Q 92 40 100 52 L 100 100 L 64 110 L 60 102 L 56 110 "
                 "L 20 100 L 20 52 Q 28 40 24 24 Z", fill=W, sw=S),
            path("M 60 62 L 60 102", fill="none", sw=3)]


def _button(cx, cy, r):
    return [circle(cx, cy, r, fill=W, sw=S),
            circle(cx - r * 0.3, cy - r * 0.3, r * 0.14, fill=INK, sw=0),
            circle(cx + r * 0.3, cy - r * 0.3, r * 0.14, fill=INK, sw=0),
            circle(cx - r * 0.3, cy + r * 0.3, r * 0.14, fill=INK, sw=0),
            circle(cx + r * 0.3, cy + r * 0.3, r * 0.14, fill=INK, sw=0)]


def parte5():   # three big buttons
    return [_button(60, 24, 16), _button(60, 60, 16), _button(60, 96, 16)]


def parte6():   # trousers
    return [path("M 28 14 L 92 14 L 104 108 L 70 108 L 60 50 L 50 108 L 16 108 Z", fill=W, sw=S),
            path("M 28 26 L 92 26", fill="none", sw=3),
            path("M 18 94 L 48 94 M 72 94 L 102 94", fill="none", sw=3)]


def _shoe():
    """One big clown shoe pointing right, heel at x = 0, sole at y = 0."""
    return [path("M 0 0 L 0 -26 Q 0 -36 10 -36 L 20 -36 Q 24 -28 32 -30 Q 54 -34 56 -14 Q 58 0 44 0 Z",
                 fill=W, sw=S),
            path("M 0 -7 L 52 -7", fill="none", sw=3),
            path("M 12 -30 L 22 -22", fill="none", sw=3)]


def parte7():   # a pair of big clown shoes, toes outwards
    return [group(_shoe(), transform="translate(56 88) scale(-0.9 1.3)"),
            group(_shoe(), transform="translate(64 88) scale(0.9 1.3)")]


def parte8():   # bucket with handle
    return [path("M 24 44 Q 60 -6 96 44", fill="none", sw=S),
            path("M 22 44 L 32 106 Q 60 114 88 106 L 98 44 Z", fill=W, sw=S),
            ellipse(60, 44, 38, 10, fill=W, sw=S),
            path("M 28 76 Q 60 86 92 76", fill="none", sw=3)]


ALL = [parte1, parte2, parte3, parte4, parte5, parte6, parte7, parte8]

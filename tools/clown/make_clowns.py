#!/usr/bin/env python3
"""Writes the five clown movies (assets/files/swf/zanfrone0..4.svg) from one drawing.

Every top-level element has an id and is drawn in this order; the player paints
"<part>.interno" / "<part>.contorno" in the colours the exercises choose, hides the
groups "cappello" and "secchio", and lets clicks through the "deco*" layers.
Root attribute z:clic says what a click does: "parti" (part rows) or "tutto" (whole clown).

    python3 tools/clown/make_clowns.py [output folder]
"""
import math
import os
import sys

W, H = 300, 460
SKIN = "#ffd9b8"
INK = "#2b2b2b"

# default colours: the program paints every part, these only make the files pleasant to open
COLOURS = {
    "cappello": "#e53935", "ciuffo": "#fb8c00", "capelli": "#fb8c00", "camicia": "#fdd835",
    "gile": "#43a047", "bottoni": "#e53935", "pantaloni": "#1e88e5", "scarpe": "#8e24aa",
    "secchio": "#00acc1",
}


def f(v):
    return ("%.1f" % v).rstrip("0").rstrip(".")


def scallops(cx, cy, rx, ry, n, bulge, start=0.0, end=2 * math.pi, closed=True):
    """A curly outline: points on an ellipse joined by outward arcs."""
    pts = []
    for i in range(n + (0 if closed else 1)):
        a = start + (end - start) * i / n
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    d = "M%s,%s" % (f(pts[0][0]), f(pts[0][1]))
    seq = pts[1:] + ([pts[0]] if closed else [])
    prev = pts[0]
    for p in seq:
        r = math.dist(prev, p) / 2 * bulge
        d += " A%s,%s 0 0 1 %s,%s" % (f(r), f(r), f(p[0]), f(p[1]))
        prev = p
    return d + (" Z" if closed else "")


def circle_path(cx, cy, r):
    return "M%s,%s a%s,%s 0 1 0 %s,0 a%s,%s 0 1 0 %s,0 Z" % (
        f(cx - r), f(cy), f(r), f(r), f(2 * r), f(r), f(r), f(-2 * r))


def mirror(d_points):
    return [(W - x, y) for x, y in d_points]


def poly(points):
    return "M" + " L".join("%s,%s" % (f(x), f(y)) for x, y in points) + " Z"


# --- the parts -------------------------------------------------------------------------
HAIR = scallops(103, 128, 17, 30, 7, 1.25) + " " + scallops(197, 128, 17, 30, 7, 1.25)

TUFT = ("M114,104 C104,90 100,74 112,60 C112,72 118,78 124,80 C120,66 124,52 138,44 "
        "C134,58 138,70 146,76 C146,66 152,58 162,56 C156,66 156,78 150,90 Z")

HAT = ("M138,90 L196,106 L192,36 Z " + circle_path(192, 32, 11))
HAT_DOTS = [(176, 84, 4.5), (186, 66, 4), (190, 50, 3.5), (160, 88, 4)]

SHIRT_TORSO = "M112,172 C128,162 172,162 188,172 L192,300 L108,300 Z"
SLEEVE_L = poly([(114, 172), (126, 196), (78, 266), (56, 252)])
SLEEVE_R = poly([(186, 172), (174, 196), (228, 158), (226, 130)])
CUFFS = [poly([(56, 252), (78, 266), (74, 273), (51, 259)]),
         poly([(226, 130), (228, 158), (236, 155), (234, 127)])]
COLLAR = ("M150,172 L128,164 L134,186 Z M150,172 L172,164 L166,186 Z")
SHIRT = " ".join([SHIRT_TORSO, SLEEVE_L, SLEEVE_R] + CUFFS + [COLLAR])

VEST_L = [(112, 172), (134, 168), (146, 296), (144, 312), (110, 300), (106, 236)]
VEST = poly(VEST_L) + " " + poly(mirror(VEST_L))
POCKETS = [(116, 262, 20, 4), (164, 262, 20, 4)]

BUTTON_C = [(134, 208), (138, 240), (141, 272), (166, 208), (162, 240), (159, 272)]
BUTTONS = " ".join(circle_path(x, y, 7.5) for x, y in BUTTON_C)

TROUSERS = ("M110,292 L190,292 C214,320 216,372 204,410 L156,410 L150,350 L144,410 L96,410 "
            "C84,372 86,320 110,292 Z")

SHOE_L = "M146,404 L146,436 L52,436 C34,436 32,414 50,408 C72,402 110,400 146,404 Z"
SHOE_R = "M154,404 L154,436 L248,436 C266,436 268,414 250,408 C228,402 190,400 154,404 Z"
SHOES = SHOE_L + " " + SHOE_R

BUCKET = "M26,298 L94,298 L86,362 L34,362 Z"
HANDLE = "M28,298 C28,250 92,250 92,298"

HANDS = (circle_path(64, 268, 12) + " " + "M58,262 C52,254 50,262 56,270 Z " +
         circle_path(237, 120, 13) + " M226,126 C214,126 213,113 226,114 Z")


def face():
    return "\n".join([
        '<g id="viso">',
        '  <circle cx="150" cy="125" r="40" fill="%s" stroke="%s" stroke-width="2.5"/>' % (SKIN, INK),
        '  <ellipse cx="136" cy="116" rx="8" ry="10" fill="#ffffff" stroke="%s" stroke-width="2"/>' % INK,
        '  <ellipse cx="164" cy="116" rx="8" ry="10" fill="#ffffff" stroke="%s" stroke-width="2"/>' % INK,
        '  <circle cx="138" cy="118" r="4" fill="%s"/>' % INK,
        '  <circle cx="162" cy="118" r="4" fill="%s"/>' % INK,
        '  <circle cx="139.5" cy="116.5" r="1.3" fill="#ffffff"/>',
        '  <circle cx="163.5" cy="116.5" r="1.3" fill="#ffffff"/>',
        '  <path d="M128,100 Q136,90 144,98 M156,98 Q164,90 172,100" fill="none" stroke="%s"'
        ' stroke-width="2.5" stroke-linecap="round"/>' % INK,
        '  <circle cx="124" cy="138" r="7" fill="#ff8a80" fill-opacity="0.55"/>',
        '  <circle cx="176" cy="138" r="7" fill="#ff8a80" fill-opacity="0.55"/>',
        '  <path d="M128,142 Q150,168 172,142 Q150,152 128,142 Z" fill="#c62828"'
        ' stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % INK,
        '  <circle cx="150" cy="130" r="9" fill="#e53935" stroke="%s" stroke-width="2"/>' % INK,
        '  <circle cx="147" cy="127" r="2.5" fill="#ffffff" fill-opacity="0.8"/>',
        '</g>'])


def part(name, d, width, extra_fill=""):
    return "\n".join([
        '<path id="%s.interno" d="%s" fill="%s" fill-rule="nonzero"/>' % (name, d, COLOURS[name]),
        extra_fill,
        '<path id="%s.contorno" d="%s" fill="none" stroke="%s" stroke-width="%s"'
        ' stroke-linejoin="round" stroke-linecap="round"/>' % (name, d, INK, width),
    ]).replace("\n\n", "\n")


def deco(name, body):
    return '<g id="deco.%s">%s</g>' % (name, body)


def shade(d, opacity=0.18):
    return '<path d="%s" fill="#000000" fill-opacity="%s"/>' % (d, opacity)


def lines(d, opacity=0.35, width=2):
    return ('<path d="%s" fill="none" stroke="#000000" stroke-opacity="%s" stroke-width="%s"'
            ' stroke-linecap="round"/>' % (d, opacity, width))


def clown(outline_width):
    w = outline_width
    hat_dots = "".join('<circle cx="%s" cy="%s" r="%s" fill="#ffffff" fill-opacity="0.75"/>' % p
                       for p in HAT_DOTS)
    holes = "".join('<circle cx="%s" cy="%s" r="1.4" fill="#000000" fill-opacity="0.45"/>'
                    % (f(x + dx), f(y + dy)) for x, y in BUTTON_C for dx, dy in
                    ((-2.2, -2.2), (2.2, -2.2), (-2.2, 2.2), (2.2, 2.2)))
    pockets = "".join(lines("M%s,%s l%s,%s" % (x, y, dx, dy), 0.4, 2.5) for x, y, dx, dy in POCKETS)
    return "\n".join([
        part("capelli", HAIR, w),
        face(),
        part("ciuffo", TUFT, w),
        '<g id="cappello">',
        part("cappello", HAT, w, deco("cappello", hat_dots + shade("M138,90 L196,106 L195,96 L144,82 Z", 0.25))),
        '</g>',
        part("scarpe", SHOES, w, deco("scarpe", '<path d="M60,414 Q80,408 100,410 M240,414 Q220,408 200,410"'
                                   ' fill="none" stroke="#ffffff" stroke-opacity="0.6" stroke-width="4"'
                                   ' stroke-linecap="round"/>')),
        part("camicia", SHIRT, w, deco("camicia", lines("M96,230 L104,224 M214,150 L206,156", 0.3)
                                        + shade(" ".join(CUFFS), 0.15))),
        part("pantaloni", TROUSERS, w, deco("pantaloni",
             shade("M110,292 L190,292 L193,302 L107,302 Z", 0.2)
             + lines("M150,304 L150,350 M118,340 Q122,370 116,400 M182,340 Q178,370 184,400", 0.3)
             + '<rect x="164" y="360" width="22" height="20" rx="2" fill="#000000" fill-opacity="0.12"'
               ' stroke="#ffffff" stroke-opacity="0.7" stroke-width="1.5" stroke-dasharray="3,3"/>')),
        part("gile", VEST, w, deco("gile", pockets)),
        part("bottoni", BUTTONS, max(2, w - 1), deco("bottoni", holes)),
        '<g id="secchio">',
        part("secchio", BUCKET, w, deco("secchio",
             '<ellipse cx="60" cy="298" rx="34" ry="6" fill="#000000" fill-opacity="0.3"/>'
             + lines("M36,318 L84,318", 0.2, 3))).replace(
            'd="%s" fill="none"' % BUCKET, 'd="%s %s" fill="none"' % (BUCKET, HANDLE)),
        '</g>',
        '<path id="mani" d="%s" fill="%s" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>'
        % (HANDS, SKIN, INK),
    ])


def document(body, click=None, title=""):
    attr = ' z:clic="%s"' % click if click else ""
    return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:z=\"urn:zanfroni\"%s"
            " width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n"
            "<title>%s</title>\n%s\n</svg>\n" % (attr, W, H, W, H, title, body))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "files", "swf")
    os.makedirs(out, exist_ok=True)
    movies = {
        "zanfrone0": document("", title="posto vuoto"),
        "zanfrone1": document(clown(3), title="zanfrone"),
        "zanfrone2": document(clown(3), "parti", "zanfrone a parti cliccabili"),
        "zanfrone3": document(clown(6), title="zanfrone con contorni"),
        "zanfrone4": document(clown(3), "tutto", "zanfrone cliccabile"),
    }
    for name, text in movies.items():
        with open(os.path.join(out, name + ".svg"), "w", encoding="utf-8") as fh:
            fh.write(text)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the reward movies (animazioni/1..4.svg) and the two guide movies (conf/zanfroni.svg,
conf/menu.svg) as animated SVG: only animateTransform and animateColor, which Qt's renderer plays.

    python3 tools/clown/make_movies.py [assets/files folder]
"""
import math
import os
import sys

import make_clowns as mc

FONT = "Comic Neue"
RAINBOW = ["#e53935", "#fb8c00", "#fdd835", "#43a047", "#1e88e5", "#8e24aa"]


def svg(w, h, body, bg):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '<rect x="0" y="0" width="%d" height="%d" fill="%s"/>\n%s\n</svg>\n'
            % (w, h, w, h, w, h, bg, body))


def text(x, y, size, s, fill="#333333", weight="bold", stroke=None):
    st = ' stroke="%s" stroke-width="%s"' % stroke if stroke else ""
    return ('<text x="%s" y="%s" font-family="%s" font-size="%s" font-weight="%s" fill="%s"%s'
            ' text-anchor="middle">%s</text>' % (x, y, FONT, size, weight, fill, st, s))


def anim(kind, values, dur, repeat="indefinite", begin="0s"):
    return ('<animateTransform attributeName="transform" type="%s" values="%s" dur="%ss" begin="%s"'
            ' repeatCount="%s" fill="freeze"/>' % (kind, ";".join(values), dur, begin, repeat))


def colours(values, dur, attr="fill"):
    return ('<animateColor attributeName="%s" values="%s" dur="%ss" repeatCount="indefinite"/>'
            % (attr, ";".join(values), dur))


def about(cx, cy, inner_anim, content):
    """Scales or rotates content about (cx, cy)."""
    return ('<g transform="translate(%s,%s)"><g>%s<g transform="translate(%s,%s)">%s</g></g></g>'
            % (cx, cy, inner_anim, -cx, -cy, content))


def star(cx, cy, r, fill, inner=""):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append("%.1f,%.1f" % (cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return ('<polygon points="%s" fill="%s" stroke="#8d6e00" stroke-width="2" stroke-linejoin="round">%s</polygon>'
            % (" ".join(pts), fill, inner))


def pop_in(cx, cy, content, dur=4):
    # grows with a small bounce, stays, then gently pulses
    return about(cx, cy, anim("scale", ["0.1", "1.25", "0.95", "1.05", "1", "1", "1", "1.08", "1"], dur), content)


# --- rewards (300 x 460, the place of the clown) --------------------------------------------
def reward_stars():
    body = []
    spots = [(60, 80, 26), (240, 90, 22), (50, 300, 20), (250, 320, 28), (150, 400, 24), (80, 190, 16),
             (225, 205, 18)]
    for i, (x, y, r) in enumerate(spots):
        twinkle = colours(["#fdd835", "#ffb300", "#fff59d", "#fdd835"], 1.5)
        spin = about(x, y, anim("rotate", ["0", "360"], 3 + i % 3), star(x, y, r, "#fdd835", twinkle))
        body.append(about(x, y, anim("scale", ["0", "1.2", "1", "1.15", "1"], 2, begin="%.1fs" % (i * 0.2)), spin))
    body.append(pop_in(150, 230, star(150, 210, 90, "#ffca28")))
    body.append(pop_in(150, 250, text(150, 260, 52, "Bravo!", "#e53935", stroke=("#ffffff", 3))))
    return svg(300, 460, "\n".join(body), "#e3f2fd")


def balloon(x, colour, delay, dur):
    shape = ('<path d="M%s,470 q-6,30 4,60" fill="none" stroke="#666666" stroke-width="1.5"/>'
             '<ellipse cx="%s" cy="440" rx="26" ry="32" fill="%s" stroke="#333333" stroke-width="2"/>'
             '<path d="M%s,470 l-6,8 l12,0 Z" fill="%s" stroke="#333333" stroke-width="1.5"/>'
             '<ellipse cx="%s" cy="428" rx="7" ry="10" fill="#ffffff" fill-opacity="0.5"/>'
             % (x, x, colour, x, colour, x - 9))
    sway = anim("translate", ["0,0", "8,0", "0,0", "-8,0", "0,0"], 2)
    rise = anim("translate", ["0,0", "0,-560"], dur, begin="%ss" % delay)
    return '<g>%s<g>%s%s</g></g>' % (rise, sway, shape)


def reward_balloons():
    body = [balloon(40 + i * 45, RAINBOW[i], 0.3 * (i % 3), 3.5 + 0.3 * (i % 2)) for i in range(6)]
    body += [balloon(60 + i * 60, RAINBOW[(i + 3) % 6], 1.2 + 0.3 * i, 3.2) for i in range(4)]
    body.append(pop_in(150, 200, text(150, 215, 40, "Bravissimo!", "#1565c0", stroke=("#ffffff", 3))))
    return svg(300, 460, "\n".join(body), "#fffde7")


def reward_juggler():
    clown = '<g transform="translate(48,145) scale(0.68)">%s</g>' % mc.clown(3)
    balls = "".join('<circle cx="%.1f" cy="%.1f" r="12" fill="%s" stroke="#333333" stroke-width="2"/>'
                    % (150 + 42 * math.cos(a), 100 + 42 * math.sin(a), c)
                    for a, c in zip([0, 2.09, 4.19, 1.05, 3.14, 5.24],
                                    ["#e53935", "#fdd835", "#1e88e5", "#43a047", "#fb8c00", "#8e24aa"]))
    body = [clown, about(150, 100, anim("rotate", ["0", "360"], 2), balls),
            pop_in(150, 30, text(150, 44, 38, "Che bravo!", "#6a1b9a", stroke=("#ffffff", 2)))]
    bounce = anim("translate", ["0,0", "0,-10", "0,0"], 1)
    return svg(300, 460, '<g>%s%s</g>' % (bounce, "\n".join(body)), "#f3e5f5")


def reward_confetti():
    body = []
    for i in range(36):
        x = (i * 37) % 300
        c = RAINBOW[i % 6]
        piece = '<rect x="%s" y="-20" width="10" height="6" rx="1" fill="%s"/>' % (x, c)
        turn = about(x + 5, -17, anim("rotate", ["0", "360"], 0.8 + (i % 4) * 0.3), piece)
        fall = anim("translate", ["0,0", "%d,500" % ((i % 5 - 2) * 12)], 2.5 + (i % 3) * 0.6,
                    begin="%.1fs" % ((i * 0.13) % 1.6))
        body.append('<g>%s%s</g>' % (fall, turn))
    body.append(pop_in(150, 220, text(150, 235, 50, "Evviva!", "#2e7d32", stroke=("#ffffff", 3))))
    body.append(pop_in(150, 290, text(150, 300, 28, "Ottimo lavoro!", "#ef6c00")))
    return svg(300, 460, "\n".join(body), "#fff8e1")


# --- guides (800 x 600): pages that slide in, stay, and slide out --------------------------
PAGE = 5  # seconds per page


def pages(page_bodies, title):
    n = len(page_bodies)
    steps = n * PAGE * 2  # half-second steps over the whole guide
    out = [text(400, 50, 34, title, "#37474f")]
    for k, body in enumerate(page_bodies):
        vals = []
        for s in range(steps + 1):
            t = s / 2.0
            if t <= k * PAGE:
                vals.append("0,0")
            elif t < (k + 1) * PAGE:
                vals.append("-800,0")
            else:
                vals.append("-1600,0")
        if k == 0:  # the first page is there from the start
            vals = ["-800,0" if v == "0,0" else v for v in vals]
            vals[-1] = "-800,0"
        out.append('<g transform="translate(800,0)"><g>%s%s</g></g>'
                   % (anim("translate", vals, n * PAGE), body))
        dot = '<circle cx="%d" cy="580" r="7" fill="#b0bec5"/>' % (400 - (n - 1) * 12 + 24 * k)
        out.append(dot)
    # the current page's dot
    marker = ["%d,0" % (24 * k) for k in range(n) for _ in range(2 * PAGE)] + ["0,0"]
    out.append('<g>%s<circle cx="%d" cy="580" r="7" fill="#ff7043"/></g>'
               % (anim("translate", marker, n * PAGE), 400 - (n - 1) * 12))
    return "\n".join(out)


def card(heading, lines, drawing):
    caption = "".join(text(400, 470 + 34 * i, 26, l, "#263238", "normal") for i, l in enumerate(lines))
    return ('<rect x="40" y="80" width="720" height="470" rx="24" fill="#ffffff" stroke="#90a4ae" stroke-width="3"/>'
            + text(400, 130, 40, heading, "#d84315") + drawing + caption)


def mini_clown(x, y, s, shirt_anim=""):
    drawing = mc.clown(3)
    if shirt_anim:
        drawing = drawing.replace('id="camicia.interno" d="%s" fill="%s" fill-rule="nonzero"/>'
                                  % (mc.SHIRT, mc.COLOURS["camicia"]),
                                  'id="camicia.interno" d="%s" fill="%s" fill-rule="nonzero">%s</path>'
                                  % (mc.SHIRT, mc.COLOURS["camicia"], shirt_anim))
    return '<g transform="translate(%s,%s) scale(%s)">%s</g>' % (x, y, s, drawing)


def face(x, y, colour):
    return ('<circle cx="%d" cy="%d" r="34" fill="#ffd9b8" stroke="#333" stroke-width="3"/>'
            '<circle cx="%d" cy="%d" r="4" fill="#333"/><circle cx="%d" cy="%d" r="4" fill="#333"/>'
            '<path d="M%d,%d q14,14 28,0" fill="none" stroke="#333" stroke-width="3"/>'
            '<path d="M%d,%d q34,-40 68,0" fill="%s"/>'
            % (x, y, x - 12, y - 6, x + 12, y - 6, x - 14, y + 10, x - 34, y - 12, colour))


def button(x, y, w, h, label, fill="#4fc3f7", extra=""):
    return ('<rect x="%d" y="%d" width="%d" height="%d" rx="12" fill="%s" stroke="#37474f" stroke-width="3">%s</rect>'
            % (x, y, w, h, fill, extra) + text(x + w / 2, y + h / 2 + 10, 28, label, "#263238"))


def guide_settings():
    players = (face(270, 270, "#8d6e63") + face(370, 270, "#fdd835") + face(470, 270, "#e53935")
               + about(570, 270, anim("scale", ["1", "1.2", "1"], 1),
                       '<circle cx="570" cy="270" r="30" fill="#66bb6a"/>' + text(570, 284, 44, "+", "#ffffff")))
    palette = "".join('<rect x="%d" y="%d" width="26" height="26" fill="%s" stroke="#fff"/>'
                      % (140 + 28 * (i % 6), 190 + 28 * (i // 6), c)
                      for i, c in enumerate(RAINBOW * 6))
    colours_page = palette + mini_clown(480, 160, 0.55, colours(RAINBOW + [RAINBOW[0]], 6))
    stairs = "".join('<rect x="%d" y="%d" width="90" height="%d" fill="%s" stroke="#37474f" stroke-width="2"/>'
                     % (230 + 90 * i, 380 - 50 * i, 50 * (i + 1), RAINBOW[i + 1]) +
                     text(275 + 90 * i, 370 - 50 * i, 28, str(i + 1), "#ffffff") for i in range(4))
    climber = ('<g>%s%s</g>' % (anim("translate", ["0,0", "90,-50", "180,-100", "270,-150", "270,-150"], 4),
                                star(275, 310, 24, "#fdd835")))
    letters = (about(320, 300, anim("scale", ["0.6", "1.3", "0.6"], 3), text(320, 330, 90, "Aa", "#1e88e5"))
               + '<rect x="450" y="220" width="220" height="70" rx="12" fill="#ffcc80" stroke="#37474f"'
               ' stroke-width="3">%s</rect>' % colours(["#ffcc80", "#80deea", "#ce93d8", "#ffcc80"], 3)
               + text(560, 267, 30, "Pulsante", "#263238"))
    waves = "".join(about(330, 290, anim("scale", ["0.6", "1.2", "0.6"], 1.2, begin="%.1fs" % (0.3 * i)),
                          '<path d="M%d,%d q%d,%d 0,%d" fill="none" stroke="#1e88e5" stroke-width="6"'
                          ' stroke-linecap="round"/>' % (330 + 30 * i, 250 - 15 * i, 25 + 10 * i, 40 + 15 * i,
                                                          80 + 30 * i)) for i in range(3))
    speaker = ('<path d="M220,260 L260,260 L300,220 L300,360 L260,320 L220,320 Z" fill="#78909c"'
               ' stroke="#37474f" stroke-width="3"/>' + waves
               + '<path d="M480,200 h200 a20,20 0 0 1 20,20 v70 a20,20 0 0 1 -20,20 h-140 l-30,30 l5,-30'
                 ' h-35 a20,20 0 0 1 -20,-20 v-70 a20,20 0 0 1 20,-20 Z" fill="#fff9c4" stroke="#37474f"'
                 ' stroke-width="3"/>' + text(580, 265, 28, "Ciao!", "#263238"))
    devices = (button(150, 230, 140, 120, "mouse", "#e1f5fe") + button(330, 230, 140, 120, "tasti", "#e1f5fe")
               + button(510, 230, 140, 120, "sensore", "#e1f5fe")
               + '<g>%s<rect x="140" y="220" width="160" height="140" rx="16" fill="none" stroke="#ff7043"'
                 ' stroke-width="8"/></g>' % anim("translate", ["0,0", "0,0", "180,0", "180,0", "360,0",
                                                              "360,0", "0,0"], 3))
    bodies = [
        card("Giocatori", ["Scegli chi gioca oppure aggiungi", "un nuovo giocatore con le sue impostazioni."], players),
        card("Colori zanfroni", ["Scegli lo sfondo e i quattro colori del gioco;",
                                 "per ogni colore scrivi come si dice: rosso, rossi, rossa, rosse."], colours_page),
        card("Scelte didattiche", ["Scegli MAIUSCOLO, minuscolo o corsivo e se il livello", "cambia da solo secondo le risposte."],
             stairs + climber),
        card("Font e colori", ["Scegli il carattere, la sua grandezza", "e i colori di pulsanti e scritte."], letters),
        card("Suoni e voce", ["Accendi o spegni suoni e voce;", "scegli l'aiutante, la sua voce, velocità e tono."],
             speaker),
        card("Modalità di input", ["Mouse, tastiera, uno o due sensori: con la scansione", "l'evidenziazione si sposta da una scelta all'altra."],
             devices),
    ]
    return svg(800, 600, pages(bodies, "Come funzionano le impostazioni"), "#e8f5e9")


def guide_menu():
    def grid(extra_fill="", label_upper=True):
        out = []
        for i in range(6):
            x, y = 150 + 170 * (i % 3), 190 + 100 * (i // 3)
            label = "GIOCA" if label_upper else "gioca"
            out.append(button(x, y, 150, 70, label, "#4fc3f7", extra_fill))
        return "".join(out)

    recolour = colours(["#4fc3f7", "#aed581", "#ffb74d", "#f48fb1", "#4fc3f7"], 4)
    # the two words take turns in one place, turning over like a card
    def turn(shown):
        values = ["1,1" if shown(i) else "0,1" for i in range(17)]  # quarter seconds
        return anim("scale", values, 4)
    case_swap = (about(400, 280, turn(lambda i: i < 7 or i == 16), button(250, 220, 300, 120, "MAIUSCOLE", "#fff59d"))
                 + about(400, 280, turn(lambda i: 8 <= i <= 14), button(250, 220, 300, 120, "minuscole", "#c5e1a5")))
    size = about(400, 280, anim("scale", ["0.5", "1.4", "0.5"], 3), text(400, 300, 60, "Esercizi", "#1565c0"))
    highlight = ('<g>%s<rect x="142" y="182" width="166" height="86" rx="16" fill="none" stroke="#ff7043"'
                 ' stroke-width="8"/></g>' % anim("translate", ["0,0", "0,0", "170,0", "170,0", "340,0", "340,0",
                                                                 "0,100", "0,100", "170,100", "170,100", "340,100",
                                                                 "340,100", "0,0"], 5))
    bodies = [
        card("I colori del menu", ["I colori dei pulsanti e dello sfondo", "si scelgono nelle impostazioni."],
             grid(recolour)),
        card("Maiuscole o minuscole", ["Le scritte possono essere tutte MAIUSCOLE", "oppure minuscole."], case_swap),
        card("Carattere e grandezza", ["Il carattere viene dalle impostazioni;", "la grandezza si adatta da sola ai pulsanti."], size),
        card("La scansione", ["Con i sensori o la tastiera un riquadro colorato", "indica il pulsante che si può scegliere."],
             grid() + highlight),
    ]
    return svg(800, 600, pages(bodies, "Il menu principale"), "#e3f2fd")


def main():
    base = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "files")
    files = {
        "animazioni/1.svg": reward_stars(), "animazioni/2.svg": reward_balloons(),
        "animazioni/3.svg": reward_juggler(), "animazioni/4.svg": reward_confetti(),
        "conf/zanfroni.svg": guide_settings(), "conf/menu.svg": guide_menu(),
    }
    for name, content in files.items():
        path = os.path.join(base, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as fh:
            fh.write(content)


if __name__ == "__main__":
    main()

"""The clown as our pictures draw it: a face for icons and a whole figure in outline for colouring."""
import math

from svg import (INK, RED, ORANGE, BLUE, YELLOW, SKIN, WHITE, circle, ellipse, rect, path, poly, line,
                 group)


def face(cx, cy, r, hat=True, hat_fill=BLUE, hair=ORANGE, sw=None, smile=True):
    """A friendly clown face of radius r; hat=False draws the tuft instead of the hat."""
    sw = sw or max(1.5, r * 0.07)
    e = []
    for side in (-1, 1):   # side hair: three curls each side
        for dx, dy in ((0.92, -0.25), (1.05, 0.12), (0.9, 0.45)):
            e.append(circle(cx + side * dx * r, cy + dy * r, r * 0.3, fill=hair, sw=sw))
    if not hat:            # the tuft on top
        for dx in (-0.3, 0, 0.3):
            e.append(circle(cx + dx * r, cy - 0.92 * r, r * 0.26, fill=hair, sw=sw))
    e.append(circle(cx, cy, r, fill=SKIN, sw=sw))
    for side in (-1, 1):   # cheeks, eyes, eyebrows
        e.append(circle(cx + side * 0.55 * r, cy + 0.28 * r, r * 0.16, fill="#FF8A80", sw=0, fill_opacity=0.7))
        e.append(ellipse(cx + side * 0.34 * r, cy - 0.2 * r, r * 0.11, r * 0.16, fill=INK, sw=0))
        e.append(circle(cx + side * 0.34 * r + r * 0.04, cy - 0.26 * r, r * 0.045, fill=WHITE, sw=0))
        e.append(path("M %.1f %.1f Q %.1f %.1f %.1f %.1f" % (cx + side * 0.18 * r, cy - 0.45 * r,
                                                         cx + side * 0.34 * r, cy - 0.6 * r,
                                                         cx + side * 0.5 * r, cy - 0.45 * r),
                      fill="none", sw=sw * 0.8))
    if smile:
        e.append(path("M %.1f %.1f Q %.1f %.1f %.1f %.1f Z" % (cx - 0.5 * r, cy + 0.32 * r, cx, cy + 1.05 * r,
                                                           cx + 0.5 * r, cy + 0.32 * r),
                      fill="#C62828", sw=sw))
        e.append(path("M %.1f %.1f Q %.1f %.1f %.1f %.1f Z" % (cx - 0.22 * r, cy + 0.6 * r, cx, cy + 0.82 * r,
                                                           cx + 0.22 * r, cy + 0.6 * r),
                      fill="#FF8A80", sw=0))
    else:
        e.append(path("M %.1f %.1f Q %.1f %.1f %.1f %.1f" % (cx - 0.35 * r, cy + 0.55 * r, cx, cy + 0.4 * r,
                                                         cx + 0.35 * r, cy + 0.55 * r), fill="none", sw=sw))
    e.append(circle(cx, cy + 0.1 * r, r * 0.22, fill=RED, sw=sw))   # the red nose
    e.append(circle(cx - 0.07 * r, cy + 0.03 * r, r * 0.06, fill=WHITE, sw=0))
    if hat:                # a cone hat with a pompom, a little tilted
        e.append(group([
            poly([(cx - 0.55 * r, cy - 0.72 * r), (cx + 0.55 * r, cy - 0.72 * r), (cx, cy - 1.85 * r)],
                 fill=hat_fill, sw=sw),
            circle(cx - 0.18 * r, cy - 0.95 * r, r * 0.09, fill=YELLOW, sw=0),
            circle(cx + 0.16 * r, cy - 1.2 * r, r * 0.08, fill=YELLOW, sw=0),
            circle(cx - 0.02 * r, cy - 1.48 * r, r * 0.07, fill=YELLOW, sw=0),
            circle(cx, cy - 1.88 * r, r * 0.17, fill=YELLOW, sw=sw),
        ], transform="rotate(12 %.1f %.1f)" % (cx, cy)))
    return e


# ---- the whole figure, black lines on white, for the colouring page --------------------------------
W = "#FFFFFF"
S = 4   # line width of the colouring drawings


def _arm(sx, sy, angle, length=105):
    """Puffy sleeve and glove from the shoulder (sx, sy), angle 0 = hanging down, positive = towards the left."""
    sleeve = path("M %d %d q -30 10 -24 %d l 8 6 q 16 8 32 0 l 8 -6 q 6 %d -24 %d z"
                  % (sx, sy - 4, length - 24, -(length - 24), -(length - 28)), fill=W, sw=S)
    cuff = rect(sx - 17, sy + length - 20, 34, 12, fill=W, sw=S, r=5)
    glove = circle(sx, sy + length + 6, 18, fill=W, sw=S)
    thumb = ellipse(sx + 15, sy + length - 2, 7, 11, fill=W, sw=S)
    return group([sleeve, thumb, glove, cuff], transform="rotate(%d %d %d)" % (angle, sx, sy))


def _leg(hx, hy, angle, side):
    """Trouser leg and big shoe from the hip (hx, hy)."""
    leg = path("M %d %d l -48 0 l -10 140 l 68 0 z" % (hx + 24, hy), fill=W, sw=S)
    hem = path("M %d %d l 66 0" % (hx - 33, hy + 124), fill="none", sw=S)
    toe = hx + side * 30
    shoe = ellipse(toe, hy + 158, 48, 22, fill=W, sw=S)
    lace = path("M %d %d q 10 -8 20 0" % (hx - 10, hy + 146), fill="none", sw=S - 1)
    return group([leg, hem, shoe, lace], transform="rotate(%d %d %d)" % (angle, hx, hy))


def bucket(x, y, s=1.0, handle=True):
    """A bucket whose rim centre is at (x, y)."""
    e = []
    if handle:
        e.append(path("M %.1f %.1f Q %.1f %.1f %.1f %.1f" % (x - 34 * s, y, x, y - 50 * s, x + 34 * s, y),
                      fill="none", sw=S))
    e.append(path("M %.1f %.1f L %.1f %.1f Q %.1f %.1f %.1f %.1f L %.1f %.1f Z" % (
        x - 36 * s, y, x - 28 * s, y + 62 * s, x, y + 70 * s, x + 28 * s, y + 62 * s, x + 36 * s, y), fill=W, sw=S))
    e.append(ellipse(x, y, 36 * s, 9 * s, fill=W, sw=S))
    e.append(path("M %.1f %.1f Q %.1f %.1f %.1f %.1f" % (x - 31 * s, y + 30 * s, x, y + 40 * s, x + 31 * s, y + 30 * s),
                  fill="none", sw=S - 1))
    return e


def figure(arm_left=8, arm_right=-8, leg_left=0, leg_right=0, hat=True, tilt=0, bucket_at=None, jump=0):
    """A standing clown in a 386 x 690 box; angles in degrees, bucket_at = (x, y) of the rim or None."""
    cx, top = 193, 40 - jump
    head_y, head_r = top + 140, 62
    body_top, body_bot = head_y + 58, head_y + 230
    e = []
    e.append(_leg(cx - 32, body_bot - 10, leg_left, -1))
    e.append(_leg(cx + 32, body_bot - 10, leg_right, 1))
    # trousers' waist band over the legs
    e.append(path("M %d %d l 128 0 l 6 40 l -140 0 z" % (cx - 64, body_bot - 22), fill=W, sw=S))
    e.append(_arm(cx - 62, body_top + 18, arm_left))
    e.append(_arm(cx + 62, body_top + 18, arm_right))
    # shirt
    e.append(path("M %d %d q 0 -22 30 -24 l 64 0 q 30 2 30 24 l 4 150 l -132 0 z" % (cx - 62, body_top + 20),
                  fill=W, sw=S))
    # waistcoat: two front panels leaving the middle open
    e.append(path("M %d %d q -4 -18 22 -22 l 20 0 l 6 90 l -10 76 l -40 0 z" % (cx - 58, body_top + 22),
                  fill=W, sw=S))
    e.append(path("M %d %d q 4 -18 -22 -22 l -20 0 l -6 90 l 10 76 l 40 0 z" % (cx + 58, body_top + 22),
                  fill=W, sw=S))
    for i in range(3):   # buttons down the middle
        e.append(circle(cx, body_top + 48 + 40 * i, 10, fill=W, sw=S))
    # ruffled collar all round the neck
    pts = []
    for i in range(24):
        ang = 2 * math.pi * i / 24
        k = 1.0 if i % 2 == 0 else 0.72
        pts.append((cx + 76 * k * math.cos(ang), body_top + 10 + 34 * k * math.sin(ang)))
    e.append(poly(pts, fill=W, sw=S))
    # head
    e.append(group(_head(cx, head_y, head_r, hat), transform="rotate(%d %d %d)" % (tilt, cx, head_y)))
    if bucket_at:
        e.append(bucket(*bucket_at))
    return group(e, transform="translate(193 0) scale(1.12) translate(-193 -22)")


def _head(cx, cy, r, hat):
    e = []
    for side in (-1, 1):
        for dx, dy in ((0.9, -0.3), (1.05, 0.1), (0.88, 0.48)):
            e.append(circle(cx + side * dx * r, cy + dy * r, r * 0.3, fill=W, sw=S))
    if not hat:
        for dx in (-0.3, 0, 0.3):
            e.append(circle(cx + dx * r, cy - 0.92 * r, r * 0.27, fill=W, sw=S))
    e.append(circle(cx, cy, r, fill=W, sw=S))
    for side in (-1, 1):
        e.append(ellipse(cx + side * 0.34 * r, cy - 0.2 * r, r * 0.1, r * 0.15, fill=INK, sw=0))
        e.append(path("M %.1f %.1f Q %.1f %.1f %.1f %.1f" % (cx + side * 0.18 * r, cy - 0.45 * r,
                                                         cx + side * 0.34 * r, cy - 0.6 * r,
                                                         cx + side * 0.5 * r, cy - 0.45 * r), fill="none", sw=S - 1))
    e.append(path("M %.1f %.1f Q %.1f %.1f %.1f %.1f Z" % (cx - 0.5 * r, cy + 0.32 * r, cx, cy + 1.0 * r,
                                                       cx + 0.5 * r, cy + 0.32 * r), fill=W, sw=S))
    e.append(circle(cx, cy + 0.1 * r, r * 0.2, fill=W, sw=S))
    if hat:
        e.append(poly([(cx - 0.6 * r, cy - 0.75 * r), (cx + 0.6 * r, cy - 0.75 * r), (cx + 0.1 * r, cy - 1.9 * r)],
                      fill=W, sw=S))
        e.append(circle(cx + 0.1 * r, cy - 1.95 * r, r * 0.18, fill=W, sw=S))
        for dx, dy in ((-0.2, -0.95), (0.18, -1.2), (0.02, -1.5)):
            e.append(circle(cx + dx * r, cy + dy * r, r * 0.08, fill=W, sw=S - 1))
    return e

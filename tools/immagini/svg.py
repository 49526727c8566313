"""Small helpers that write SVG Tiny 1.2 text (attributes only, no CSS) for the program's pictures."""
import re

INK = "#263238"      # outline colour of every drawing
RED = "#E53935"
GREEN = "#43A047"
BLUE = "#1E88E5"
YELLOW = "#FDD835"
ORANGE = "#FB8C00"
PURPLE = "#8E24AA"
SKIN = "#FFE6CC"
WHITE = "#FFFFFF"
FONT = "Comic Neue"


def _num(v):
    if isinstance(v, float):
        v = round(v, 2)
        if v == int(v):
            v = int(v)
    return str(v)


def tag(name, body=None, **attr):
    """One element; attribute names use '_' for '-' (stroke_width -> stroke-width)."""
    parts = []
    for k, v in attr.items():
        if v is None:
            continue
        k = k.rstrip("_").replace("_", "-")
        parts.append('%s="%s"' % (k, _num(v)))
    head = "<%s %s" % (name, " ".join(parts)) if parts else "<" + name
    if body is None:
        return head + "/>"
    if isinstance(body, (list, tuple)):
        body = "\n".join(body)
    return "%s>%s</%s>" % (head, body, name)


def documento(width, height, elements, title):
    head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="%s" height="%s" viewBox="0 0 %s %s">\n' % (_num(width), _num(height), _num(width), _num(height)))
    return head + "<title>%s</title>\n" % title + "\n".join(flatten(elements)) + "\n</svg>\n"


def flatten(items):
    out = []
    for i in items:
        if isinstance(i, (list, tuple)):
            out.extend(flatten(i))
        elif i:
            out.append(i)
    return out


def group(items, **attr):
    return tag("g", flatten(items), **attr)


def circle(cx, cy, r, fill=WHITE, stroke=INK, sw=3, **kw):
    return tag("circle", cx=cx, cy=cy, r=r, fill=fill, stroke=stroke if sw else "none",
               stroke_width=sw if sw else None, **kw)


def ellipse(cx, cy, rx, ry, fill=WHITE, stroke=INK, sw=3, **kw):
    return tag("ellipse", cx=cx, cy=cy, rx=rx, ry=ry, fill=fill, stroke=stroke if sw else "none",
               stroke_width=sw if sw else None, **kw)


def rect(x, y, w, h, fill=WHITE, stroke=INK, sw=3, r=0, **kw):
    return tag("rect", x=x, y=y, width=w, height=h, rx=r or None, ry=r or None, fill=fill,
               stroke=stroke if sw else "none", stroke_width=sw if sw else None, **kw)


def path(d, fill=WHITE, stroke=INK, sw=3, **kw):
    return tag("path", d=d, fill=fill, stroke=stroke if sw else "none", stroke_width=sw if sw else None,
               stroke_linejoin="round", stroke_linecap="round", **kw)


def poly(points, fill=WHITE, stroke=INK, sw=3, **kw):
    pts = " ".join("%s,%s" % (_num(float(x)), _num(float(y))) for x, y in points)
    return tag("polygon", points=pts, fill=fill, stroke=stroke if sw else "none",
               stroke_width=sw if sw else None, stroke_linejoin="round", **kw)


def line(x1, y1, x2, y2, stroke=INK, sw=3):
    return tag("line", x1=x1, y1=y1, x2=x2, y2=y2, stroke=stroke, stroke_width=sw, stroke_linecap="round")


def text(x, y, s, size, fill=INK, anchor="middle", weight="bold", stroke=None, sw=None, family=FONT):
    return tag("text", s, x=x, y=y, font_family=family, font_size=size, font_weight=weight,
               text_anchor=anchor, fill=fill, stroke=stroke, stroke_width=sw)


def tick(cx, cy, s, fill=GREEN):
    """A fat tick mark centred on (cx, cy), s = its width."""
    k = s / 100.0
    pts = [(-48, 2), (-30, -16), (-12, 4), (32, -44), (50, -26), (-12, 42)]
    return poly([(cx + x * k, cy + y * k) for x, y in pts], fill=fill, sw=max(2, 4 * k))


def cross(cx, cy, s, fill=RED):
    """A fat cross centred on (cx, cy), s = its width."""
    k = s / 100.0
    a, b = 16, 46
    pts = [(-b, -b + a), (-b + a, -b), (0, -a), (b - a, -b), (b, -b + a), (a, 0),
           (b, b - a), (b - a, b), (0, a), (-b + a, b), (-b, b - a), (-a, 0)]
    return poly([(cx + x * k, cy + y * k) for x, y in pts], fill=fill, sw=max(2, 4 * k))


def arrow_right(x, y, w, h, fill=GREEN, sw=4):
    """A fat arrow pointing right filling the box (x, y, w, h)."""
    head = min(w * 0.45, h * 0.9)
    t = h * 0.22
    cy = y + h / 2
    pts = [(x, cy - t), (x + w - head, cy - t), (x + w - head, y), (x + w, cy),
           (x + w - head, y + h), (x + w - head, cy + t), (x, cy + t)]
    return poly(pts, fill=fill, sw=sw)


_SHAPE = re.compile(r'<(circle|ellipse|rect|path|polygon|line|text)\b([^>]*?)(/?)>')
_ATTR = re.compile(r'\s([a-z-]+)="([^"]*)"')


def _rim(element, width):
    """The element in white, its outline widened by `width` on each side: the sticker's rim."""
    def shape(m):
        attrs = dict(_ATTR.findall(" " + m.group(2)))
        for k in ("fill-opacity", "stroke-opacity", "id"):
            attrs.pop(k, None)
        if attrs.get("fill", "") != "none":
            attrs["fill"] = WHITE
        drawn = attrs.get("stroke", "none") != "none"
        attrs["stroke-width"] = _num(float(attrs.get("stroke-width", 0)) * drawn + 2 * width)
        attrs["stroke"] = WHITE
        attrs["stroke-linejoin"] = "round"
        return "<%s %s%s>" % (m.group(1), " ".join('%s="%s"' % kv for kv in attrs.items()), m.group(3))
    return _SHAPE.sub(shape, element)


def adesivo(width, height, elements, rim=3.5):
    """The picture as a sticker: a white rim round every shape, so that it reads on any button colour
    (the highlight may be the colour of the picture itself). The picture shrinks about its centre
    to keep the rim inside its box."""
    flat = flatten(elements)
    s = 1 - 2 * (rim + 1) / min(width, height)
    return width, height, [group([_rim(e, rim) for e in flat] + flat,
                                 transform="translate(%s %s) scale(%s) translate(%s %s)"
                                 % (_num(width / 2), _num(height / 2), '%.4f' % s,
                                    _num(-width / 2), _num(-height / 2)))]

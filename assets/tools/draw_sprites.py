#!/usr/bin/env python3
"""Draws the game's pictures as SVG files into assets/sprites/.

Run it after changing a drawing:  python3 assets/tools/draw_sprites.py
The output is deterministic (fixed random seeds), so re-running it without
changes leaves the files as they are.

Everything is kept to what Qt's SVG renderer understands (SVG Tiny 1.2):
plain shapes, paths, <use>, linear and radial gradients, opacity attributes.
No filters, masks, patterns or CSS.
"""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(HERE), "sprites")

INK = "#1c1a1f"  # outline colour of every object

FIELD_RED = "rgb(237,28,36)"
FIELD_AMBER = "rgb(255,194,14)"
FIELD_BLUE = "rgb(0,0,255)"


def n(v):
    """Short number for an attribute."""
    if isinstance(v, int):
        return str(v)
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join(f"{n(x)},{n(y)}" for x, y in points)


class Svg:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.defs = []
        self.body = []
        self._ids = set()

    def grad(self, gid, stops, x1=0, y1=0, x2=0, y2=1):
        """Linear gradient in the shape's own box; stops: [(offset, colour[, opacity])]."""
        if gid in self._ids:
            return f"url(#{gid})"
        self._ids.add(gid)
        s = "".join(
            f'<stop offset="{n(o)}" stop-color="{c}"'
            + (f' stop-opacity="{n(rest[0])}"' if rest else "")
            + "/>"
            for o, c, *rest in stops
        )
        self.defs.append(
            f'<linearGradient id="{gid}" x1="{n(x1)}" y1="{n(y1)}" x2="{n(x2)}" y2="{n(y2)}">{s}</linearGradient>'
        )
        return f"url(#{gid})"

    def rgrad(self, gid, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None):
        if gid in self._ids:
            return f"url(#{gid})"
        self._ids.add(gid)
        s = "".join(
            f'<stop offset="{n(o)}" stop-color="{c}"'
            + (f' stop-opacity="{n(rest[0])}"' if rest else "")
            + "/>"
            for o, c, *rest in stops
        )
        f = ""
        if fx is not None:
            f = f' fx="{n(fx)}" fy="{n(fy)}"'
        self.defs.append(f'<radialGradient id="{gid}" cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}"{f}>{s}</radialGradient>')
        return f"url(#{gid})"

    def add(self, s):
        self.body.append(s)

    def text(self):
        defs = f"<defs>{''.join(self.defs)}</defs>" if self.defs else ""
        return (
            f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'version="1.2" baseProfile="tiny" width="{self.w}" height="{self.h}" '
            f'viewBox="0 0 {self.w} {self.h}">\n{defs}\n' + "\n".join(self.body) + "\n</svg>\n"
        )


def attrs(fill=None, stroke=INK, sw=None, extra=""):
    a = []
    if fill is not None:
        a.append(f'fill="{fill}"')
    if stroke and sw:
        a.append(f'stroke="{stroke}" stroke-width="{n(sw)}" stroke-linejoin="round" stroke-linecap="round"')
    if extra:
        a.append(extra)
    return " ".join(a)


def rect(x, y, w, h, fill, sw=None, stroke=INK, rx=None, extra=""):
    r = f' rx="{n(rx)}"' if rx else ""
    return f'<rect x="{n(x)}" y="{n(y)}" width="{n(w)}" height="{n(h)}"{r} {attrs(fill, stroke, sw, extra)}/>'


def poly(points, fill, sw=None, stroke=INK, extra=""):
    return f'<polygon points="{pts(points)}" {attrs(fill, stroke, sw, extra)}/>'


def line(x1, y1, x2, y2, stroke=INK, sw=2, extra=""):
    return (
        f'<line x1="{n(x1)}" y1="{n(y1)}" x2="{n(x2)}" y2="{n(y2)}" stroke="{stroke}" '
        f'stroke-width="{n(sw)}" stroke-linecap="round" {extra}/>'
    )


def circle(cx, cy, r, fill, sw=None, stroke=INK, extra=""):
    return f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}" {attrs(fill, stroke, sw, extra)}/>'


def ellipse(cx, cy, rx, ry, fill, sw=None, stroke=INK, extra=""):
    return f'<ellipse cx="{n(cx)}" cy="{n(cy)}" rx="{n(rx)}" ry="{n(ry)}" {attrs(fill, stroke, sw, extra)}/>'


def path(d, fill, sw=None, stroke=INK, extra=""):
    return f'<path d="{d}" {attrs(fill, stroke, sw, extra)}/>'


def bolt_points(cx, cy, s):
    """A lightning bolt about 2*s high centred on (cx, cy)."""
    shape = [(0.18, -1.0), (-0.5, 0.12), (-0.06, 0.12), (-0.26, 1.0), (0.5, -0.2), (0.07, -0.2), (0.42, -1.0)]
    return [(cx + x * s, cy + y * s) for x, y in shape]


def gear_path(cx, cy, r_out, r_in, teeth, phase=0.0):
    d = []
    for i in range(teeth):
        a0 = phase + 2 * math.pi * i / teeth
        step = 2 * math.pi / teeth
        for k, (frac, r) in enumerate([(0.0, r_in), (0.12, r_out), (0.38, r_out), (0.5, r_in)]):
            a = a0 + frac * step
            x, y = cx + r * math.cos(a), cy + r * math.sin(a)
            d.append(("M" if i == 0 and k == 0 else "L") + f"{n(x)},{n(y)}")
        a = a0 + step
    d.append("Z")
    return " ".join(d)


def clip_to_rect(points, x0, y0, x1, y1):
    """The part of a convex polygon inside an axis-aligned rectangle."""
    def clip(pts_in, inside, cross):
        out = []
        for i, cur in enumerate(pts_in):
            prev = pts_in[i - 1]
            if inside(cur):
                if not inside(prev):
                    out.append(cross(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(cross(prev, cur))
        return out

    def at_x(xv):
        return lambda a, b: (xv, a[1] + (b[1] - a[1]) * (xv - a[0]) / (b[0] - a[0]))

    def at_y(yv):
        return lambda a, b: (a[0] + (b[0] - a[0]) * (yv - a[1]) / (b[1] - a[1]), yv)

    for inside, cross in ((lambda p: p[0] >= x0, at_x(x0)), (lambda p: p[0] <= x1, at_x(x1)),
                          (lambda p: p[1] >= y0, at_y(y0)), (lambda p: p[1] <= y1, at_y(y1))):
        points = clip(points, inside, cross)
        if not points:
            break
    return points


def shadow(svg, x, y, w, h, rx=None):
    svg.add(rect(x, y, w, h, "#000000", rx=rx, extra='fill-opacity="0.28"'))


def field(svg, colour):
    svg.add(rect(0, 0, svg.w, svg.h, colour))


# ---------------------------------------------------------------------------
# Palettes: the player builds in light concrete with golden marks; the enemy
# in dark iron with fiery marks.

PLAYER = dict(
    name="p",
    wall_hi="#d8d3c6", wall="#b3ad9f", wall_lo="#85806f",
    roof_hi="#7d8a93", roof="#56626b", roof_lo="#39424a",
    steel_hi="#e4e9ee", steel="#a9b3bc", steel_lo="#6c7780",
    cell_hi="#6f8597", cell="#3d4d5a", cell_lo="#222b33",
    window="#ffd36b", window_lit="#fff6c4",
    mark="#ffd21a", mark_lo="#c98f00",
    chimney_a="#e9e4da", chimney_b="#4f555c",
    ground="#8d877b",
)
ENEMY = dict(
    name="e",
    wall_hi="#7a7f91", wall="#545868", wall_lo="#363947",
    roof_hi="#4b4e5c", roof="#2c2e38", roof_lo="#191a21",
    steel_hi="#a6adba", steel="#6d7482", steel_lo="#434955",
    cell_hi="#5c5f70", cell="#33353f", cell_lo="#1b1c22",
    window="#ff6a3d", window_lit="#ffc6a0",
    mark="#ff5a2a", mark_lo="#b32a0c",
    chimney_a="#ff5a2a", chimney_b="#2a2c35",
    ground="#3f4250",
)


# ---------------------------------------------------------------------------
# Accumulator: two big battery cells with terminals and lightning marks.

def akum(pal, field_colour):
    s = Svg(250, 250)
    field(s, field_colour)
    p = pal["name"]
    shadow(s, 26, 196, 210, 34, rx=6)
    # Concrete plinth.
    s.add(rect(18, 182, 214, 20, pal["wall_hi"], sw=5))
    s.add(rect(18, 202, 214, 22, pal["wall_lo"], sw=5))
    for x in (60, 125, 190):
        s.add(line(x, 206, x, 220, INK, 2, 'stroke-opacity="0.4"'))
    body = s.grad(f"cell{p}", [(0, pal["cell_lo"]), (0.3, pal["cell_hi"]), (0.62, pal["cell"]), (1, pal["cell_lo"])], 0, 0, 1, 0)
    top = s.grad(f"ctop{p}", [(0, pal["steel_hi"]), (1, pal["steel"])], 0, 0, 0, 1)
    cells = [(78, 40), (172, 40)]
    # Cable joining the minus of the first cell to the plus of the second.
    s.add(path("M96,50 C100,14 150,14 154,50", "none", sw=11))
    s.add(path("M96,50 C100,14 150,14 154,50", "none", sw=5, stroke="#c23a1a" if p == "p" else "#ff8a3d"))
    for cx, r in cells:
        # Cylinder: body with rounded bottom, then the lid.
        s.add(path(f"M{cx - r},64 L{cx - r},186 A{r},12 0 0 0 {cx + r},186 L{cx + r},64 Z", body, sw=5))
        # Copper band.
        s.add(path(f"M{cx - r},150 L{cx - r},160 A{r},12 0 0 0 {cx + r},160 L{cx + r},150 A{r},12 0 0 1 {cx - r},150 Z",
                   pal["mark_lo"], sw=3))
        s.add(ellipse(cx, 64, r, 12, top, sw=5))
        # Terminals: plus in brass, minus in steel.
        for tx, fill in ((cx - 18, "#e0a93c"), (cx + 18, "#c9ced4")):
            s.add(rect(tx - 7, 46, 14, 18, fill, sw=3.5))
            s.add(ellipse(tx, 46, 7, 3.5, "#fff3cf" if fill == "#e0a93c" else "#f2f4f6", sw=2.5))
        # + and - signs under the terminals.
        s.add(rect(cx - 25, 88, 14, 5, "#ffffff", sw=1.5))
        s.add(rect(cx - 20.5, 83.5, 5, 14, "#ffffff", sw=1.5))
        s.add(rect(cx + 11, 88, 14, 5, "#ffffff", sw=1.5))
        s.add(rect(cx - 20.5, 88, 5, 5, "#ffffff"))
        # Lightning mark.
        s.add(poly(bolt_points(cx, 124, 24), pal["mark"], sw=4))
        # Highlight down the left of the cylinder.
        s.add(rect(cx - r + 9, 80, 6, 96, "#ffffff", extra='fill-opacity="0.18"', rx=3))
    return s


# ---------------------------------------------------------------------------
# Metal works: a hall with a sawtooth roof, a glowing furnace mouth, a tall
# striped chimney with smoke, and a stack of ingots in the yard.

def metzavod(pal, field_colour, frame):
    s = Svg(366, 348)
    field(s, field_colour)
    p = pal["name"]
    shadow(s, 18, 292, 340, 40, rx=10)
    # Yard slab.
    s.add(rect(12, 286, 342, 40, pal["ground"], sw=5, rx=4))
    # Sawtooth roof: each tooth a vertical glazed face and a sloping roof.
    roof = s.grad(f"mroof{p}", [(0, pal["roof_hi"]), (1, pal["roof_lo"])], 0, 0, 1, 1)
    for i in range(3):
        x0 = 22 + i * 76
        s.add(poly([(x0, 150), (x0, 98), (x0 + 76, 150)], roof, sw=5))
        glass = pal["window_lit"] if (frame + i) % 2 == 0 else pal["window"]
        s.add(poly([(x0 + 4, 146), (x0 + 4, 110), (x0 + 20, 120), (x0 + 20, 146)], glass, sw=2.5))
    # Hall walls.
    wall = s.grad(f"mwall{p}", [(0, pal["wall_hi"]), (1, pal["wall"])], 0, 0, 0, 1)
    s.add(rect(18, 148, 236, 146, wall, sw=5))
    for x in (60, 212):
        s.add(rect(x - 6, 150, 12, 142, pal["wall_lo"], sw=2.5))
    # Row of windows; alternating ones change between frames.
    for i, x in enumerate((30, 72, 182, 224)):
        lit = (i + frame) % 2 == 0
        s.add(rect(x, 164, 22, 30, pal["window_lit"] if lit else pal["window"], sw=3))
        s.add(line(x + 11, 165, x + 11, 193, INK, 2))
    # Furnace mouth with its glow: the glow swells and brightens in the second frame.
    if frame == 0:
        glow = s.rgrad(f"mglow{p}0", [(0, "#fff4b0"), (0.45, "#ffb020"), (1, "#c8380a")], 0.5, 0.85, 0.75)
        halo_r = 96
    else:
        glow = s.rgrad(f"mglow{p}1", [(0, "#ffffff"), (0.35, "#ffe36a"), (0.8, "#ff7a12"), (1, "#d0400c")], 0.5, 0.8, 0.9)
        halo_r = 110
    # Furnace light thrown on the wall around the mouth.
    s.add(path(f"M{136 - halo_r / 2},292 L{136 - halo_r / 2},{292 - halo_r * 0.75} "
               f"A{halo_r / 2},{halo_r / 2} 0 0 1 {136 + halo_r / 2},{292 - halo_r * 0.75} L{136 + halo_r / 2},292 Z",
               "#ffb030", extra=f'fill-opacity="{0.3 if frame == 0 else 0.5}"'))
    s.add(path("M98,292 L98,236 A38,36 0 0 1 174,236 L174,292 Z", pal["wall_lo"], sw=5))
    s.add(path("M108,292 L108,240 A28,27 0 0 1 164,240 L164,292 Z", glow, sw=4))
    # Molten metal pouring into a ladle.
    s.add(path("M136,246 C130,262 142,270 136,282", "none", sw=7, stroke="#ffe680" if frame else "#ffc84a"))
    s.add(path("M116,280 L156,280 L150,304 L122,304 Z", pal["steel_lo"], sw=4))
    s.add(ellipse(136, 280, 20, 5, "#fff0a0" if frame else "#ffb53a", sw=3))
    # Chimney: banded, with a cap.
    cx0, cx1 = 272, 308
    s.add(poly([(cx0, 290), (cx0 + 4, 72), (cx1 - 4, 72), (cx1, 290)], pal["chimney_b"], sw=5))
    for y0 in (76, 128, 180, 232):
        top_w = 4 * (290 - y0) / 218
        s.add(poly([(cx0 + top_w, y0), (cx1 - top_w, y0), (cx1 - top_w * 0.9, y0 + 24), (cx0 + top_w * 0.9, y0 + 24)],
                   pal["chimney_a"], sw=2.5))
    s.add(rect(cx0 - 2, 64, cx1 - cx0 + 4, 12, pal["steel_lo"], sw=4))
    s.add(rect(cx0 + 6, 70, 30 - 6, 4, "#000000", extra='fill-opacity="0.5"'))
    # Smoke puffs drifting left; they move and change size between frames.
    puffs = [(286, 48, 17), (260, 30, 21), (228, 18, 15)] if frame == 0 else [(290, 44, 21), (258, 22, 17), (222, 26, 12)]
    for i, (x, y, r) in enumerate(puffs):
        s.add(circle(x, y, r, "#d9d9d9" if i % 2 == 0 else "#bdbdbd", sw=4))
        s.add(circle(x - r * 0.3, y - r * 0.3, r * 0.45, "#ffffff", extra='fill-opacity="0.55"'))
    # Ingots stacked in the yard.
    top_c, side_c = (pal["steel_hi"], pal["steel"])
    hot = "#ff9a2a" if frame == 0 else "#ffd050"
    stack = [(262, 300), (292, 300), (322, 300), (277, 284), (307, 284), (292, 268)]
    for i, (x, y) in enumerate(stack):
        face = hot if i == 5 else side_c
        s.add(poly([(x - 14, y + 14), (x + 14, y + 14), (x + 10, y), (x - 10, y)], face, sw=3))
        s.add(line(x - 9, y + 3, x + 9, y + 3, top_c if i != 5 else "#fff3c0", 2))
    return s


# ---------------------------------------------------------------------------
# Wood works: an open shed, a big circular saw cutting a log, a pile of logs.

def derzavod(frame):
    s = Svg(259, 238)
    field(s, FIELD_AMBER)
    bark, bark_lo, wood, ring = "#7a4a22", "#4f2e12", "#e8c07e", "#b98545"
    shadow(s, 16, 196, 232, 30, rx=8)
    # Shed: posts and a plank roof.
    for x in (24, 112):
        s.add(rect(x, 70, 12, 140, "#8a5a2c", sw=4))
    roof = s.grad("droof", [(0, "#a0672f"), (1, "#6e4219")], 0, 0, 0, 1)
    s.add(poly([(10, 78), (70, 26), (150, 26), (150, 78)], roof, sw=5))
    for x in (40, 64, 88, 112, 134):
        s.add(line(x, 34 if x > 60 else 78 - (x - 10) * 52 / 60 + 4, x, 76, "#4f2e12", 2.5))
    s.add(poly([(10, 78), (150, 78), (150, 88), (10, 88)], "#5b3615", sw=4))
    # Saw bench.
    s.add(rect(20, 176, 200, 16, "#9c6a35", sw=4))
    s.add(rect(30, 192, 10, 20, "#6e4219", sw=3))
    s.add(rect(200, 192, 10, 20, "#6e4219", sw=3))
    # Log lying on the bench, fed into the blade.
    s.add(rect(28, 146, 110, 32, bark, sw=4, rx=4))
    for x in (48, 74, 102, 124):
        s.add(path(f"M{x},150 q4,12 0,24", "none", sw=2, stroke=bark_lo))
    s.add(ellipse(30, 162, 9, 16, wood, sw=4))
    s.add(ellipse(30, 162, 4, 8, "none", sw=2, stroke=ring))
    # Circular saw: blade, teeth and hub; the second frame turns it by half a tooth.
    cx, cy, r = 172, 134, 52
    phase = math.radians(7.5 * frame)
    blade = s.rgrad("blade", [(0, "#f4f7fa"), (0.7, "#b9c2cb"), (1, "#8c96a0")], 0.4, 0.35, 0.7)
    s.add(path(saw_teeth(cx, cy, r, r + 11, 24, phase), blade, sw=4))
    s.add(circle(cx, cy, r - 14, "none", sw=2, stroke="#7d8790"))
    s.add(circle(cx, cy, 15, "#5b636b", sw=4))
    for k in range(3):
        a = phase * 2 + k * 2 * math.pi / 3
        s.add(circle(cx + 8 * math.cos(a), cy + 8 * math.sin(a), 2.6, "#d7dde3"))
    # A bright slash on the blade that turns with it.
    a = phase * 3 + math.radians(-40)
    s.add(line(cx + 20 * math.cos(a), cy + 20 * math.sin(a), cx + 44 * math.cos(a), cy + 44 * math.sin(a), "#ffffff", 5,
               'stroke-opacity="0.8"'))
    # Sawdust thrown off where the blade bites the log.
    rnd = random.Random(11 + frame)
    for _ in range(16):
        ang = rnd.uniform(math.radians(200), math.radians(260))
        dist = rnd.uniform(14, 56)
        x, y = 124 + dist * math.cos(ang), 146 + dist * math.sin(ang)
        s.add(circle(x, y, rnd.uniform(1.8, 3.6), "#fbe3b0", sw=1, stroke="#8a5a2c"))
    # Pile of logs, ends showing.
    for (x, y) in [(176, 210), (204, 210), (232, 210), (190, 186), (218, 186)]:
        s.add(circle(x, y, 13, bark, sw=3.5))
        s.add(circle(x, y, 9.5, wood))
        s.add(circle(x, y, 5, "none", sw=1.6, stroke=ring))
        s.add(circle(x, y, 1.6, ring))
    return s


def saw_teeth(cx, cy, r_in, r_out, teeth, phase):
    d = []
    for i in range(teeth):
        a = phase + 2 * math.pi * i / teeth
        b = phase + 2 * math.pi * (i + 0.75) / teeth
        c = phase + 2 * math.pi * (i + 1) / teeth
        for k, (ang, rr) in enumerate([(a, r_in), (b, r_out), (c, r_in)]):
            d.append(("M" if i == 0 and k == 0 else "L") + f"{n(cx + rr * math.cos(ang))},{n(cy + rr * math.sin(ang))}")
    d.append("Z")
    return " ".join(d)


# ---------------------------------------------------------------------------
# Locator: a lattice mast carrying a radar dish, with a control hut.

def locator(pal, field_colour):
    s = Svg(250, 250)
    field(s, field_colour)
    p = pal["name"]
    shadow(s, 28, 212, 200, 26, rx=8)
    # Control hut.
    s.add(rect(26, 168, 78, 52, pal["wall"], sw=5))
    s.add(poly([(20, 170), (110, 170), (104, 156), (26, 156)], pal["roof"], sw=5))
    s.add(rect(36, 182, 20, 14, pal["window_lit"], sw=3))
    s.add(rect(70, 186, 20, 34, pal["roof_lo"], sw=3))
    # Lattice mast.
    legs = [((126, 226), (150, 104)), ((212, 226), (186, 104))]
    steel = pal["steel_lo"]
    for (x0, y0), (x1, y1) in legs:
        s.add(line(x0, y0, x1, y1, INK, 11))
        s.add(line(x0, y0, x1, y1, steel, 5))
    ys = [226, 196, 168, 142, 120, 104]

    def at(leg, y):
        (x0, y0), (x1, y1) = legs[leg]
        return x0 + (x1 - x0) * (y - y0) / (y1 - y0)

    for a, b in zip(ys, ys[1:]):
        for (xa, ya, xb, yb) in ((at(0, a), a, at(1, b), b), (at(1, a), a, at(0, b), b)):
            s.add(line(xa, ya, xb, yb, INK, 6))
            s.add(line(xa, ya, xb, yb, pal["steel"], 2.5))
        s.add(line(at(0, b), b, at(1, b), b, INK, 6))
        s.add(line(at(0, b), b, at(1, b), b, pal["steel"], 2.5))
    s.add(rect(116, 220, 106, 10, pal["wall_lo"], sw=4))
    # Pivot head on the mast.
    s.add(rect(154, 88, 28, 20, steel, sw=4))
    s.add(circle(168, 86, 10, pal["steel"], sw=4))
    # Dish, tipped back and turned left, with its feed on three struts.
    dish = s.grad(f"dish{p}", [(0, pal["steel_hi"]), (0.55, pal["steel"]), (1, pal["steel_lo"])], 0, 0, 1, 1)
    inner = s.grad(f"dishin{p}", [(0, pal["steel_lo"]), (1, pal["steel_hi"])], 0, 0, 1, 1)
    s.add(f'<g transform="translate(146,66) rotate(-28)">'
          + ellipse(0, 0, 78, 34, dish, sw=6)
          + ellipse(4, 3, 62, 24, inner, sw=2.5)
          + line(-34, 14, -4, -40, INK, 4) + line(36, 14, -4, -40, INK, 4) + line(2, 22, -4, -40, INK, 4)
          + circle(-4, -40, 7, pal["mark"], sw=3)
          + "</g>")
    # Radar waves going out along the dish's axis from its feed.
    feed_x, feed_y = 146 + (-4) * math.cos(math.radians(-28)) - (-40) * math.sin(math.radians(-28)), \
        66 + (-4) * math.sin(math.radians(-28)) + (-40) * math.cos(math.radians(-28))
    axis = math.radians(-90 - 28)
    for i, rr in enumerate((16, 28, 40)):
        a0, a1 = axis - math.radians(38), axis + math.radians(38)
        x0, y0 = feed_x + rr * math.cos(a0), feed_y + rr * math.sin(a0)
        x1, y1 = feed_x + rr * math.cos(a1), feed_y + rr * math.sin(a1)
        s.add(path(f"M{n(x0)},{n(y0)} A{rr},{rr} 0 0 1 {n(x1)},{n(y1)}", "none", sw=5 - i, stroke="#ffffff",
                   extra=f'stroke-opacity="{n(0.95 - i * 0.25)}"'))
    # Beacon.
    s.add(circle(168, 108, 4, pal["window_lit"], sw=2))
    return s


# ---------------------------------------------------------------------------
# Tank factory: an arched hangar with a big gate, a gear emblem with a tank,
# warning stripes and gate lamps that take turns.

def tankozavod(frame):
    s = Svg(300, 300)
    field(s, FIELD_AMBER)
    shadow(s, 22, 252, 266, 36, rx=8)
    s.add(rect(14, 246, 272, 40, "#8f8a80", sw=5, rx=4))
    for x in (112, 130, 170, 188):
        s.add(line(x, 252, x, 282, "#6d685f", 5))
    # Hangar: the roof seen behind the front arch gives it depth.
    roof = s.grad("hroof", [(0, "#8f9a84"), (1, "#4f5a46")], 0, 0, 1, 0)
    s.add(path("M50,236 L50,126 A112,96 0 0 1 274,126 L274,236 Z", roof, sw=5))
    # Corrugated ribs running over the roof between the back and the front arch.
    for k in range(1, 6):
        t = k / 6
        s.add(path(f"M{n(26 + 24 * t)},{n(150 - 24 * t)} A112,96 0 0 1 {n(250 + 24 * t)},{n(150 - 24 * t)}",
                   "none", sw=2.5, stroke="#3a4234", extra='stroke-opacity="0.7"'))
    front = s.grad("hfront", [(0, "#c5cbb5"), (1, "#8d957c")], 0, 0, 0, 1)
    s.add(path("M26,250 L26,150 A112,96 0 0 1 250,150 L250,250 Z", front, sw=6))
    # Gate with hazard stripes and shutter slats.
    s.add(rect(70, 150, 136, 100, INK))
    for i in range(-6, 14):
        x = 70 + i * 14
        stripe = clip_to_rect([(x, 150), (x + 7, 150), (x + 57, 250), (x + 50, 250)], 70, 150, 206, 250)
        if len(stripe) >= 3:
            s.add(poly(stripe, "#ffcc00"))
    s.add(rect(70, 150, 136, 100, "none", sw=5))
    shutter = s.grad("shutter", [(0, "#6e757c"), (1, "#474d53")], 0, 0, 0, 1)
    s.add(rect(82, 162, 112, 88, shutter, sw=4))
    for y in range(170, 250, 10):
        s.add(line(84, y, 192, y, "#2d3237", 2.5))
    # Gear emblem with a tank inside.
    s.add(path(gear_path(138, 104, 34, 27, 12), "#d6dade", sw=4))
    s.add(circle(138, 104, 20, "#3b4a2c", sw=3))
    s.add(rect(124, 104, 28, 9, "#d6dade", rx=2))
    s.add(rect(131, 96, 13, 9, "#d6dade", rx=3))
    s.add(rect(143, 98, 12, 3.5, "#d6dade"))
    # Gate lamps take turns: left green and right off, then the other way round.
    for side, x in enumerate((48, 228)):
        lit = side == frame
        if lit:
            s.add(circle(x, 176, 20, "#8dff7a", extra='fill-opacity="0.35"'))
        s.add(rect(x - 9, 186, 18, 6, "#444444", sw=2.5))
        s.add(circle(x, 176, 10, "#53ff4a" if lit else "#2c4a2a", sw=3.5))
        if lit:
            s.add(circle(x - 3, 173, 3.5, "#ffffff"))
    # Roof beacon blinks with the left lamp.
    s.add(rect(132, 50, 12, 8, "#444444", sw=2.5))
    s.add(circle(138, 46, 7, "#ff3b1f" if frame == 0 else "#5a1d14", sw=3))
    return s


# ---------------------------------------------------------------------------
# Converter: a furnace fed with logs, driving a generator that gives off sparks.

def konverter(pal, field_colour):
    s = Svg(250, 250)
    field(s, field_colour)
    p = pal["name"]
    shadow(s, 18, 206, 220, 30, rx=8)
    s.add(rect(12, 204, 226, 22, pal["ground"], sw=5, rx=4))
    # Chimney with a little smoke.
    s.add(rect(94, 42, 24, 62, pal["roof"], sw=5))
    s.add(rect(90, 36, 32, 10, pal["roof_lo"], sw=4))
    s.add(circle(106, 22, 10, "#cfcfcf", sw=3.5))
    s.add(circle(90, 14, 7, "#b5b5b5", sw=3))
    # Furnace body.
    body = s.grad(f"kbody{p}", [(0, pal["wall_hi"]), (1, pal["wall_lo"])], 0, 0, 1, 0)
    s.add(rect(54, 96, 106, 112, body, sw=5, rx=6))
    s.add(rect(54, 96, 106, 14, pal["roof"], sw=4, rx=4))
    for y in (130, 168):
        s.add(line(58, y, 156, y, INK, 2, 'stroke-opacity="0.35"'))
    # Open firebox door with the flame.
    s.add(path("M72,204 L72,150 A35,30 0 0 1 142,150 L142,204 Z", "#2a0a04", sw=5))
    s.add(path("M78,204 C70,180 86,168 84,146 C96,160 98,140 106,130 C112,150 124,148 126,138 C134,160 146,176 136,204 Z",
               "#ff6a12", sw=3))
    s.add(path("M88,204 C84,186 94,180 96,166 C104,176 108,164 112,156 C118,172 128,180 126,204 Z", "#ffc42a"))
    s.add(path("M98,204 C96,192 102,186 104,178 C108,186 116,190 114,204 Z", "#fff6c0"))
    # Logs waiting to be burnt.
    for (x, y) in [(24, 196), (46, 196), (35, 176)]:
        s.add(circle(x, y, 11, "#7a4a22", sw=3.5))
        s.add(circle(x, y, 7.5, "#e8c07e"))
        s.add(circle(x, y, 3.5, "none", sw=1.4, stroke="#b98545"))
    # Pipe to the generator.
    s.add(rect(158, 136, 20, 14, pal["steel"], sw=4))
    # Generator: drum with copper coils.
    drum = s.grad(f"kdrum{p}", [(0, pal["steel_lo"]), (0.4, pal["steel_hi"]), (1, pal["steel_lo"])], 0, 0, 0, 1)
    s.add(rect(170, 118, 64, 86, drum, sw=5, rx=10))
    for y in range(128, 198, 10):
        s.add(line(176, y, 228, y, "#c26a1e" if p == "p" else "#ff8a3d", 5))
    s.add(rect(170, 118, 64, 86, "none", sw=5, rx=10))
    # Lightning from the generator.
    s.add(poly(bolt_points(206, 68, 44), pal["mark"], sw=5))
    return s


# ---------------------------------------------------------------------------
# Headquarters.

def baza():
    s = Svg(187, 181)
    field(s, FIELD_RED)
    stone = s.grad("bstone", [(0, "#dcd6c8"), (1, "#a39c8c")], 0, 0, 0, 1)
    stone_dark = "#8b8474"
    shadow(s, 14, 150, 166, 26, rx=6)
    # Keep behind the front wall.
    s.add(rect(64, 50, 58, 80, stone, sw=5))
    add_merlons(s, 64, 50, 58, 5, stone)
    s.add(rect(78, 68, 10, 16, "#3a2a20", sw=2.5, rx=4))
    s.add(rect(98, 68, 10, 16, "#3a2a20", sw=2.5, rx=4))
    # Flag.
    s.add(line(93, 44, 93, 8, INK, 5))
    s.add(line(93, 44, 93, 8, "#e0e0e0", 2))
    s.add(path("M95,9 C108,3 118,17 134,10 L134,34 C118,41 108,27 95,33 Z", "#ffd21a", sw=3.5))
    s.add(poly(star_points(114, 21, 7, 3), "#e0141c", sw=1))
    # Front wall with a gate.
    s.add(rect(34, 100, 120, 64, stone, sw=5))
    add_merlons(s, 34, 100, 120, 8, stone)
    for y in (118, 136):
        s.add(line(38, y, 150, y, stone_dark, 2))
    s.add(path("M76,164 L76,136 A18,18 0 0 1 112,136 L112,164 Z", "#5a3a1e", sw=4))
    s.add(line(94, 122, 94, 164, INK, 2.5))
    # Corner towers.
    for x in (12, 139):
        s.add(rect(x, 76, 36, 92, stone, sw=5))
        add_merlons(s, x - 2, 76, 40, 3, stone)
        s.add(rect(x + 13, 98, 10, 18, "#3a2a20", sw=2.5, rx=4))
    return s


def add_merlons(s, x, y, w, count, fill, h=10):
    mw = w / (2 * count - 1)
    for i in range(count):
        s.add(rect(x + i * 2 * mw, y - h, mw, h + 2, fill, sw=4))


def star_points(cx, cy, r_out, r_in, n_points=5, rot=-90):
    out = []
    for i in range(2 * n_points):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / n_points)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def vrag():
    s = Svg(187, 181)
    field(s, FIELD_BLUE)
    stone = s.grad("vstone", [(0, "#5a5c6a"), (1, "#2c2d36")], 0, 0, 0, 1)
    shadow(s, 14, 150, 166, 26, rx=6)
    # Keep with a spike roof.
    s.add(rect(64, 54, 58, 76, stone, sw=5))
    s.add(poly([(58, 56), (93, 12), (128, 56)], "#1a1b22", sw=5))
    s.add(poly([(93, 12), (88, 22), (98, 22)], "#ff4a1c", sw=1.5))
    for x in (79, 99):
        s.add(rect(x, 72, 9, 14, "#ff5a2a", sw=2.5))
    # Banner.
    s.add(line(130, 58, 130, 24, INK, 4))
    s.add(poly([(132, 26), (156, 26), (150, 36), (156, 46), (132, 46)], "#151515", sw=3))
    s.add(circle(142, 36, 5, "#ff3b1f"))
    # Front wall with an iron grille.
    s.add(rect(34, 100, 120, 64, stone, sw=5))
    add_merlons(s, 34, 100, 120, 8, "#3e404c")
    s.add(path("M74,164 L74,134 A20,20 0 0 1 114,134 L114,164 Z", "#0e0e12", sw=4))
    for x in (82, 90, 98, 106):
        s.add(line(x, 122, x, 164, "#7a7d8a", 2.5))
    for y in (138, 150):
        s.add(line(76, y, 112, y, "#7a7d8a", 2.5))
    s.add(rect(44, 126, 16, 6, "#ff5a2a", sw=2))
    s.add(rect(128, 126, 16, 6, "#ff5a2a", sw=2))
    # Towers with spiked roofs.
    for x in (12, 139):
        s.add(rect(x, 80, 36, 88, stone, sw=5))
        s.add(poly([(x - 5, 82), (x + 18, 34), (x + 41, 82)], "#1a1b22", sw=5))
        s.add(poly([(x + 18, 34), (x + 14, 44), (x + 22, 44)], "#ff4a1c", sw=1.5))
        s.add(rect(x + 13, 100, 10, 16, "#ff5a2a", sw=2.5))
    return s


# ---------------------------------------------------------------------------
# The tank, drawn heading up; the other headings are this drawing turned.

def tank_body():
    """The tank heading up in a 117x270 box, centred on (58.5, 135)."""
    g = []
    hull_hi, hull, hull_lo = "#9aab55", "#6f7d38", "#46511f"
    # Tracks.
    for x in (3, 86):
        g.append(rect(x, 92, 28, 174, "#2b2b2b", sw=4, rx=6))
        for y in range(100, 262, 11):
            g.append(line(x + 4, y, x + 24, y, "#5b5b5b", 3.5))
    # Hull.
    g.append(rect(22, 98, 73, 162, hull, sw=4.5, rx=5))
    g.append(poly([(26, 102), (91, 102), (86, 118), (31, 118)], hull_hi, sw=2.5))  # sloped front plate
    g.append(rect(26, 118, 7, 136, hull_hi, extra='fill-opacity="0.6"'))
    g.append(rect(84, 118, 7, 136, hull_lo, extra='fill-opacity="0.6"'))
    # Engine deck grille.
    g.append(rect(36, 222, 45, 30, hull_lo, sw=2.5, rx=2))
    for x in range(42, 80, 7):
        g.append(line(x, 226, x, 248, "#2f3616", 2.5))
    # Turret.
    g.append(path("M26,172 C26,140 40,130 58.5,130 C77,130 91,140 91,172 C91,200 78,208 58.5,208 C39,208 26,200 26,172 Z",
                  hull, sw=4.5))
    g.append(path("M34,168 C34,146 44,138 58.5,138 C50,146 46,160 46,180 Z", hull_hi, extra='fill-opacity="0.8"'))
    # Gun: barrel, muzzle brake and mantlet.
    g.append(rect(53, 10, 11, 126, "#4f5a26", sw=4))
    g.append(rect(55, 14, 3, 118, hull_hi, extra='fill-opacity="0.7"'))
    g.append(rect(49, 4, 19, 16, "#3d461c", sw=4, rx=2))
    g.append(rect(46, 128, 25, 14, hull_lo, sw=3.5, rx=3))
    # Hatch and the red star.
    g.append(circle(70, 184, 8, hull_lo, sw=3))
    g.append(poly(star_points(45, 184, 9, 3.8), "#e0141c", sw=1.5))
    return "".join(g)


def tank(w, h, angle):
    s = Svg(w, h)
    s.add(f'<g transform="translate({n(w / 2)},{n(h / 2)}) rotate({n(angle)}) translate(-58.5,-135)">{tank_body()}</g>')
    return s


# ---------------------------------------------------------------------------
# Terrain tiles. Every scattered element that crosses an edge is also drawn
# across the opposite edge, so the tile repeats without seams.

def wrap_copies(x, y, reach, w, h):
    xs = [x] + ([x + w] if x - reach < 0 else []) + ([x - w] if x + reach > w else [])
    ys = [y] + ([y + h] if y - reach < 0 else []) + ([y - h] if y + reach > h else [])
    return [(a, b) for a in xs for b in ys]


def scatter(s, rnd, count, w, h, reach, draw):
    for _ in range(count):
        x, y = rnd.uniform(0, w), rnd.uniform(0, h)
        params = draw(rnd)
        for cx, cy in wrap_copies(x, y, reach, w, h):
            s.add(params(cx, cy))


def use(ref, x, y, rot=0, scale=1.0, extra=""):
    t = f"translate({n(x)},{n(y)})"
    if rot:
        t += f" rotate({n(rot)})"
    if scale != 1.0:
        t += f" scale({n(scale)})"
    return f'<use xlink:href="#{ref}" transform="{t}" {extra}/>'


def soft(s, colour, opacity):
    """Fill that fades from the colour at the centre to nothing at the rim."""
    gid = "soft" + colour.lstrip("#") + str(int(opacity * 100))
    return s.rgrad(gid, [(0, colour, opacity), (0.55, colour, opacity * 0.75), (1, colour, 0)])


def terrain_grass():
    w, h = 1600, 1200
    s = Svg(w, h)
    rnd = random.Random(1)
    s.add(rect(0, 0, w, h, "#5d9a3a"))
    # Tufts and flowers as reusable shapes.
    s.defs.append('<g id="tuft"><path d="M0,0 L-6,-14 M0,0 L0,-17 M0,0 L6,-13 M0,0 L-11,-8 M0,0 L11,-9" '
                  'stroke="#3f7526" stroke-width="2.6" stroke-linecap="round" fill="none"/></g>')
    s.defs.append('<g id="tuftlight"><path d="M0,0 L-5,-11 M0,0 L1,-14 M0,0 L7,-10" '
                  'stroke="#8cc25a" stroke-width="2.2" stroke-linecap="round" fill="none"/></g>')
    s.defs.append('<g id="flowerw"><circle cx="0" cy="0" r="3.2" fill="#f7f7ee"/><circle cx="0" cy="0" r="1.3" fill="#f2c21a"/></g>')
    s.defs.append('<g id="flowery"><circle cx="0" cy="0" r="2.8" fill="#f5d42a"/></g>')
    s.defs.append('<g id="stone"><ellipse cx="0" cy="0" rx="9" ry="6" fill="#9a9a8c" stroke="#5c5c50" stroke-width="2"/>'
                  '<ellipse cx="-2" cy="-2" rx="4" ry="2.5" fill="#c6c6b8"/></g>')
    # Broad patches of lighter and darker grass.
    for colour, count, rmin, rmax, op in (("#6fae47", 26, 90, 190, 0.7), ("#4d8630", 24, 70, 160, 0.65),
                                          ("#7dbb52", 30, 40, 90, 0.6), ("#44782a", 30, 30, 70, 0.55)):
        def patch(r, colour=colour, rmin=rmin, rmax=rmax, op=op):
            rx, ry = r.uniform(rmin, rmax), r.uniform(rmin, rmax) * 0.7
            rot = r.uniform(0, 180)
            fill = soft(s, colour, op)
            return lambda x, y: (f'<ellipse cx="0" cy="0" rx="{n(rx)}" ry="{n(ry)}" fill="{fill}" '
                                 f'transform="translate({n(x)},{n(y)}) rotate({n(rot)})"/>')
        scatter(s, rnd, count, w, h, rmax, patch)
    for ref, count in (("tuft", 520), ("tuftlight", 420)):
        def tuft(r, ref=ref):
            sc = r.uniform(0.7, 1.3)
            return lambda x, y: use(ref, x, y, scale=sc)
        scatter(s, rnd, count, w, h, 16, tuft)
    for ref, count in (("flowerw", 120), ("flowery", 90)):
        scatter(s, rnd, count, w, h, 4, lambda r, ref=ref: (lambda x, y: use(ref, x, y)))
    scatter(s, rnd, 22, w, h, 10, lambda r: (lambda x, y, rot=r.uniform(0, 180): use("stone", x, y, rot)))
    return s


def terrain_border():
    w, h = 600, 600
    s = Svg(w, h)
    rnd = random.Random(2)
    s.add(rect(0, 0, w, h, "#a39b55"))
    s.defs.append('<g id="drytuft"><path d="M0,0 L-6,-12 M0,0 L0,-15 M0,0 L6,-11 M0,0 L-10,-6" '
                  'stroke="#7a7232" stroke-width="2.4" stroke-linecap="round" fill="none"/></g>')
    s.defs.append('<g id="greentuft"><path d="M0,0 L-4,-11 M0,0 L1,-13 M0,0 L6,-9" '
                  'stroke="#6d8a36" stroke-width="2.2" stroke-linecap="round" fill="none"/></g>')
    s.defs.append('<g id="pebble"><ellipse cx="0" cy="0" rx="5" ry="3.5" fill="#8d8273" stroke="#5e5446" stroke-width="1.5"/></g>')
    s.defs.append('<g id="crack"><path d="M-14,0 L-5,3 L2,-2 L13,2 M2,-2 L6,-9" stroke="#5e4a30" stroke-width="1.8" '
                  'fill="none" stroke-linecap="round" stroke-opacity="0.7"/></g>')
    for colour, count, rmin, rmax, op in (("#8a6d44", 12, 50, 110, 0.55), ("#b8af68", 14, 50, 110, 0.5),
                                          ("#7d8d40", 10, 30, 70, 0.45), ("#9c7c4c", 16, 18, 45, 0.55)):
        def patch(r, colour=colour, rmin=rmin, rmax=rmax, op=op):
            rx, ry = r.uniform(rmin, rmax), r.uniform(rmin, rmax) * 0.65
            rot = r.uniform(0, 180)
            fill = soft(s, colour, op)
            return lambda x, y: (f'<ellipse cx="0" cy="0" rx="{n(rx)}" ry="{n(ry)}" fill="{fill}" '
                                 f'transform="translate({n(x)},{n(y)}) rotate({n(rot)})"/>')
        scatter(s, rnd, count, w, h, rmax, patch)
    scatter(s, rnd, 18, w, h, 16, lambda r: (lambda x, y, rot=r.uniform(0, 360): use("crack", x, y, rot)))
    for ref, count in (("drytuft", 150), ("greentuft", 70)):
        scatter(s, rnd, count, w, h, 14, lambda r, ref=ref: (lambda x, y, sc=r.uniform(0.7, 1.3): use(ref, x, y, scale=sc)))
    scatter(s, rnd, 60, w, h, 6, lambda r: (lambda x, y, rot=r.uniform(0, 180): use("pebble", x, y, rot)))
    return s


def terrain_snow():
    w, h = 600, 600
    s = Svg(w, h)
    rnd = random.Random(3)
    s.add(rect(0, 0, w, h, "#e6edf3"))
    s.defs.append('<g id="rock"><path d="M-22,8 L-16,-8 L-4,-16 L10,-12 L22,-2 L18,10 L-2,14 Z" fill="#7f868d" '
                  'stroke="#41464c" stroke-width="2.5" stroke-linejoin="round"/>'
                  '<path d="M-16,-8 L-4,-16 L10,-12 L16,-6 L4,-6 L-6,-2 Z" fill="#f8fbff"/>'
                  '<path d="M-2,14 L18,10 L22,-2 L12,4 Z" fill="#5b6167"/></g>')
    s.defs.append('<g id="pebblesnow"><ellipse cx="0" cy="0" rx="6" ry="4" fill="#8e959c" stroke="#4e545a" stroke-width="1.6"/>'
                  '<ellipse cx="-1" cy="-2" rx="4" ry="1.6" fill="#ffffff"/></g>')
    s.defs.append('<g id="twig"><path d="M0,0 L-2,-7 M0,0 L1,-9 M0,0 L4,-6 M0,0 L-5,-4" stroke="#6b6a4a" '
                  'stroke-width="1.8" stroke-linecap="round" fill="none"/></g>')
    for colour, count, rmin, rmax, op in (("#c9d7e4", 14, 50, 120, 0.6), ("#ffffff", 14, 40, 100, 0.8),
                                          ("#b3c4d6", 16, 20, 50, 0.5), ("#a7abad", 8, 16, 36, 0.45)):
        def patch(r, colour=colour, rmin=rmin, rmax=rmax, op=op):
            rx, ry = r.uniform(rmin, rmax), r.uniform(rmin, rmax) * 0.6
            rot = r.uniform(0, 180)
            fill = soft(s, colour, op)
            return lambda x, y: (f'<ellipse cx="0" cy="0" rx="{n(rx)}" ry="{n(ry)}" fill="{fill}" '
                                 f'transform="translate({n(x)},{n(y)}) rotate({n(rot)})"/>')
        scatter(s, rnd, count, w, h, rmax, patch)
    scatter(s, rnd, 14, w, h, 30, lambda r: (lambda x, y, rot=r.uniform(-25, 25), sc=r.uniform(0.7, 1.4):
                                             use("rock", x, y, rot, sc)))
    scatter(s, rnd, 50, w, h, 8, lambda r: (lambda x, y, rot=r.uniform(0, 180): use("pebblesnow", x, y, rot)))
    scatter(s, rnd, 40, w, h, 12, lambda r: (lambda x, y: use("twig", x, y)))
    return s


# ---------------------------------------------------------------------------
# Palette buttons.

def button_plate(s, w, h, gid="plate"):
    plate = s.grad(gid, [(0, "#8f99a3"), (0.5, "#5d6771"), (1, "#3b434b")], 0, 0, 0, 1)
    s.add(rect(0, 0, w, h, "#20252a"))
    s.add(rect(1.5, 1.5, w - 3, h - 3, plate, rx=4))
    s.add(path(f"M3,{h - 4} L3,3 L{w - 4},3", "none", sw=2, stroke="#dfe6ec", extra='stroke-opacity="0.8"'))
    s.add(path(f"M4,{h - 3} L{w - 3},{h - 3} L{w - 3},4", "none", sw=2, stroke="#15191c", extra='stroke-opacity="0.8"'))


def tank_button():
    s = Svg(69, 69)
    button_plate(s, 69, 69)
    s.add(f'<g transform="translate(34.5,34.5) rotate(45) scale(0.225) translate(-58.5,-135)">{tank_body()}</g>')
    return s


def converter_button():
    s = Svg(69, 69)
    button_plate(s, 69, 69)
    s.add(rect(12, 24, 30, 34, "#b3ad9f", sw=2.5, rx=2))
    s.add(path("M16,58 L16,42 A10,9 0 0 1 38,42 L38,58 Z", "#2a0a04", sw=2))
    s.add(path("M19,58 C16,50 22,48 22,41 C25,46 27,40 28,36 C31,44 36,48 34,58 Z", "#ff6a12"))
    s.add(path("M23,58 C22,52 25,50 26,46 C28,50 31,52 30,58 Z", "#ffd23a"))
    s.add(rect(20, 12, 8, 12, "#56626b", sw=2))
    s.add(poly(bolt_points(51, 34, 17), "#ffd21a", sw=2.5))
    return s


def place_button():
    s = Svg(137, 26)
    button_plate(s, 137, 26, "placeplate")
    # Small building with a green tick.
    s.add(rect(8, 10, 18, 11, "#d8d3c6", sw=1.8))
    s.add(poly([(6, 11), (17, 4), (28, 11)], "#56626b", sw=1.8))
    s.add(rect(15, 14, 5, 7, "#56626b"))
    s.add(path("M22,14 L27,20 L36,6", "none", sw=6, stroke="#0f3d12"))
    s.add(path("M22,14 L27,20 L36,6", "none", sw=3.2, stroke="#4cff4c"))
    s.add('<text x="87" y="18" font-family="DejaVu Sans, Liberation Sans, sans-serif" font-size="13" '
          'font-weight="bold" fill="#101214" text-anchor="middle">Поставить</text>')
    s.add('<text x="86" y="17" font-family="DejaVu Sans, Liberation Sans, sans-serif" font-size="13" '
          'font-weight="bold" fill="#ffffff" text-anchor="middle">Поставить</text>')
    return s


def arrow_button(direction):
    s = Svg(65, 43)
    button_plate(s, 65, 43, "arrowplate")
    shape = [(12, 17), (34, 17), (34, 8), (54, 21.5), (34, 35), (34, 26), (12, 26)]
    if direction < 0:
        shape = [(65 - x, y) for x, y in shape]
    s.add(poly(shape, "#ffd21a", sw=3))
    return s


# ---------------------------------------------------------------------------
# Mouse pointers: an arrow with its tip on the top-left pixel.

ARROW = [(1, 1), (1, 22), (6.5, 17), (10.5, 26), (14, 24.5), (10, 15.5), (17, 15.5)]


def cursor(with_sight):
    s = Svg(32, 32)
    s.add(poly(ARROW, "#ffffff", sw=1.6, stroke="#000000"))
    if with_sight:
        cx, cy = 23, 23
        s.add(circle(cx, cy, 6.5, "none", sw=4, stroke="#000000"))
        s.add(circle(cx, cy, 6.5, "none", sw=2, stroke="#ff2a2a"))
        for dx, dy in ((0, -1), (0, 1), (-1, 0), (1, 0)):
            s.add(line(cx + dx * 3, cy + dy * 3, cx + dx * 8.5, cy + dy * 8.5, "#000000", 3.5))
            s.add(line(cx + dx * 3, cy + dy * 3, cx + dx * 8.5, cy + dy * 8.5, "#ff2a2a", 1.6))
    return s


# ---------------------------------------------------------------------------
# Screens.

def fortress_silhouette(s, x, base, scale, body, lit, dark, window, banner):
    """A fortress on a hill top, its feet at `base`; the sun lights its left faces."""
    def r(px, py, w, h, fill, sw=None):
        return rect(x + px * scale, base - py * scale - h * scale, w * scale, h * scale, fill, sw=sw)
    parts = []
    # Curtain wall and towers.
    parts.append(r(-120, 0, 240, 70, body, 3))
    for px in range(-120, 120, 20):
        parts.append(r(px, 70, 11, 10, body, 3))
    for px, tw, th in ((-150, 44, 120), (106, 44, 120), (-32, 64, 170)):
        parts.append(r(px, 0, tw, th, body, 3))
        parts.append(r(px + 2, 2, tw * 0.3, th - 4, lit))
        for k in range(3):
            parts.append(r(px + k * (tw - 10) / 2, th, 10, 11, body, 3))
        parts.append(r(px + tw / 2 - 4, th * 0.55, 8, 14, window))
        # Banner on a pole.
        pole_x = x + (px + tw / 2) * scale
        top = base - (th + 60) * scale
        parts.append(line(pole_x, base - (th + 10) * scale, pole_x, top, "#141018", 3))
        parts.append(path(f"M{n(pole_x + 1)},{n(top + 2)} C{n(pole_x + 16 * scale)},{n(top - 6 * scale)} "
                          f"{n(pole_x + 30 * scale)},{n(top + 12 * scale)} {n(pole_x + 46 * scale)},{n(top + 4 * scale)} "
                          f"L{n(pole_x + 46 * scale)},{n(top + 30 * scale)} C{n(pole_x + 30 * scale)},{n(top + 38 * scale)} "
                          f"{n(pole_x + 16 * scale)},{n(top + 20 * scale)} {n(pole_x + 1)},{n(top + 28 * scale)} Z",
                          banner, sw=2.5))
    parts.append(path(f"M{n(x - 14 * scale)},{n(base)} L{n(x - 14 * scale)},{n(base - 30 * scale)} "
                      f"A{n(14 * scale)},{n(14 * scale)} 0 0 1 {n(x + 14 * scale)},{n(base - 30 * scale)} "
                      f"L{n(x + 14 * scale)},{n(base)} Z", dark))
    for px in (-90, -60, 60, 90):
        parts.append(r(px, 38, 7, 12, window))
    s.add("".join(parts))


def welcome_bg():
    w, h = 1024, 768
    s = Svg(w, h)
    # The top stays a plain deep sky: the title is written there.
    sky = s.grad("sky", [(0, "#141a3a"), (0.18, "#1c2048"), (0.4, "#2f2c60"), (0.64, "#7a3f6a"), (0.82, "#e0794a"),
                         (1, "#f3b35e")])
    s.add(rect(0, 0, w, h, sky))
    # A few faint stars at the sides, below the title.
    rnd = random.Random(7)
    for _ in range(60):
        x, y = rnd.uniform(0, w), rnd.uniform(130, 330)
        if 280 < x < 744:
            continue
        s.add(circle(x, y, rnd.uniform(0.8, 1.8), "#ffffff", extra=f'fill-opacity="{n(rnd.uniform(0.3, 0.7))}"'))
    # Low sun behind the far hills, with a soft glow.
    glow = s.rgrad("sunglow", [(0, "#ffd58a", 0.55), (0.5, "#ffb070", 0.25), (1, "#ff9060", 0)])
    s.add(circle(190, 556, 190, glow))
    s.add(circle(190, 556, 62, "#ffd58a"))
    # Far hills.
    s.add(path("M0,560 C120,520 220,540 320,548 C440,556 520,505 650,520 C780,535 880,500 1024,515 L1024,768 L0,768 Z",
               "#5a3a5e"))
    # The fortress hill on the right.
    s.add(path("M560,768 C610,660 700,606 800,596 C900,588 970,604 1024,622 L1024,768 Z", "#2e2040"))
    fortress_silhouette(s, 846, 604, 0.92, "#3b2b4e", "#564070", "#140e1e", "#ffb347", "#c8141e")
    # Near hills, darkest.
    s.add(path("M0,650 C150,610 300,640 420,680 C520,712 600,700 680,720 L720,768 L0,768 Z", "#24182f"))
    s.add(path("M600,768 C720,706 860,692 1024,700 L1024,768 Z", "#1d1428"))
    # Fir trees on the near hills.
    for x, y, sc in ((60, 640, 1.0), (98, 632, 0.8), (140, 628, 1.1), (176, 630, 0.7), (930, 712, 1.0),
                     (970, 708, 0.8)):
        s.add(poly([(x, y - 60 * sc), (x - 18 * sc, y + 2), (x + 18 * sc, y + 2)], "#140e1c"))
    # The centre column, where the buttons go, is gently darkened.
    shade = s.rgrad("shade", [(0, "#0a0614", 0.35), (0.6, "#0a0614", 0.25), (1, "#0a0614", 0)])
    s.add(ellipse(512, 470, 250, 330, shade))
    return s


def briefing_bg():
    w, h = 1280, 1024
    s = Svg(w, h)
    table = s.grad("table", [(0, "#3b2414"), (0.5, "#563420"), (1, "#2e1a0e")], 0, 0, 1, 1)
    s.add(rect(0, 0, w, h, table))
    rnd = random.Random(9)
    for _ in range(26):
        y = rnd.uniform(0, h)
        s.add(path(f"M0,{n(y)} C400,{n(y + rnd.uniform(-20, 20))} 800,{n(y + rnd.uniform(-20, 20))} 1280,{n(y + rnd.uniform(-8, 8))}",
                   "none", sw=rnd.uniform(1, 3), stroke="#1f1208", extra='stroke-opacity="0.45"'))
    # The parchment map, slightly turned. Between y=100 and y=500 the briefing
    # text is written over it, so that part holds only faint marks.
    parchment = s.grad("parch", [(0, "#e3cf9f"), (0.5, "#d9c08a"), (1, "#c7a96e")], 0, 0, 1, 1)
    s.add('<g transform="translate(640,520) rotate(-1.2)">')
    s.add(rect(-560, -470, 1120, 940, "#000000", extra='fill-opacity="0.4"', rx=6))
    edge = "M-580,-490 L570,-496 L584,470 L-570,484 Z"
    s.add(path(edge, parchment, sw=4, stroke="#6b4b26"))
    # Browned edges.
    s.add(path("M-566,-476 L556,-482 L570,456 L-556,470 Z", "none", sw=26, stroke="#9c7440",
               extra='stroke-opacity="0.25"'))
    s.add(path("M-574,-484 L564,-490 L578,464 L-564,478 Z", "none", sw=10, stroke="#7a5428",
               extra='stroke-opacity="0.3"'))
    # Faint markings: coast, river, forests, roads.
    water = 'stroke-opacity="0.3"'
    s.add(path("M-580,200 C-420,160 -360,260 -220,240 C-80,220 -40,330 120,300 C260,270 320,380 584,350",
               "none", sw=5, stroke="#5878a0", extra=water))
    s.add(path("M-300,-496 C-260,-300 -340,-140 -220,40 C-140,160 -200,200 -220,240",
               "none", sw=4, stroke="#5878a0", extra=water))
    road = 'stroke-opacity="0.25" stroke-dasharray="14,10"'
    s.add(path("M-520,-380 L-200,-330 L120,-360 L420,-250 L520,-60", "none", sw=3, stroke="#6b4b26", extra=road))
    s.add(path("M-460,120 L-120,80 L160,120 L440,60", "none", sw=3, stroke="#6b4b26", extra=road))
    for _ in range(90):
        x, y = rnd.uniform(-540, 540), rnd.uniform(-440, 440)
        op = 0.12 if y < 0 else 0.25
        s.add(circle(x, y, rnd.uniform(6, 11), "#5c7a3a", extra=f'fill-opacity="{op}"'))
    # Our fortress and theirs, with the line of advance, below the text.
    ours, theirs = "#8b1a1a", "#23306b"
    s.add(rect(-420, 330, 60, 44, "none", sw=5, stroke=ours, extra='stroke-opacity="0.7"'))
    s.add(poly([(-420, 330), (-390, 300), (-360, 330)], "none", sw=5, stroke=ours, extra='stroke-opacity="0.7"'))
    s.add(rect(330, 60, 60, 44, "none", sw=5, stroke=theirs, extra='stroke-opacity="0.7"'))
    s.add(poly([(330, 60), (360, 30), (390, 60)], "none", sw=5, stroke=theirs, extra='stroke-opacity="0.7"'))
    s.add(path("M-340,330 C-140,300 80,220 300,110", "none", sw=8, stroke=ours,
               extra='stroke-opacity="0.45" stroke-dasharray="30,16"'))
    dx, dy = 220 / math.hypot(220, 110), -110 / math.hypot(220, 110)
    s.add(poly([(300 + dx * 22, 110 + dy * 22), (300 - dy * 15, 110 + dx * 15), (300 + dy * 15, 110 - dx * 15)], ours,
               extra='fill-opacity="0.55"'))
    # Compass rose.
    s.add('<g transform="translate(440,350)" opacity="0.5">'
          + poly([(0, -70), (12, 0), (0, 70), (-12, 0)], "#6b4b26")
          + poly([(-70, 0), (0, 12), (70, 0), (0, -12)], "#8a6a40")
          + circle(0, 0, 40, "none", sw=3, stroke="#6b4b26") + "</g>")
    # Pins at the corners.
    for x, y in ((-540, -450), (540, -456), (-530, 444), (548, 434)):
        s.add(circle(x, y, 11, "#8b1a1a", sw=3))
        s.add(circle(x - 3, y - 3, 3.5, "#ffb0a0"))
    s.add("</g>")
    # Darkened edges of the table.
    vignette = s.rgrad("vig", [(0, "#000000", 0), (0.7, "#000000", 0), (1, "#000000", 0.55)], 0.5, 0.5, 0.75)
    s.add(rect(0, 0, w, h, vignette))
    return s


def about_icon():
    s = Svg(64, 64)
    shield = s.grad("ashield", [(0, "#ff4a4f"), (1, "#a8121a")], 0, 0, 0, 1)
    s.add(path("M32,2 L60,10 L58,36 C56,50 44,58 32,62 C20,58 8,50 6,36 L4,10 Z", shield, sw=3))
    stone = s.grad("astone", [(0, "#f1ece0"), (1, "#b3ad9f")], 0, 0, 0, 1)
    s.add(rect(18, 26, 28, 26, stone, sw=2.5))
    for x in (18, 28.5, 39):
        s.add(rect(x, 20, 7, 7, stone, sw=2.5))
    s.add(path("M28,52 L28,44 A4,4 0 0 1 36,44 L36,52 Z", "#5a3a1e", sw=2))
    s.add(line(32, 20, 32, 6, INK, 2.5))
    s.add(path("M33,6 L46,9.5 L33,13 Z", "#ffd21a", sw=1.8))
    return s


# ---------------------------------------------------------------------------

def sprites():
    yield "akum", akum(PLAYER, FIELD_RED)
    yield "akumVraga", akum(ENEMY, FIELD_BLUE)
    yield "metzavod", metzavod(PLAYER, FIELD_RED, 0)
    yield "metzavod1", metzavod(PLAYER, FIELD_RED, 1)
    yield "metzavodVraga", metzavod(ENEMY, FIELD_BLUE, 0)
    yield "metzavodVraga1", metzavod(ENEMY, FIELD_BLUE, 1)
    yield "derzavod", derzavod(0)
    yield "derzavod1", derzavod(1)
    yield "locator", locator(PLAYER, FIELD_RED)
    yield "tankozavod", tankozavod(0)
    yield "tankozavod1", tankozavod(1)
    yield "konverter", konverter(PLAYER, FIELD_RED)
    yield "baza", baza()
    yield "vrag", vrag()
    yield "tankvverh", tank(117, 270, 0)
    yield "tankvniz", tank(117, 270, 180)
    yield "tankvlevo", tank(270, 117, -90)
    yield "tankvpravo", tank(270, 117, 90)
    yield "diagvverhvlevo", tank(274, 274, -45)
    yield "diagvverhvpravo", tank(274, 274, 45)
    yield "tankdiagvnizvlevo", tank(274, 274, -135)
    yield "tankdiagvnizvpravo", tank(274, 274, 135)
    yield "Piclevel1", terrain_grass()
    yield "Piclevel2", terrain_border()
    yield "Piclevel3", terrain_snow()
    yield "TankBui", tank_button()
    yield "Bui", converter_button()
    yield "building", place_button()
    yield "BuildDalee", arrow_button(+1)
    yield "BuildNaZad", arrow_button(-1)
    yield "cursor_object", cursor(True)
    yield "cursor_map", cursor(False)
    yield "welcome_bg", welcome_bg()
    yield "briefing_bg", briefing_bg()
    yield "about_icon", about_icon()


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, svg in sprites():
        with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(svg.text())


if __name__ == "__main__":
    main()

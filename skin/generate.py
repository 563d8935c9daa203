#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Writes the skin's SVG sources (every image but the hand-drawn icon.svg).

The images come in families (button states, gauge colours, animation frames)
that share their shapes, so they are drawn here from one palette rather than
kept as hand-edited copies. render.sh runs this before rendering; edit this
file, not the SVGs it writes.
"""
import math
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
SRC = os.path.join(HERE, "src")

# The palette of the application icon.
DEEP = "#1c4f8f"
BLUE = "#3a8fd9"
MID = "#2a6db5"
PALE = "#e9f4fc"
LIGHT = "#bcdaf2"
ORANGE = "#f39c34"
ORANGE_DARK = "#d9801a"
WHITE = "#ffffff"
TEXT = "#4d4d4d"
# The calm colour of the main window's content area. The animations are
# drawn over it and it becomes their transparent colour.
CONTENT = "#eef5fb"
BORDER = "#8fb8de"
CABLE = "#5f7388"
CABLE_LIGHT = "#93a8bc"

# Segment colours of the storage gauge and its legend: top, bottom, border.
SEGMENTS = {
    "blue": ("#63aef0", "#2a70bd", "#1f5a9c"),
    "red": ("#ef7a66", "#c9402c", "#a83322"),
    "green": ("#86cf6a", "#45a13a", "#357f2c"),
    "orange": ("#f9bf6e", ORANGE_DARK, "#b9690f"),
    "gray": ("#f1f4f7", "#d3dae1", "#aab5c0"),
}


def svg(width, height, body, defs=""):
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
        f'viewBox="0 0 {width} {height}">\n<defs>{defs}</defs>\n{body}\n</svg>\n'
    )


def vgrad(gid, *stops, x1=0, y1=0, x2=0, y2=1):
    """A linear gradient, vertical unless told otherwise; stops are colours
    spread evenly or (offset, colour[, opacity]) tuples."""
    parts = []
    for i, stop in enumerate(stops):
        if isinstance(stop, str):
            stop = (i / max(1, len(stops) - 1), stop)
        opacity = f' stop-opacity="{stop[2]}"' if len(stop) > 2 else ""
        parts.append(f'<stop offset="{stop[0]}" stop-color="{stop[1]}"{opacity}/>')
    return (
        f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">'
        + "".join(parts)
        + "</linearGradient>"
    )


def shadow(fid, dy, blur, opacity, colour="#0b2545"):
    return (
        f'<filter id="{fid}" x="-30%" y="-30%" width="160%" height="170%">'
        f'<feGaussianBlur in="SourceAlpha" stdDeviation="{blur}"/>'
        f'<feOffset dy="{dy}" result="b"/>'
        f'<feFlood flood-color="{colour}" flood-opacity="{opacity}"/>'
        f'<feComposite in2="b" operator="in"/>'
        f'<feMerge><feMergeNode/><feMergeNode in="SourceGraphic"/></feMerge></filter>'
    )


written = []


def write(name, text):
    path = os.path.join(SRC, name + ".svg")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)
    written.append(name)


# ---------------------------------------------------------------- glyphs
# Small drawings shared by several images, in a 24 x 24 box unless noted.

def glyph_picture(colour, accent):
    return (
        f'<rect x="2.5" y="4.5" width="19" height="15" rx="2" fill="none" stroke="{colour}" stroke-width="2"/>'
        f'<path d="M4 18 L9.5 11 L13 15 L15.5 12.5 L20 18 Z" fill="{colour}"/>'
        f'<circle cx="16.5" cy="8.8" r="2" fill="{accent}"/>'
    )


def glyph_note(colour, accent):
    return (
        f'<path d="M9 17 V5.5 L20 3 V14.5" fill="none" stroke="{colour}" stroke-width="2" stroke-linejoin="round"/>'
        f'<path d="M9 6.5 L20 4" stroke="{accent}" stroke-width="2.6"/>'
        f'<ellipse cx="6.3" cy="17.6" rx="3.4" ry="2.7" fill="{colour}"/>'
        f'<ellipse cx="17.3" cy="15.1" rx="3.4" ry="2.7" fill="{colour}"/>'
    )


def glyph_film(colour, accent):
    holes = "".join(
        f'<rect x="{x}" y="{y}" width="2.4" height="2" rx="0.5" fill="{colour}"/>'
        for x in (5, 9.5, 14, 18.5)
        for y in (5.6, 16.4)
    )
    return (
        f'<rect x="2.5" y="3.5" width="20" height="17" rx="2" fill="none" stroke="{colour}" stroke-width="2"/>'
        + holes
        + f'<path d="M10 9 L15.5 12 L10 15 Z" fill="{accent}"/>'
    )


def glyph_document(colour, accent):
    return (
        f'<path d="M5.5 2.5 H14.5 L19.5 7.5 V21.5 H5.5 Z" fill="none" stroke="{colour}" '
        f'stroke-width="2" stroke-linejoin="round"/>'
        f'<path d="M14 3 V8 H19" fill="none" stroke="{colour}" stroke-width="1.6"/>'
        f'<path d="M8.5 11.5 H16.5 M8.5 14.5 H16.5 M8.5 17.5 H13.5" stroke="{accent}" '
        f'stroke-width="1.6" stroke-linecap="round"/>'
    )


def star_points(cx, cy, outer, inner, points=5):
    coords = []
    for i in range(points * 2):
        radius = outer if i % 2 == 0 else inner
        angle = -math.pi / 2 + i * math.pi / points
        coords.append(f"{cx + radius * math.cos(angle):.2f},{cy + radius * math.sin(angle):.2f}")
    return " ".join(coords)


def glyph_star(colour, accent):
    return (
        f'<polygon points="{star_points(12, 12.5, 10, 4.3)}" fill="{accent}" stroke="{colour}" '
        f'stroke-width="1.6" stroke-linejoin="round"/>'
    )


def sync_arrows(colour, width):
    """The two orange arrows of the application icon, in a 64 x 64 box."""
    return (
        f'<g fill="none" stroke="{colour}" stroke-width="{width}" stroke-linecap="round">'
        f'<path d="M17 28 A16 16 0 0 1 44 25"/><path d="M45 35 A16 16 0 0 1 18 38"/></g>'
        f'<path d="M40 17 L50 25 L38 29 Z" fill="{colour}"/>'
        f'<path d="M22 46 L12 38 L24 34 Z" fill="{colour}"/>'
    )


# ---------------------------------------------------------------- main window

def main_background():
    """bg.png: cut at (540, 391) and stretched by repeating row 391 and
    column 540, so every shape varies only vertically; the header glow ends
    and the footer starts well away from row 391."""
    width, height = 783, 559
    defs = (
        vgrad("head", (0, WHITE), (0.6, "#fbfdff"), (1, CONTENT))
        + vgrad("accent", BLUE, DEEP)
        + vgrad("foot", "#e4f0fa", "#d4e7f7")
    )
    body = (
        f'<rect width="{width}" height="{height}" fill="{CONTENT}"/>'
        f'<rect width="{width}" height="150" fill="url(#head)"/>'
        f'<rect width="{width}" height="3" fill="url(#accent)"/>'
        f'<rect y="520" width="{width}" height="39" fill="url(#foot)"/>'
        f'<rect y="520" width="{width}" height="1" fill="{LIGHT}"/>'
        f'<rect y="521" width="{width}" height="1" fill="{WHITE}" opacity="0.8"/>'
    )
    write("bg", svg(width, height, body, defs))


def gauge_segment(colour):
    """progress_*.png, 20 x 23: columns 0-4 are the left end, 5-6 start a
    segment, 7 is repeated for its body and 12-19 are the right end, so the
    rounding stays inside the first and last five columns."""
    top, bottom, edge = SEGMENTS[colour]
    defs = vgrad("fill", top, bottom) + vgrad(
        "gloss", (0, WHITE, 0.55), (1, WHITE, 0.08)
    )
    body = (
        f'<rect x="0.5" y="0.5" width="19" height="22" rx="4.5" fill="url(#fill)" stroke="{edge}"/>'
        f'<rect x="1.5" y="1.5" width="17" height="9" rx="3.5" fill="url(#gloss)"/>'
    )
    write(f"progress_{colour}", svg(20, 23, body, defs))


def legend_swatch(colour):
    top, bottom, edge = SEGMENTS[colour]
    defs = vgrad("fill", top, bottom)
    body = (
        f'<rect x="0.5" y="0.5" width="13" height="13" rx="3" fill="url(#fill)" stroke="{edge}"/>'
        f'<rect x="1.5" y="1.5" width="11" height="5" rx="2" fill="{WHITE}" opacity="0.35"/>'
    )
    write(f"{colour}_legend", svg(14, 14, body, defs))


def netbook(port=True):
    """The device, 134 x 97 at (8, 20) of a 150 x 130 box: its USB port is on
    the left side of the base at y = 110."""
    drawing = (
        f'<rect x="24" y="20" width="102" height="80" rx="7" fill="url(#lid)"/>'
        f'<rect x="30" y="26" width="90" height="66" rx="2" fill="url(#scr)"/>'
        f'<rect x="30" y="26" width="90" height="30" rx="2" fill="{WHITE}" opacity="0.25"/>'
        f'<g transform="translate(52 36) scale(0.72)">{sync_arrows(ORANGE, 7)}</g>'
        f'<path d="M8 100 H142 L131 117 H19 Z" fill="url(#base)" stroke="{BORDER}" stroke-linejoin="round"/>'
        f'<rect x="62" y="104" width="26" height="5" rx="2.5" fill="#9cc3e6"/>'
    )
    if port:
        drawing += f'<rect x="11" y="106" width="5" height="8" rx="1" fill="{CABLE}"/>'
    return drawing


def netbook_defs():
    return (
        vgrad("lid", BLUE, DEEP)
        + vgrad("scr", PALE, LIGHT)
        + vgrad("base", "#fbfdff", "#d6e6f3")
    )


def header_pictures():
    """iconlaptop.png (the device beside the gauge) and media.png (the
    category picture of the media view: one tile per category, in the
    gauge's colours)."""
    body = (
        f'<ellipse cx="40" cy="62" rx="34" ry="3" fill="{DEEP}" opacity="0.12"/>'
        f'<g transform="translate(-2.8 -5.4) scale(0.57)">{netbook(port=False)}</g>'
    )
    write("iconlaptop", svg(80, 69, body, netbook_defs()))

    tiles = [("blue", glyph_picture), ("red", glyph_note), ("green", glyph_film)]
    defs = shadow("sh", 1.5, 1.2, 0.25)
    body = ""
    for i, (colour, glyph) in enumerate(tiles):
        top, bottom, _ = SEGMENTS[colour]
        defs += vgrad(f"t{i}", top, bottom)
        x = 1 + i * 44
        body += (
            f'<g filter="url(#sh)"><rect x="{x}" y="1" width="40" height="40" rx="9" fill="url(#t{i})"/></g>'
            f'<rect x="{x}" y="1" width="40" height="18" rx="9" fill="{WHITE}" opacity="0.14"/>'
            f'<g transform="translate({x + 6} 7) scale(1.17)">{glyph(WHITE, WHITE)}</g>'
        )
    write("media", svg(130, 46, body, defs))


# ---------------------------------------------------------------- buttons
# Light faces, so that the dark button text reads in every state: normal is
# a white-to-pale face, hover a bluer face with a stronger edge and a soft
# ring, pressed an inverted, sunken face.

FACES = {
    "normal": dict(top=WHITE, bottom="#deecf8", edge="#7fb0dd", ring=None, sunken=False),
    "hover": dict(top=WHITE, bottom="#c8e2f7", edge=BLUE, ring=BLUE, sunken=False),
    "pressed": dict(top="#a4c9ec", bottom="#d5e8f8", edge=MID, ring=None, sunken=True),
    "disabled": dict(top="#f4f6f8", bottom="#e6eaee", edge="#c3ccd5", ring=None, sunken=False),
}


def face(width, height, radius, state):
    """A rounded button face filling width x height, with room for a
    one-pixel shadow or ring."""
    look = FACES[state]
    defs = vgrad("face", look["top"], look["bottom"])
    body = ""
    if look["ring"]:
        body += (
            f'<rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="{radius + 0.5}" '
            f'fill="none" stroke="{look["ring"]}" stroke-opacity="0.3"/>'
        )
    elif not look["sunken"] and state != "disabled":
        body += (
            f'<rect x="1" y="2" width="{width - 2}" height="{height - 2}" rx="{radius}" '
            f'fill="{DEEP}" opacity="0.16"/>'
        )
    body += (
        f'<rect x="1.5" y="1.5" width="{width - 3}" height="{height - 3}" rx="{radius}" '
        f'fill="url(#face)" stroke="{look["edge"]}"/>'
    )
    if look["sunken"]:
        body += (
            f'<path d="M{2 + radius} 3 H{width - 2 - radius}" stroke="{DEEP}" '
            f'stroke-opacity="0.3" stroke-width="2"/>'
        )
    else:
        body += (
            f'<path d="M{2 + radius} 2.5 H{width - 2 - radius}" stroke="{WHITE}" stroke-width="1"/>'
        )
    return defs, body


def glyph_colour(state):
    return {"normal": MID, "hover": DEEP, "pressed": DEEP, "disabled": "#b3bec9"}[state]


def push_buttons():
    """disconnect (also the progress dialog's Cancel), options (its text sits
    15 px left of centre, leaving room for the drop-down mark) and back2main
    (a back mark at the left)."""
    suffixes = {"normal": "", "hover": "_hover", "pressed": "_pressed"}
    for state, suffix in suffixes.items():
        defs, body = face(150, 30, 6, state)
        write("disconnect" + suffix, svg(150, 30, body, defs))

        defs, body = face(147, 30, 6, state)
        shift = 1 if state == "pressed" else 0
        body += (
            f'<path d="M{120 + shift} {13 + shift} h10 l-5 6 z" fill="{glyph_colour(state)}"/>'
            f'<path d="M112.5 8 V23" stroke="{LIGHT}"/>'
        )
        write("options" + suffix, svg(147, 30, body, defs))

        defs, body = face(200, 30, 6, state)
        body += (
            f'<path d="M{20 + shift} {9 + shift} l-6 6 l6 6" fill="none" stroke="{glyph_colour(state)}" '
            f'stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>'
        )
        write("back2main" + suffix.replace("_", "-"), svg(200, 30, body, defs))


def arrow_buttons():
    """right_arrow and left_arrow, 44 x 44 round buttons between the panes."""
    looks = {
        "": dict(top=BLUE, bottom=DEEP, edge="#174377", arrow=WHITE, ring=None, dy=0, shade=True),
        "_hover": dict(top="#5aaaf0", bottom=MID, edge=DEEP, arrow=WHITE, ring=ORANGE, dy=0, shade=True),
        "_pressed": dict(top=DEEP, bottom=MID, edge="#143a69", arrow="#e3effa", ring=None, dy=1, shade=False),
        "_disabled": dict(top="#e8edf2", bottom="#d0d9e1", edge="#bcc7d1", arrow="#f8fafc", ring=None, dy=0, shade=False),
    }
    for suffix, look in looks.items():
        defs = vgrad("ball", look["top"], look["bottom"]) + shadow("sh", 1.5, 1.2, 0.3)
        ball = f'<circle cx="22" cy="{21 + look["dy"]}" r="18.5" fill="url(#ball)" stroke="{look["edge"]}"/>'
        if look["shade"]:
            ball = f'<g filter="url(#sh)">{ball}</g>'
        ring = ""
        if look["ring"]:
            ring = f'<circle cx="22" cy="21" r="20.5" fill="none" stroke="{look["ring"]}" stroke-width="2"/>'
        gloss = f'<ellipse cx="22" cy="{13 + look["dy"]}" rx="12" ry="6.5" fill="{WHITE}" opacity="0.18"/>'
        arrow = (
            f'<path d="M13 {21 + look["dy"]} H29 M23 {14 + look["dy"]} L30 {21 + look["dy"]} '
            f'L23 {28 + look["dy"]}" fill="none" stroke="{look["arrow"]}" stroke-width="4" '
            f'stroke-linecap="round" stroke-linejoin="round"/>'
        )
        write("right_arrow" + suffix, svg(44, 44, ball + ring + gloss + arrow, defs))
        mirrored = f'<g transform="translate(44 0) scale(-1 1)">{arrow}</g>'
        write("left_arrow" + suffix, svg(44, 44, ball + ring + gloss + mirrored, defs))


def glyph_folder_add(colour, accent):
    return (
        f'<path d="M3 7.5 A1.5 1.5 0 0 1 4.5 6 H9 L11 8 H19.5 A1.5 1.5 0 0 1 21 9.5 V18.5 '
        f'A1.5 1.5 0 0 1 19.5 20 H4.5 A1.5 1.5 0 0 1 3 18.5 Z" fill="{colour}"/>'
        f'<circle cx="18" cy="17" r="5.2" fill="{accent}" stroke="{WHITE}" stroke-width="1.4"/>'
        f'<path d="M18 14.2 V19.8 M15.2 17 H20.8" stroke="{WHITE}" stroke-width="1.8" stroke-linecap="round"/>'
    )


def glyph_trash(colour, accent):
    return (
        f'<path d="M5 7 H19" stroke="{accent}" stroke-width="2.2" stroke-linecap="round"/>'
        f'<path d="M9.5 6.5 V4.5 H14.5 V6.5" fill="none" stroke="{accent}" stroke-width="1.8"/>'
        f'<path d="M6.5 9 H17.5 L16.5 20 A1.5 1.5 0 0 1 15 21.3 H9 A1.5 1.5 0 0 1 7.5 20 Z" fill="{colour}"/>'
        f'<path d="M10 11.5 V18.5 M14 11.5 V18.5" stroke="{WHITE}" stroke-width="1.4" stroke-linecap="round"/>'
    )


def folder_buttons():
    """add_* (new folder on the device) and remove_* (delete), 34 x 34."""
    colours = {
        "normal": (MID, ORANGE),
        "hover": (DEEP, ORANGE),
        "pressed": (DEEP, ORANGE_DARK),
        "disabled": ("#bcc6d0", "#d3dae1"),
    }
    for state, (colour, accent) in colours.items():
        defs, body = face(34, 34, 6, state)
        shift = 1 if state == "pressed" else 0
        for name, glyph in (("add", glyph_folder_add), ("remove", glyph_trash)):
            inner = f'<g transform="translate({5 + shift} {4.5 + shift})">{glyph(colour, accent)}</g>'
            write(f"{name}_{state}", svg(34, 34, body + inner, defs))


def view_buttons():
    """view_icons and view_details: 16 x 16 glyphs of the buttons under a
    pane's files that show them as icons or as a table of details."""
    tiles = "".join(
        f'<rect x="{x}" y="{y}" width="5" height="5" rx="1" fill="{MID}"/>' for x in (2, 9) for y in (2, 9)
    )
    write("view_icons", svg(16, 16, tiles))
    rows = "".join(
        f'<rect x="2" y="{y}" width="3" height="3" rx="0.5" fill="{MID}"/>'
        f'<rect x="6.5" y="{y + 0.75}" width="7.5" height="1.5" fill="{DEEP}"/>'
        for y in (2.5, 6.5, 10.5)
    )
    write("view_details", svg(16, 16, rows))


# ---------------------------------------------------------------- main menu

def gear(cx, cy, outer, inner, teeth):
    points = []
    for i in range(teeth * 4):
        radius = outer if i % 4 in (1, 2) else inner
        angle = 2 * math.pi * i / (teeth * 4) - math.pi / 2
        points.append(f"{cx + radius * math.cos(angle):.2f},{cy + radius * math.sin(angle):.2f}")
    return " ".join(points)


def symbol_media(tile):
    return (
        f'<g transform="rotate(-9 44 50)">'
        f'<rect x="24" y="30" width="46" height="36" rx="4" fill="{WHITE}"/>'
        f'<rect x="29" y="35" width="36" height="24" rx="1.5" fill="{LIGHT}"/>'
        f'<path d="M29 59 L41 45 L49 53 L54 48 L65 59 Z" fill="{tile}"/>'
        f'<circle cx="57" cy="41" r="3.4" fill="{ORANGE}"/></g>'
        f'<path d="M70 72 V42 L88 37 V66" fill="none" stroke="{WHITE}" stroke-width="4" stroke-linejoin="round"/>'
        f'<ellipse cx="65.5" cy="73" rx="6.5" ry="5" fill="{WHITE}"/>'
        f'<ellipse cx="83.5" cy="67.5" rx="6.5" ry="5" fill="{WHITE}"/>'
        f'<circle cx="46" cy="76" r="12" fill="{ORANGE}" stroke="{WHITE}" stroke-width="2.5"/>'
        f'<path d="M42.5 70 L52 76 L42.5 82 Z" fill="{WHITE}"/>'
    )


def symbol_apps(_tile):
    cells = ""
    for i, (x, y) in enumerate(((33, 29), (61, 29), (33, 57), (61, 57))):
        colour = ORANGE if i == 1 else WHITE
        cells += f'<rect x="{x}" y="{y}" width="24" height="24" rx="6" fill="{colour}"/>'
    return cells


def symbol_backup(tile):
    return (
        f'<rect x="30" y="48" width="58" height="34" rx="4" fill="{WHITE}"/>'
        f'<rect x="27" y="40" width="64" height="12" rx="3" fill="{WHITE}"/>'
        f'<rect x="27" y="50" width="64" height="3" fill="{tile}" opacity="0.3"/>'
        f'<rect x="49" y="58" width="20" height="6" rx="3" fill="{tile}"/>'
        f'<path d="M45 31 A16 16 0 0 1 76 27" fill="none" stroke="{ORANGE}" stroke-width="5" stroke-linecap="round"/>'
        f'<path d="M36 26 L46 40 L52 25 Z" fill="{ORANGE}"/>'
    )


def symbol_update(tile):
    return (
        f'<polygon points="{gear(52, 54, 27, 20.5, 9)}" fill="{WHITE}" stroke="{WHITE}" stroke-width="3" '
        f'stroke-linejoin="round"/>'
        f'<circle cx="52" cy="54" r="8.5" fill="{tile}"/>'
        f'<circle cx="77" cy="75" r="14" fill="{ORANGE}" stroke="{WHITE}" stroke-width="3"/>'
        f'<path d="M77 83 V68 M71 73.5 L77 67.5 L83 73.5" fill="none" stroke="{WHITE}" stroke-width="3.4" '
        f'stroke-linecap="round" stroke-linejoin="round"/>'
    )


def menu_icons():
    """icon_media, icon_app, icon_bak_restore, icon_update: 118 x 118 tiles
    in the application icon's style. Hover brightens the tile and rings it
    in orange; pressed darkens it and lowers it onto its shadow."""
    looks = {
        "": dict(top=BLUE, bottom=DEEP, dy=0, shade=(3, 3, 0.35), ring=False),
        "_hover": dict(top="#5cb0f5", bottom=MID, dy=-1, shade=(4, 4, 0.4), ring=True),
        "_pressed": dict(top=MID, bottom="#173f73", dy=2, shade=(1, 1.5, 0.35), ring=False),
    }
    symbols = {
        "icon_media": symbol_media,
        "icon_app": symbol_apps,
        "icon_bak_restore": symbol_backup,
        "icon_update": symbol_update,
    }
    for suffix, look in looks.items():
        dy, blur, opacity = look["shade"]
        defs = vgrad("tile", look["top"], look["bottom"]) + shadow("sh", dy, blur, opacity)
        top = 6 + look["dy"]
        tile = (
            f'<g filter="url(#sh)"><rect x="9" y="{top}" width="100" height="100" rx="22" fill="url(#tile)"/></g>'
            f'<rect x="9" y="{top}" width="100" height="50" rx="22" fill="{WHITE}" opacity="0.1"/>'
        )
        if look["ring"]:
            tile += (
                f'<rect x="6.5" y="{top - 2.5}" width="105" height="105" rx="24.5" fill="none" '
                f'stroke="{ORANGE}" stroke-width="3"/>'
            )
        for name, symbol in symbols.items():
            inner = f'<g transform="translate(7 {top - 2})">{symbol(look["bottom"])}</g>'
            write(name + suffix, svg(118, 118, tile + inner, defs))


# ---------------------------------------------------------------- media window

def tabs():
    """Category tabs, 164 x 38. The text is drawn 23 px right of centre and
    5 px above it, so the glyph sits in the left 46 px and the face in the
    top 27 px; the selected tab points down at its panes."""
    looks = {
        "_up": dict(top="#fbfdff", bottom="#e1eef9", edge="#a9cbea", glyph="#5b8fc4", accent="#9dbfe0", mark=False),
        "_hover": dict(top=WHITE, bottom="#cfe6f9", edge=BLUE, glyph=MID, accent=ORANGE, mark=False),
        "_down": dict(top="#e3f1fc", bottom="#bddcf4", edge=MID, glyph=DEEP, accent=ORANGE, mark=True),
    }
    glyphs = {
        "pictures": glyph_picture,
        "music": glyph_note,
        "movie": glyph_film,
        "doc": glyph_document,
        "favorites": glyph_star,
    }
    for suffix, look in looks.items():
        defs = vgrad("face", look["top"], look["bottom"])
        body = (
            f'<rect x="1.5" y="1.5" width="161" height="26" rx="7" fill="url(#face)" stroke="{look["edge"]}"/>'
            f'<path d="M8 2.5 H156" stroke="{WHITE}"/>'
        )
        if look["mark"]:
            body += (
                f'<rect x="2" y="24" width="160" height="3" fill="{ORANGE}"/>'
                f'<path d="M72 27 H92 L82 35 Z" fill="{ORANGE}"/>'
            )
        for name, glyph in glyphs.items():
            inner = f'<g transform="translate(13 3) scale(0.92)">{glyph(look["glyph"], look["accent"])}</g>'
            write(name + suffix, svg(164, 38, body + inner, defs))


def media_background():
    """media_bg.png, the media window's panel: cut at its centre (40, 40)
    and stretched in steps of 10, so it is flat around its middle lines."""
    defs = vgrad("panel", (0, "#f6fafd"), (0.35, WHITE), (1, WHITE))
    body = (
        f'<rect x="1" y="2" width="78" height="78" rx="9" fill="{DEEP}" opacity="0.08"/>'
        f'<rect x="0.5" y="0.5" width="79" height="78" rx="8" fill="url(#panel)" stroke="{LIGHT}"/>'
    )
    write("media_bg", svg(80, 80, body, defs))


# ---------------------------------------------------------------- copy dialog

def progress_dialog():
    """copy_progress_bg.png (570 x 185) and the bar images bar_empty and
    bar_full (518 x 40): the bar shows the full image left of the progress
    and the empty one right of it, so both share one outline."""
    defs = (
        vgrad("bg", (0, WHITE), (0.55, "#f6fafd"), (1, "#e4f0fa"))
        + vgrad("accent", BLUE, DEEP)
    )
    body = (
        f'<rect width="570" height="185" fill="url(#bg)"/>'
        f'<rect width="570" height="4" fill="url(#accent)"/>'
        f'<g transform="translate(518 8) scale(0.62)" opacity="0.16">{sync_arrows(BLUE, 6)}</g>'
    )
    write("copy_progress_bg", svg(570, 185, body, defs))

    outline = 'x="0.5" y="4.5" width="517" height="31" rx="9"'
    defs = vgrad("trough", "#d9e6f1", "#f5f9fc")
    body = (
        f'<rect {outline} fill="url(#trough)" stroke="#a9c6e0"/>'
        f'<path d="M9 6 H509" stroke="{DEEP}" stroke-opacity="0.12" stroke-width="1.5"/>'
    )
    write("bar_empty", svg(518, 40, body, defs))

    stripes = (
        '<pattern id="stripes" width="16" height="40" patternUnits="userSpaceOnUse" '
        'patternTransform="skewX(-30)">'
        f'<rect width="8" height="40" fill="{WHITE}" opacity="0.1"/></pattern>'
    )
    defs = (
        vgrad("fill", "#63b0f2", BLUE, MID)
        + vgrad("gloss", (0, WHITE, 0.5), (1, WHITE, 0.05))
        + stripes
    )
    body = (
        f'<rect {outline} fill="url(#fill)" stroke="{DEEP}"/>'
        f'<rect {outline} fill="url(#stripes)"/>'
        f'<rect x="2" y="6" width="514" height="13" rx="7" fill="url(#gloss)"/>'
    )
    write("bar_full", svg(518, 40, body, defs))


# ---------------------------------------------------------------- status panel
# Every picture of the panel is 130 px high with the cable at y = 110, so
# that the pieces line up in each state: PC 150 + 240 + device 150, where
# the 240 are cable 60 + animation 120 + cable 60, the data-collection
# animation, or the spacer beside the search animation.

CABLE_Y = 110


def status_defs():
    return netbook_defs() + vgrad("metal", "#f3f7fa", "#c3d1de")


def cable(x1, x2):
    return (
        f'<path d="M{x1} {CABLE_Y} H{x2}" stroke="{CABLE}" stroke-width="6"/>'
        f'<path d="M{x1} {CABLE_Y - 1.5} H{x2}" stroke="{CABLE_LIGHT}" stroke-width="1.2"/>'
    )


def plug(x):
    """A cable from the left edge ending in a plug whose tip ends at x + 31."""
    return (
        cable(0, x + 2)
        + f'<rect x="{x + 19}" y="105.5" width="12" height="9" rx="1" fill="#cfd8e0" stroke="#8394a5"/>'
        + f'<rect x="{x + 23}" y="108" width="2" height="2" fill="#8394a5"/>'
        + f'<rect x="{x + 27}" y="108" width="2" height="2" fill="#8394a5"/>'
        + f'<rect x="{x}" y="103" width="20" height="14" rx="3" fill="url(#metal)" stroke="#7f93a7"/>'
        + f'<path d="M{x + 6} 106 V114 M{x + 10} 106 V114" stroke="#a4b4c3"/>'
    )


def socket(x, right):
    """A socket at x..x + 22 on a cable running to `right`; its opening takes
    a plug tip up to x + 8."""
    return (
        cable(x + 20, right)
        + f'<rect x="{x}" y="102" width="22" height="16" rx="3" fill="url(#metal)" stroke="#7f93a7"/>'
        + f'<rect x="{x + 1.5}" y="105" width="7" height="10" rx="1" fill="#3d4d5c"/>'
    )


def pc_picture():
    screen_windows = (
        f'<rect x="28.5" y="22.5" width="56" height="38" rx="2" fill="{WHITE}" stroke="{LIGHT}"/>'
        f'<path d="M28.5 30 V24.5 A2 2 0 0 1 30.5 22.5 H82.5 A2 2 0 0 1 84.5 24.5 V30 Z" fill="{BLUE}"/>'
        f'<rect x="64.5" y="42.5" width="56" height="36" rx="2" fill="{WHITE}" stroke="{LIGHT}"/>'
        f'<path d="M64.5 50 V44.5 A2 2 0 0 1 66.5 42.5 H118.5 A2 2 0 0 1 120.5 44.5 V50 Z" fill="{ORANGE}"/>'
        f'<path d="M71 57 H108 M71 63 H114 M71 69 H100" stroke="{LIGHT}" stroke-width="2.5" stroke-linecap="round"/>'
    )
    return (
        f'<ellipse cx="75" cy="123" rx="44" ry="3.5" fill="{DEEP}" opacity="0.12"/>'
        + cable(80, 150)
        + f'<path d="M67 98 H83 L86 114 H64 Z" fill="url(#metal)" stroke="{BORDER}"/>'
        f'<rect x="44.5" y="113.5" width="61" height="7" rx="3.5" fill="url(#metal)" stroke="{BORDER}"/>'
        f'<rect x="8" y="4" width="134" height="96" rx="7" fill="url(#lid)"/>'
        f'<rect x="15" y="11" width="120" height="80" rx="2" fill="url(#scr)"/>'
        + screen_windows
        + f'<rect x="15" y="11" width="120" height="34" rx="2" fill="{WHITE}" opacity="0.2"/>'
        f'<circle cx="75" cy="95.5" r="1.6" fill="#9cc3e6"/>'
    )


def device_picture():
    return (
        f'<ellipse cx="75" cy="121" rx="62" ry="3.5" fill="{DEEP}" opacity="0.12"/>'
        + netbook()
        + cable(0, 6)
        + '<rect x="3.5" y="105.5" width="9" height="9" rx="1.5" fill="url(#metal)" stroke="#7f93a7"/>'
    )


def status_pictures():
    defs = status_defs()
    write("pc", svg(150, 130, pc_picture(), defs))
    write("netbook", svg(150, 130, device_picture(), defs))
    write("cable", svg(60, 130, cable(0, 60), defs))
    dashes = (
        f'<path d="M52 {CABLE_Y} H232" stroke="{LIGHT}" stroke-width="4" stroke-linecap="round" '
        f'stroke-dasharray="0.1 12"/>'
    )
    write("space", svg(240, 130, plug(8) + dashes, defs))


def frames(name, count, delay, draw, width):
    """Writes an animation as frame SVGs over the content colour, which the
    renderer makes transparent."""
    for frame in range(count):
        body = f'<rect width="{width}" height="130" fill="{CONTENT}"/>' + draw(frame / count)
        write(f"anim/{name}/{frame:02d}", svg(width, 130, body, status_defs()))
    folder = os.path.join(SRC, "anim", name)
    with open(os.path.join(folder, "delay"), "w", encoding="utf-8") as out:
        out.write(f"{delay}\n")
    with open(os.path.join(folder, "matte"), "w", encoding="utf-8") as out:
        out.write(f"{CONTENT}\n")


def ease(t):
    """0 -> 1 -> 0 over one loop, resting briefly at both ends."""
    return (1 - math.cos(2 * math.pi * t)) / 2


def warning_sign(scale, halo):
    cx, cy = 60, 74
    triangle = (
        f'<path d="M{cx} {cy - 19} L{cx + 21} {cy + 17} H{cx - 21} Z" fill="{ORANGE}" '
        f'stroke="{ORANGE_DARK}" stroke-width="2.5" stroke-linejoin="round"/>'
        f'<path d="M{cx} {cy - 7} V{cy + 5}" stroke="{WHITE}" stroke-width="4.5" stroke-linecap="round"/>'
        f'<circle cx="{cx}" cy="{cy + 11}" r="2.6" fill="{WHITE}"/>'
    )
    return (
        f'<circle cx="{cx}" cy="{cy + 2}" r="{22 + 14 * halo:.2f}" fill="none" stroke="{ORANGE}" '
        f'stroke-width="3" opacity="{0.45 * (1 - halo):.2f}"/>'
        f'<g transform="translate({cx} {cy}) scale({scale:.3f}) translate({-cx} {-cy})">{triangle}</g>'
    )


def magnifier(t):
    angle = 2 * math.pi * t
    x, y = 75 + 16 * math.cos(angle), 56 + 12 * math.sin(angle)
    return (
        f'<g transform="translate({x:.2f} {y:.2f})">'
        f'<path d="M10 10 L22 22" stroke="{ORANGE}" stroke-width="7" stroke-linecap="round"/>'
        f'<circle r="14" fill="{WHITE}" fill-opacity="0.6" stroke="{DEEP}" stroke-width="4.5"/>'
        f'<path d="M-8 -3 A8.5 8.5 0 0 1 -2 -8.5" fill="none" stroke="{BLUE}" stroke-width="2.5" '
        f'stroke-linecap="round"/></g>'
    )


def data_dots(t):
    dots = ""
    for k in range(9):
        x = k * 30 - 30 * t + 6
        if 92 <= x <= 148 or x < 4 or x > 236:
            continue
        dots += (
            f'<circle cx="{x:.2f}" cy="{CABLE_Y}" r="4" fill="{ORANGE}" stroke="{WHITE}" stroke-width="1.2"/>'
        )
    return dots


def status_animations():
    """disconnected_anim: the plug reaches for the socket and draws back;
    problem_anim: a pulsing warning sign between the parted ends;
    search_anim: a magnifier circling over a faint device; cable: data
    travelling from the device to the PC through the joined plug."""
    frames(
        "disconnected_anim", 12, 10,
        lambda t: socket(76, 120) + plug(14 + 26 * ease(t)),
        120,
    )
    frames(
        "problem_anim", 12, 9,
        lambda t: socket(80, 120) + plug(10) + warning_sign(0.9 + 0.14 * ease(t), t),
        120,
    )
    frames(
        "search_anim", 16, 8,
        lambda t: f'<g opacity="0.3">{netbook(port=False)}</g>' + magnifier(t),
        150,
    )
    frames(
        "cable", 12, 8,
        lambda t: socket(120, 240) + plug(97) + data_dots(t),
        240,
    )


# ---------------------------------------------------------------- bookmarks

def globe(badge):
    defs = vgrad("globe", "#5aa8ec", DEEP)
    body = (
        f'<circle cx="7.5" cy="7.5" r="6.5" fill="url(#globe)" stroke="{DEEP}"/>'
        f'<g fill="none" stroke="{WHITE}" stroke-opacity="0.8" stroke-width="0.9">'
        f'<ellipse cx="7.5" cy="7.5" rx="2.8" ry="6.3"/><path d="M1.2 7.5 H13.8 M2.3 4.3 H12.7 M2.3 10.7 H12.7"/></g>'
    )
    if badge:
        body += f'<circle cx="12.3" cy="12.3" r="3.3" fill="{badge}" stroke="{WHITE}" stroke-width="1.3"/>'
    return defs, body


def bookmark_icons():
    """bookmarks/*: 16 x 16 tree icons. The browser roots are plain globes
    told apart by a coloured badge, not the browsers' own marks."""
    for name, badge in (("IE", LIGHT), ("Firefox", ORANGE), ("Chrome", SEGMENTS["red"][1]),
                        ("Safari", SEGMENTS["green"][1])):
        defs, body = globe(badge)
        write(f"bookmarks/{name}", svg(16, 16, body, defs))
    defs, small = globe(None)
    body = (
        f'<path d="M2.5 0.5 H9.5 L13.5 4.5 V15.5 H2.5 Z" fill="{WHITE}" stroke="#7fa6cc"/>'
        f'<path d="M9.5 0.5 V4.5 H13.5" fill="{PALE}" stroke="#7fa6cc"/>'
        f'<path d="M4.5 4.5 H7.5" stroke="{LIGHT}"/>'
        f'<g transform="translate(5.2 6.6) scale(0.62)">{small}</g>'
    )
    write("bookmarks/web_file", svg(16, 16, body, defs))


def file_icon():
    """file: 256 x 256, a file of a type the desktop has no icon for, in the
    file lists, drawn on a 48 grid: as large as the largest thumbnail, since
    an icon is never drawn larger than its image. A page like the
    bookmark's, with text lines."""
    body = (
        f'<path d="M9.5 3.5 H29.5 L39.5 13.5 V44.5 H9.5 Z" fill="{WHITE}" stroke="#7fa6cc" '
        f'stroke-width="1.5" stroke-linejoin="round"/>'
        f'<path d="M29.5 3.5 V13.5 H39.5" fill="{PALE}" stroke="#7fa6cc" stroke-width="1.5" '
        f'stroke-linejoin="round"/>'
        f'<path d="M15 21 H34 M15 27 H34 M15 33 H34 M15 39 H26" stroke="{LIGHT}" stroke-width="2" '
        f'stroke-linecap="round"/>'
    )
    write("file", svg(256, 256, f'<g transform="scale({256 / 48:.4f})">{body}</g>'))


def clean():
    """Removes what an earlier run wrote, so a dropped image leaves no
    stale source behind."""
    for root, _dirs, files in os.walk(SRC):
        for name in files:
            path = os.path.join(root, name)
            if path != os.path.join(SRC, "icon.svg"):
                os.remove(path)
    for sub in ("anim", "bookmarks"):
        shutil.rmtree(os.path.join(SRC, sub), ignore_errors=True)


def main():
    clean()
    main_background()
    for colour in SEGMENTS:
        gauge_segment(colour)
        legend_swatch(colour)
    header_pictures()
    push_buttons()
    menu_icons()
    tabs()
    arrow_buttons()
    folder_buttons()
    view_buttons()
    media_background()
    progress_dialog()
    status_pictures()
    status_animations()
    bookmark_icons()
    file_icon()


if __name__ == "__main__":
    main()

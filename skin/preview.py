#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Composes mock screens from the rendered images in res/, painted the way
the program paints them (nine-part backgrounds with their strips, the
segmented gauge, stretched buttons with offset text), so that a skin change
can be looked at before the program is built:

    /usr/bin/python3 preview.py OUTPUT_FOLDER

The widget positions only approximate the real layouts; the painting of
each skinned piece follows the widgets' own rules. DejaVu Sans stands in for
Verdana when Verdana is not installed.
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, "res")
CONVERT = "/usr/bin/convert"
TEXT = "rgb(77,77,77)"
REGULAR = "DejaVu-Sans"
BOLD = "DejaVu-Sans-Bold"


def size_of(name):
    out = subprocess.run(
        [CONVERT, os.path.join(RES, name), "-format", "%w %h", "info:"],
        check=True, capture_output=True, text=True,
    ).stdout
    width, height = out.split()
    return int(width), int(height)


def pixels(points):
    """Point size at 96 dots per inch, the program's forced resolution."""
    return points * 96 / 72


def text_width(text, points, font):
    out = subprocess.run(
        [CONVERT, "-font", font, "-pointsize", f"{pixels(points):.2f}", f"label:{text}",
         "-format", "%w", "info:"],
        check=True, capture_output=True, text=True,
    ).stdout
    return int(out)


class Canvas:
    def __init__(self, width, height, colour):
        self.args = [CONVERT, "-size", f"{width}x{height}", f"xc:{colour}"]

    def image(self, name, x, y, crop=None, resize=None):
        """Draws res/name at (x, y), optionally a crop (w, h, cx, cy) of it,
        stretched to resize (w, h) without smoothing."""
        sub = ["(", os.path.join(RES, name)]
        if crop:
            width, height, cx, cy = crop
            sub += ["-crop", f"{width}x{height}+{cx}+{cy}", "+repage"]
        if resize:
            sub += ["-filter", "point", "-resize", f"{resize[0]}x{resize[1]}!"]
        sub.append(")")
        self.args += sub + ["-geometry", f"+{x}+{y}", "-composite"]

    def rect(self, x1, y1, x2, y2, fill, stroke="none"):
        self.args += ["-fill", fill, "-stroke", stroke, "-draw", f"rectangle {x1},{y1} {x2},{y2}",
                      "-stroke", "none"]

    def text(self, x, baseline, text, points, font=REGULAR, colour=TEXT):
        self.args += ["-font", font, "-pointsize", f"{pixels(points):.2f}", "-fill", colour,
                      "-annotate", f"+{x}+{baseline}", text.replace("%", "%%")]

    def caption(self, x, y, width, text, points, font=REGULAR, colour=TEXT, centre=False):
        sub = ["(", "-size", f"{width}x", "-background", "none", "-font", font,
               "-pointsize", f"{pixels(points):.2f}", "-fill", colour]
        if centre:
            sub += ["-gravity", "center"]
        sub += [f"caption:{text}", ")", "+gravity"]
        self.args += sub + ["-geometry", f"+{x}+{y}", "-composite"]

    def save(self, path):
        subprocess.run(self.args + [path], check=True)


def nine_part(canvas, name, left, top, width, height, cut_x, cut_y, step_x, step_y):
    """The resizable background: fill, edge strips repeated from the row and
    column through the cut point, and the four corners flush with their
    corners."""
    image_w, image_h = size_of(name)
    right_w, bottom_h = image_w - cut_x, image_h - cut_y
    fill = subprocess.run(
        [CONVERT, os.path.join(RES, name), "-format", f"%[pixel:p{{{cut_x},{cut_y}}}]", "info:"],
        check=True, capture_output=True, text=True,
    ).stdout
    canvas.rect(left + cut_x, top + cut_y, left + width - 1 - right_w, top + height - 1 - bottom_h, fill)
    for k in range((height - image_h) // step_y + 1):
        y = top + cut_y + step_y * k
        canvas.image(name, left, y, (cut_x, 1, 0, cut_y), (cut_x, step_y))
        canvas.image(name, left + width - right_w, y, (right_w, 1, cut_x, cut_y), (right_w, step_y))
    for k in range((width - image_w) // step_x + 1):
        x = left + cut_x + step_x * k
        canvas.image(name, x, top, (1, cut_y, cut_x, 0), (step_x, cut_y))
        canvas.image(name, x, top + height - bottom_h, (1, bottom_h, cut_x, cut_y), (step_x, bottom_h))
    canvas.image(name, left, top, (cut_x, cut_y, 0, 0))
    canvas.image(name, left + width - right_w, top, (right_w, cut_y, cut_x, 0))
    canvas.image(name, left, top + height - bottom_h, (cut_x, bottom_h, 0, cut_y))
    canvas.image(name, left + width - right_w, top + height - bottom_h, (right_w, bottom_h, cut_x, cut_y))


def gauge(canvas, left, top, width, percents):
    """The storage gauge: a 5-column left end, 1-2 starting columns per
    segment, column 7 repeated for the body and an 8-column right end."""
    names = ["progress_blue", "progress_red", "progress_green", "progress_orange", "progress_gray"]
    values = [p * 10 for p in percents]
    values.append(1000 - sum(values))
    usable = width - 11
    x = 0
    for name, value in zip(names, values):
        image = name + ".png"
        image_w, image_h = size_of(image)
        v = int(value)
        p = int(v / 1000 * usable)
        if v <= 0 or p <= 0:
            continue
        if x == 0:
            canvas.image(image, left, top, (5, image_h, 0, 0))
            x = 5
        k = 1 if p == 1 else 2
        canvas.image(image, left + x, top, (k, image_h, 5, 0))
        x += k
        last = x + (p - k) >= usable - 2
        fill = p - k - (2 if last else 0)
        if fill > 0:
            canvas.image(image, left + x, top, (1, image_h, 7, 0), (fill, image_h))
        x += fill
        if last:
            canvas.image(image, left + x, top, (8, image_h, image_w - 8, 0))


def button(canvas, image, left, top, width, height, text="", points=9, offset=(0, 0)):
    """A skinned button: its image stretched over it, the text centred with
    the offset, baseline = ascent + dy + (height - ascent) / 2 - descent."""
    canvas.image(image, left, top, resize=(width, height))
    if text:
        ascent, descent = round(pixels(points) * 0.93), round(pixels(points) * 0.24)
        text_w = text_width(text, points, BOLD)
        x = max(0, (width - text_w) // 2) + offset[0]
        baseline = ascent + offset[1] + (height - ascent) // 2 - descent
        canvas.text(left + x, top + baseline, text, points, BOLD)


def frame(name, index):
    """One frame of an animation, extracted to a temporary PNG in res/'s
    sibling folder of the output."""
    path = os.path.join(OUT, f".{name}-{index}.png")
    subprocess.run([CONVERT, os.path.join(RES, name + ".gif") + f"[{index}]", "+repage", path], check=True)
    return os.path.relpath(path, RES)


def main_window(width, height, header_h, connected, label):
    canvas = Canvas(width, height, "black")
    nine_part(canvas, "bg.png", 0, 0, width, height, 540, 391, 10, 10)
    canvas.image("iconlaptop.png", 8, 5)
    legend_x = width - 8 - 215
    gauge_x = 104
    gauge(canvas, gauge_x, 8, legend_x - 14 - gauge_x, [22, 9, 14, 10] if connected else [0, 0, 0, 0])
    total, used = ("8.0", "3.1 GB (38.8 %)") if connected else ("0.0", "0.0 GB (0.0 %)")
    canvas.text(gauge_x + 4, 50, f"OPALO total space: {total} GB", 9, BOLD)
    canvas.text(gauge_x + 4, 68, f"OPALO space used: {used}", 9, BOLD)
    for i, (colour, name) in enumerate(
        (("blue", "Pictures"), ("red", "Music"), ("green", "Video"), ("orange", "Other"), ("gray", "Free space"))
    ):
        canvas.image(f"{colour}_legend.png", legend_x, 8 + 18 * i)
        canvas.text(legend_x + 22, 20 + 18 * i, name, 9)
    canvas.text(8, height - 10, "Vantora OPALO™ Sync v1.0.1.9", 9)
    canvas.text(238, height - 10, f"Status:  {label}", 9)
    button(canvas, "disconnect.png", width - 8 - 150, height - 30, 150, 30,
           "Disconnect" if connected else "Connect")
    return canvas, 3 + header_h, height - 31


def status_screen(width, height, code, index, out):
    labels = {
        0: ("No OPALO™ device detected", "No OPALO™ device connected"),
        1: ("Connecting…", "Searching for an OPALO™ device…"),
        2: ("Connected to OPALO™", "Connection complete. Retrieving the information…"),
        3: ("Connection error", "An error occurred. Please check that the device is properly connected and try again."),
    }
    canvas, top, bottom = main_window(width, height, 102, code == 2, labels[code][0])
    row = {
        0: ["pc.png", "cable.png", frame("disconnected_anim", index), "cable.png", "netbook.png"],
        1: ["pc.png", "space.png", frame("search_anim", index)],
        2: ["pc.png", frame("cable", index), "netbook.png"],
        3: ["pc.png", "cable.png", frame("problem_anim", index), "cable.png", "netbook.png"],
    }[code]
    x = 8 + (width - 16 - 540) // 2
    y = top + (bottom - top - 66 - 130) // 2
    for name in row:
        canvas.image(name, x, y)
        x += size_of(name)[0]
    canvas.caption(8 + (width - 16 - 600) // 2, y + 140, 600, labels[code][1], 20, BOLD, centre=True)
    canvas.save(out)


def menu_screen(width, height, out):
    canvas, top, bottom = main_window(width, height, 102, True, "Connected to OPALO™")
    canvas.text(8, 96, "Main menu", 12, BOLD)
    cells = [
        ("icon_media", "Multimedia", "Easily transfer your photos, videos, music, documents and your "
         "Internet Favorites to or from your OPALO.", "_hover"),
        ("icon_app", "Applications", "Easily install or uninstall applications on your OPALO.", ""),
        ("icon_bak_restore", "Backup and restore", "Easily manage operating system updates for your OPALO.", ""),
        ("icon_update", "System update", "Easily install or uninstall applications on your OPALO.", "_pressed"),
    ]
    cell_w = (width - 16) // 2
    for i, (icon, title, text, state) in enumerate(cells):
        x = 8 + (i % 2) * cell_w + 20
        y = top + 30 + (i // 2) * 150
        canvas.image(f"{icon}{state}.png", x, y)
        canvas.text(x + 130, y + 34, title, 13, BOLD)
        canvas.caption(x + 130, y + 44, cell_w - 170, text, 9)
    canvas.save(out)


def media_screen(width, height, out):
    canvas, top, bottom = main_window(width, height, 125, True, "Connected to OPALO™")
    canvas.image("media.png", 8, 80)
    canvas.text(150, 118, "Transfer media files", 10, BOLD)
    panel_w, panel_h = width - 16, bottom - top
    nine_part(canvas, "media_bg.png", 8, top, panel_w, panel_h, 40, 40, 10, 10)
    tabs = [("pictures", "_down", "Pictures"), ("music", "_hover", "Music"), ("movie", "_up", "Videos"),
            ("doc", "_up", "Documents")]
    for i, (name, state, text) in enumerate(tabs):
        button(canvas, f"{name}{state}.png", 18 + i * 168, top + 8, 164, 38, text, 9, (23, -5))
    pane_w = (panel_w - 20 - 64) // 2
    pane_top, pane_bottom = top + 74, top + panel_h - 50
    right_x = 18 + pane_w + 64
    canvas.text(20, top + 66, "My computer (workstation)", 9, BOLD)
    canvas.text(right_x + 2, top + 66, "My OPALO™ netbook (OPALO Pico HD)", 9, BOLD)
    for x in (18, right_x):
        canvas.rect(x, pane_top, x + pane_w - 1, pane_bottom, "white", "#bcdaf2")
        canvas.rect(x + 1, pane_top + 1, x + 160, pane_bottom - 1, "#f7fbfe")
    middle = 18 + pane_w + 10
    canvas.image("right_arrow.png", middle, (pane_top + pane_bottom) // 2 - 50)
    canvas.image("left_arrow_disabled.png", middle, (pane_top + pane_bottom) // 2 + 6)
    canvas.image("add_normal.png", right_x + pane_w - 76, pane_bottom + 8)
    canvas.image("remove_disabled.png", right_x + pane_w - 36, pane_bottom + 8)
    canvas.save(out)


def progress_screen(out):
    canvas = Canvas(570, 185, "black")
    canvas.image("copy_progress_bg.png", 0, 0)
    canvas.text(26, 24, "Copying the selected file(s)…", 10, BOLD, "rgb(99,99,99)")
    canvas.text(26, 41, "Please wait…", 10, BOLD, "rgb(99,99,99)")
    canvas.text(26, 62, "holiday-2009-beach.jpg", 9)
    filled = int(518 * 0.45)
    canvas.image("bar_full.png", 26, 68, (filled, 40, 0, 0))
    canvas.image("bar_empty.png", 26 + filled, 68, (518 - filled, 40, filled, 0))
    canvas.text(26, 128, "Estimated time remaining: 1:05", 10)
    button(canvas, "disconnect_hover.png", (570 - 137) // 2, 145, 137, 30, "Cancel")
    canvas.save(out)


def main():
    for size in ((783, 559), (1100, 800)):
        tag = f"{size[0]}x{size[1]}"
        for code, index in ((0, 6), (1, 3), (2, 5), (3, 3)):
            status_screen(*size, code, index, os.path.join(OUT, f"status{code}-{tag}.png"))
        menu_screen(*size, os.path.join(OUT, f"menu-{tag}.png"))
        media_screen(*size, os.path.join(OUT, f"media-{tag}.png"))
    progress_screen(os.path.join(OUT, "progress.png"))
    for name in os.listdir(OUT):
        if name.startswith("."):
            os.remove(os.path.join(OUT, name))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: preview.py OUTPUT_FOLDER")
    OUT = os.path.abspath(sys.argv[1])
    os.makedirs(OUT, exist_ok=True)
    main()

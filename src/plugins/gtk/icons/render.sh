#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Renders the menu's SVG icons to the PNG images compiled into the plug-in
# (NAME.png at the SVG's own size, NAME@2x.png for screens scaled to 200 %)
# and rewrites menuIcons.qrc to list them. The plug-in loads no SVG itself:
# Qt reads SVG only through a plug-in of its own that many systems lack, and
# there its menu entries would have no icons. Run it after changing a source
# and commit both the sources and the images.
set -euo pipefail
cd "$(dirname "$0")"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (librsvg2-bin)" >&2; exit 1; }

rm -f pixmaps/*.png
{
    printf '<!DOCTYPE RCC>\n<RCC version="1.0">\n    <qresource prefix="/new/icons">\n'
    for svg in pixmaps/*.svg; do
        name=${svg%.svg}
        rsvg-convert "$svg" -o "$name.png"
        rsvg-convert -z 2 "$svg" -o "$name@2x.png"
        printf '        <file>%s.png</file>\n        <file>%s@2x.png</file>\n' "$name" "$name"
    done
    printf '    </qresource>\n</RCC>\n'
} >menuIcons.qrc.new
mv menuIcons.qrc.new menuIcons.qrc

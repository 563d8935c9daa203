#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Renders the skin's SVG sources to the images compiled into the program and
# rewrites skin.qrc to list every image. Run it after changing a source and
# commit both the sources and the images.
#
#   src/NAME.svg           -> res/NAME.png at the SVG's own size
#   src/icon.svg           -> res/icon_<N>px.png for each icon size
#   src/anim/NAME/*.svg    -> res/NAME.gif, one frame per SVG in name order;
#                             src/anim/NAME/delay holds the frame delay in 1/100 s
set -euo pipefail
cd "$(dirname "$0")"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (librsvg2-bin)" >&2; exit 1; }
convert=/usr/bin/convert
[ -x "$convert" ] || { echo "ImageMagick missing (imagemagick)" >&2; exit 1; }

mkdir -p res
for svg in src/*.svg; do
    name=$(basename "$svg" .svg)
    [ "$name" = icon ] && continue
    rsvg-convert "$svg" -o "res/$name.png"
done

for size in 16 22 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" src/icon.svg -o "res/icon_${size}px.png"
done

if [ -d src/anim ]; then
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    for folder in src/anim/*/; do
        name=$(basename "$folder")
        delay=$(cat "$folder/delay" 2>/dev/null || echo 10)
        frames=()
        for svg in "$folder"*.svg; do
            frame="$tmp/$name-$(basename "$svg" .svg).png"
            rsvg-convert "$svg" -o "$frame"
            frames+=("$frame")
        done
        "$convert" -delay "$delay" -loop 0 -dispose Background "${frames[@]}" "res/$name.gif"
    done
fi

# Strip metadata that changes on every run so that re-rendering an unchanged
# source leaves the committed file unchanged.
for png in res/*.png; do
    "$convert" "$png" -strip -define png:exclude-chunk=date,time "$png"
done

{
    echo '<RCC>'
    echo '    <qresource prefix="/skin">'
    for image in res/*; do
        echo "        <file>$image</file>"
    done
    echo '    </qresource>'
    echo '</RCC>'
} > skin.qrc

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Renders the skin's SVG sources to the images compiled into the program and
# rewrites skin.qrc to list every image. Run it after changing a source and
# commit both the sources and the images.
#
#   generate.py               writes every source below except src/icon.svg
#   src/[DIR/]NAME.svg        -> res/[DIR/]NAME.png at the SVG's own size,
#                                and res/[DIR/]NAME@2x.png at twice that size
#                                for screens scaled to 200 %
#   src/icon.svg              -> res/icon_<N>px.png for each icon size
#   src/anim/NAME/*.svg       -> res/NAME.gif, one frame per SVG in name order;
#                                src/anim/NAME/delay holds the frame delay in
#                                1/100 s, src/anim/NAME/matte the background
#                                colour the frames are drawn on, which becomes
#                                transparent; res/NAME@2x.gif likewise at
#                                twice the size
set -euo pipefail
cd "$(dirname "$0")"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (librsvg2-bin)" >&2; exit 1; }
convert=/usr/bin/convert
[ -x "$convert" ] || { echo "ImageMagick missing (imagemagick)" >&2; exit 1; }

/usr/bin/python3 generate.py

# Start from an empty folder so that an image whose source is gone goes too.
rm -rf res
mkdir -p res
while IFS= read -r svg; do
    name=${svg#src/}
    name=${name%.svg}
    [ "$name" = icon ] && continue
    mkdir -p "res/$(dirname "$name")"
    rsvg-convert "$svg" -o "res/$name.png"
    rsvg-convert -z 2 "$svg" -o "res/$name@2x.png"
done < <(find src -name '*.svg' -not -path 'src/anim/*' | sort)

for size in 16 22 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" src/icon.svg -o "res/icon_${size}px.png"
done

if [ -d src/anim ]; then
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    for folder in src/anim/*/; do
        name=$(basename "$folder")
        delay=$(cat "$folder/delay" 2>/dev/null || echo 10)
        matte=$(cat "$folder/matte" 2>/dev/null || true)
        for scale in 1 2; do
            suffix=$([ "$scale" = 2 ] && echo @2x || true)
            frames=()
            for svg in "$folder"*.svg; do
                frame="$tmp/$name-$(basename "$svg" .svg)$suffix.png"
                rsvg-convert -z "$scale" "$svg" -o "$frame"
                if [ -n "$matte" ]; then
                    "$convert" "$frame" -transparent "$matte" "$frame"
                fi
                frames+=("$frame")
            done
            "$convert" -delay "$delay" -loop 0 -dispose Background "${frames[@]}" "res/$name$suffix.gif"
        done
    done
fi

# Strip metadata that changes on every run so that re-rendering an unchanged
# source leaves the committed file unchanged.
while IFS= read -r png; do
    "$convert" "$png" -strip -define png:exclude-chunk=date,time "$png"
done < <(find res -name '*.png')

{
    echo '<RCC>'
    echo '    <qresource prefix="/skin">'
    find res -type f | LC_ALL=C sort | while IFS= read -r image; do
        echo "        <file>$image</file>"
    done
    echo '    </qresource>'
    echo '</RCC>'
} > skin.qrc

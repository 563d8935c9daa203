# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the benchmarks' run.sh: make_photos OUT N writes N different
# 4000 x 3000 JPEG photos to OUT/exif (with an embedded 160 x 120 thumbnail,
# as cameras write them) and the same to OUT/plain (without one). Needs
# ImageMagick and exiftool.
make_photos() {
    local out=$1 count=$2 i
    mkdir -p "$out/exif" "$out/plain"
    for ((i = 0; i < count; i++)); do
        /usr/bin/convert -size 1000x750 plasma:fractal -seed "$i" -resize 4000x3000! -quality 90 \
            "$out/plain/base$i.jpg"
        /usr/bin/convert "$out/plain/base$i.jpg" -thumbnail 160x120 "$out/thumb$i.jpg"
        cp "$out/plain/base$i.jpg" "$out/exif/base$i.jpg"
        exiftool -q -overwrite_original "-ThumbnailImage<=$out/thumb$i.jpg" "$out/exif/base$i.jpg"
        rm "$out/thumb$i.jpg"
    done
}

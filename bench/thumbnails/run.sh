#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Thumbnail speed of our sources against the peer tools, on inputs generated
# in a temporary folder. Usage: run.sh BUILD_DIR
#   PHOTOS (200) photos of 4000 x 3000 with and as many without an embedded
#   thumbnail (and those again, progressive), VIDEOS (20) videos of 10 s at
#   1280 x 720, ROUNDS (3).
set -euo pipefail
. "$(dirname "$0")/../photos.sh"

build=$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)
# The video module, and whatever else the program loads at run time, from
# this build.
export OPALO_PLUGIN_DIR="$build/plugins"
bench="$build/bench/thumbnails/bench_thumbnails"
photos=${PHOTOS:-200}
videos=${VIDEOS:-20}
rounds=${ROUNDS:-3}
[ -x "$bench" ] || { echo "build $bench first"; exit 1; }

need=()
for p in libvips-tools ffmpegthumbnailer imagemagick libimage-exiftool-perl ffmpeg libjpeg-turbo-progs; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

work=$(mktemp -d /tmp/opalo-thumbs-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/exif" "$work/plain" "$work/progressive" "$work/videos" "$work/out"

echo "generating $photos + $photos photos and $videos videos in $work"
make_photos "$work/base" 4
for i in 0 1 2 3; do
    jpegtran -progressive -outfile "$work/base/progressive$i.jpg" "$work/base/plain/base$i.jpg"
done
for ((n = 0; n < photos; n++)); do
    cp "$work/base/exif/base$((n % 4)).jpg" "$work/exif/photo$n.jpg"
    cp "$work/base/plain/base$((n % 4)).jpg" "$work/plain/photo$n.jpg"
    cp "$work/base/progressive$((n % 4)).jpg" "$work/progressive/photo$n.jpg"
done
for i in 0 1; do
    ffmpeg -loglevel error -y -f lavfi -i "testsrc2=s=1280x720:d=10:r=25" -vf "hue=h=$((i * 90))" \
        -c:v libx264 -preset veryfast "$work/video$i.mp4"
done
for ((n = 0; n < videos; n++)); do
    cp "$work/video$((n % 2)).mp4" "$work/videos/video$n.mp4"
done
sync

# Seconds taken by a command, measured here for every tool alike; a failing
# command ends the benchmark, as its time would mean nothing.
timed() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" | cut -c1-200 >&2; kill -TERM $$; }
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}
ours() { "$bench" "$1" "${@:2}"; }
vips() { vipsthumbnail -s 256x256 -o "$work/out/%s.jpg" "$@"; }
magick() { for f in "$@"; do /usr/bin/convert "$f" -thumbnail 256x256 "$work/out/m.jpg"; done; }
# The decoder alone at an eighth, with nothing made of its output: what a
# decode of these photos cannot go below (one process per file).
djpeg8() { for f in "$@"; do djpeg -scale 1/8 -dct fast -nosmooth -outfile /dev/null "$f"; done; }
ffthumb() { for f in "$@"; do ffmpegthumbnailer -i "$f" -o "$work/out/f.png" -s 256; done; }

declare -A samples
record() { samples[$1]="${samples[$1]:-} $2"; }
median() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# Warm the page cache once, then interleave the tools round by round.
cat "$work"/exif/* "$work"/plain/* "$work"/progressive/* "$work"/videos/* >/dev/null
for ((r = 1; r <= rounds; r++)); do
    record ours-exif "$(timed ours pictures "$work"/exif/*)"
    record vips-exif "$(timed vips "$work"/exif/*)"
    record magick-exif "$(timed magick "$work"/exif/*)"
    record ours-plain "$(timed ours pictures "$work"/plain/*)"
    record vips-plain "$(timed vips "$work"/plain/*)"
    record magick-plain "$(timed magick "$work"/plain/*)"
    record djpeg-plain "$(timed djpeg8 "$work"/plain/*)"
    record ours-progressive "$(timed ours pictures "$work"/progressive/*)"
    record vips-progressive "$(timed vips "$work"/progressive/*)"
    record ours-video "$(timed ours videos "$work"/videos/*)"
    record ffthumb-video "$(timed ffthumb "$work"/videos/*)"
    echo "round $r done"
done

rate() { echo "scale=1; $1 / $(median "${samples[$2]}")" | bc -l; }
ratio() { echo "scale=2; $(median "${samples[$2]}") / $(median "${samples[$1]}")" | bc -l; }
echo
printf '%-34s %12s\n' "set / tool" "thumbs/s"
printf '%-34s %12s\n' "with EXIF: ours" "$(rate "$photos" ours-exif)" \
    "with EXIF: vipsthumbnail" "$(rate "$photos" vips-exif)" \
    "with EXIF: convert -thumbnail" "$(rate "$photos" magick-exif)" \
    "without EXIF: ours" "$(rate "$photos" ours-plain)" \
    "without EXIF: vipsthumbnail" "$(rate "$photos" vips-plain)" \
    "without EXIF: convert -thumbnail" "$(rate "$photos" magick-plain)" \
    "without EXIF: djpeg -scale 1/8" "$(rate "$photos" djpeg-plain)" \
    "progressive: ours" "$(rate "$photos" ours-progressive)" \
    "progressive: vipsthumbnail" "$(rate "$photos" vips-progressive)" \
    "videos: ours" "$(rate "$videos" ours-video)" \
    "videos: ffmpegthumbnailer" "$(rate "$videos" ffthumb-video)"
per() { echo "scale=2; 1000 * $(median "${samples[$2]}") / $1" | bc -l; }
echo
printf '%-34s %12s\n' "set / ours" "ms each" \
    "with EXIF (target 0.5)" "$(per "$photos" ours-exif)" \
    "without EXIF (target 20)" "$(per "$photos" ours-plain)" \
    "without EXIF, djpeg alone" "$(per "$photos" djpeg-plain)" \
    "progressive" "$(per "$photos" ours-progressive)" \
    "videos (target 20)" "$(per "$videos" ours-video)"
echo
echo "with EXIF, ours vs ImageMagick:      $(ratio ours-exif magick-exif) x faster (target >= 20)"
echo "without EXIF, ours vs vipsthumbnail: $(ratio ours-plain vips-plain) x faster (target >= 1)"
echo "without EXIF, ours vs djpeg alone:   $(ratio ours-plain djpeg-plain) x faster"
echo "progressive, ours vs vipsthumbnail:  $(ratio ours-progressive vips-progressive) x faster"
echo "progressive vs baseline, ours:       $(ratio ours-plain ours-progressive) x the time (target <= 2)"
echo "videos, ours vs ffmpegthumbnailer:   $(ratio ours-video ffthumb-video) x faster (target >= 1)"

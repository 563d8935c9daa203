#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Gives a JPEG an EXIF block with camera make and model, a date, an
orientation and an embedded thumbnail, as cameras write them.

usage: add-exif.py PICTURE.jpg THUMBNAIL.jpg ORIENTATION OUTPUT.jpg
"""
import struct
import sys

ASCII, SHORT, LONG = 2, 3, 4
SIZES = {ASCII: 1, SHORT: 2, LONG: 4}


def ascii_value(text):
    return text.encode("ascii") + b"\0"


def ifd(entries, start, next_ifd):
    """One IFD at offset start (from the TIFF header) with its out-of-line
    values right after it; entries are (tag, type, count, raw bytes)."""
    table_size = 2 + 12 * len(entries) + 4
    data = b""
    table = struct.pack("<H", len(entries))
    for tag, kind, count, raw in sorted(entries):
        if len(raw) <= 4:
            field = raw.ljust(4, b"\0")
        else:
            field = struct.pack("<I", start + table_size + len(data))
            data += raw + (b"\0" if len(raw) % 2 else b"")
        table += struct.pack("<HHI", tag, kind, count) + field
    return table + struct.pack("<I", next_ifd) + data


def exif_block(thumbnail, orientation):
    def entry_ascii(tag, text):
        raw = ascii_value(text)
        return (tag, ASCII, len(raw), raw)

    ifd0_entries = [
        entry_ascii(0x010F, "OpaloSync demo camera"),
        entry_ascii(0x0110, "HALSIM-1"),
        (0x0112, SHORT, 1, struct.pack("<H", orientation)),
        entry_ascii(0x0132, "2024:06:21 12:00:00"),
    ]
    ifd0_size = len(ifd(ifd0_entries, 8, 0))
    ifd1_start = 8 + ifd0_size
    ifd1_size = len(ifd([(0x0103, SHORT, 1, b""), (0x0201, LONG, 1, b""), (0x0202, LONG, 1, b"")], 0, 0))
    thumbnail_start = ifd1_start + ifd1_size
    ifd1_entries = [
        (0x0103, SHORT, 1, struct.pack("<H", 6)),
        (0x0201, LONG, 1, struct.pack("<I", thumbnail_start)),
        (0x0202, LONG, 1, struct.pack("<I", len(thumbnail))),
    ]
    tiff = b"II*\0" + struct.pack("<I", 8) + ifd(ifd0_entries, 8, ifd1_start) + ifd(ifd1_entries, ifd1_start, 0)
    return b"Exif\0\0" + tiff + thumbnail


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    picture = open(sys.argv[1], "rb").read()
    thumbnail = open(sys.argv[2], "rb").read()
    if picture[:2] != b"\xff\xd8":
        sys.exit("%s is not a JPEG file" % sys.argv[1])
    payload = exif_block(thumbnail, int(sys.argv[3]))
    if len(payload) + 2 > 0xFFFF:
        sys.exit("the thumbnail is too large for an EXIF block")
    segment = b"\xff\xe1" + struct.pack(">H", len(payload) + 2) + payload
    with open(sys.argv[4], "wb") as output:
        output.write(picture[:2] + segment + picture[2:])


if __name__ == "__main__":
    main()

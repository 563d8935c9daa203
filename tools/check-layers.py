#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Fails when a library's code includes a header of a layer above it.

Each folder of src/ is one library (see src/CMakeLists.txt); a library may
include its own headers and those of the libraries it is built on, never
those of a library built on it. Plug-ins see only the plug-in interface and
what they link.
"""
import os
import re
import sys

# Each library and the libraries whose headers it may include besides its own.
ALLOWED = {
    "base": set(),
    "exif": set(),
    "engine": {"base"},
    "widgets": {"base"},
    "browser/thumbnails": {"base", "exif"},
    "bookmarks": {"base", "widgets"},
    "browser": {"base", "exif", "engine", "widgets", "browser/thumbnails", "bookmarks", "plugins"},
    "ui": {"base", "engine", "widgets", "bookmarks", "browser"},
    "app": {"base", "engine", "widgets", "ui"},
    "plugins": set(),
    "plugins/gtk": {"base", "widgets", "plugins"},
    "plugins/kde": {"base", "plugins"},
    "relauncher": set(),
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def library_of(path):
    """The library a path under src/ belongs to: its longest listed folder."""
    best = None
    for library in ALLOWED:
        if path == library or path.startswith(library + "/"):
            if best is None or len(library) > len(best):
                best = library
    return best


def main():
    src = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
    problems = []
    for folder, _, files in os.walk(src):
        for name in files:
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.relpath(os.path.join(folder, name), src)
            library = library_of(path)
            with open(os.path.join(folder, name), encoding="utf-8") as source:
                for number, line in enumerate(source, 1):
                    match = INCLUDE.match(line)
                    if not match or "/" not in match.group(1):
                        continue
                    included = library_of(match.group(1))
                    if included is None or included == library:
                        continue
                    if included not in ALLOWED.get(library, set()):
                        problems.append("src/%s:%d: %s includes %s (%s)"
                                        % (path, number, library, match.group(1), included))
    for problem in problems:
        print(problem)
    print("%d includes against the layers" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

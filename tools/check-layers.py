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
# Every form the preprocessor takes: quotes or angle brackets, spaces or tabs
# around the "#" and the name, a comment before or after the name.
INCLUDE = re.compile(r'^\s*#\s*include\s*(?:/\*.*?\*/\s*)*([<"])\s*([^>"]+?)\s*[>"]')


def library_of(path):
    """The library a path under src/ belongs to: its longest listed folder."""
    best = None
    for library in ALLOWED:
        if path == library or path.startswith(library + "/"):
            if best is None or len(library) > len(best):
                best = library
    return best


def resolve(src, folder, delimiter, name):
    """The path under src/ the compiler reads for an include, or None.

    A quoted name is looked up beside the including file first, then as the
    include path (src/ and its mirror in the build tree, which holds the
    generated headers) finds it; a name in angle brackets only on the include
    path. A name found nowhere in the tree is taken as a generated header at
    its place under src/.
    """
    candidates = [os.path.join(folder, name)] if delimiter == '"' else []
    candidates.append(os.path.join(src, name))
    for candidate in candidates:
        if os.path.isfile(candidate):
            relative = os.path.relpath(os.path.realpath(candidate), os.path.realpath(src))
            return None if relative.startswith("..") else relative
    relative = os.path.normpath(name)
    return None if relative.startswith("..") or os.path.isabs(relative) else relative


def main():
    # The tree to check: src/ beside this script unless one is given.
    if len(sys.argv) > 1:
        src = sys.argv[1]
    else:
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
                    if not match:
                        continue
                    target = resolve(src, folder, match.group(1), match.group(2))
                    included = library_of(target) if target else None
                    if included is None or included == library:
                        continue
                    if included not in ALLOWED.get(library, set()):
                        problems.append("src/%s:%d: %s includes %s (%s)"
                                        % (path, number, library, match.group(2), included))
    for problem in problems:
        print(problem)
    print("%d includes against the layers" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

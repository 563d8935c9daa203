#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Fails when a text the code translates is missing from a catalogue.

lupdate extracts every tr() text of the sources with its context. Each must
be an IDS_ key, and each of the eight catalogues must hold it in the same
context with a finished, non-empty translation.
"""
import argparse
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ["en", "fr", "de", "es", "it", "nl", "pt", "ru"]


def entries(path):
    result = {}
    for context in ET.parse(path).getroot().findall("context"):
        name = context.findtext("name")
        for message in context.findall("message"):
            translation = message.find("translation")
            result[(name, message.findtext("source"))] = translation
    return result


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("--catalogues", required=True)
    parser.add_argument("--prefix", default="OpaloSync", help="catalogue names: PREFIX_xx.ts")
    parser.add_argument("--exclude", action="append", default=[],
                        help="a folder of the sources with catalogues of its own")
    args = parser.parse_args()

    excluded = [os.path.abspath(folder) for folder in args.exclude]
    sources = []
    for folder, subfolders, names in os.walk(args.sources):
        subfolders[:] = [name for name in subfolders
                         if os.path.abspath(os.path.join(folder, name)) not in excluded]
        sources += [os.path.join(folder, name) for name in names if name.endswith((".cpp", ".h"))]
    with tempfile.TemporaryDirectory() as tmp:
        extracted = os.path.join(tmp, "extracted.ts")
        subprocess.run([args.lupdate, "-silent", "-no-obsolete", "-locations", "none"]
                       + sorted(sources) + ["-ts", extracted], check=True)
        used = entries(extracted)

    problems = []
    for context, key in sorted(used):
        if not key.startswith("IDS_"):
            problems.append("%s: %r is translated but is not an IDS_ key" % (context, key))
    for language in LANGUAGES:
        path = os.path.join(args.catalogues, "%s_%s.ts" % (args.prefix, language))
        catalogue = entries(path)
        for context, key in sorted(used):
            translation = catalogue.get((context, key))
            if translation is None:
                problems.append("%s: %s/%s is missing" % (language, context, key))
            elif translation.get("type") in ("unfinished", "obsolete", "vanished") \
                    or not (translation.text or "").strip():
                problems.append("%s: %s/%s is not translated" % (language, context, key))
    for problem in problems:
        print(problem)
    print("%d keys checked in %d catalogues, %d problems" % (len(used), len(LANGUAGES), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

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


def text_of(translation):
    """The translation's text; a plural's forms, empty when one is."""
    forms = [(form.text or "").strip() for form in translation.findall("numerusform")]
    if forms:
        return "|".join(forms) if all(forms) else ""
    return (translation.text or "").strip()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True, nargs="+")
    parser.add_argument("--catalogues", required=True)
    parser.add_argument("--prefix", default="OpaloSync", help="catalogue name before _xx.ts")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as tmp:
        extracted = os.path.join(tmp, "extracted.ts")
        subprocess.run([args.lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        "-extensions", "cpp,h"] + args.sources + ["-ts", extracted], check=True)
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
                    or not text_of(translation):
                problems.append("%s: %s/%s is not translated" % (language, context, key))
    for problem in problems:
        print(problem)
    print("%d keys checked in %d catalogues, %d problems" % (len(used), len(LANGUAGES), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Adds or updates entries in the eight catalogues under translations/.

Reads tab-separated lines from the files given (or standard input):

    Context  IDS_KEY  en  fr  de  es  it  nl  pt  ru

"\\n" in a text stands for a line break. Lines starting with # are skipped.
A text with "%n" is a plural: its forms, in the language's order (one form
for English's singular, then plural; three for Russian), separated by "|".
"--catalogue NAME" targets the catalogues NAME_xx.ts (a plug-in's) instead of
the program's OpaloSync_xx.ts. "--remove" takes lines of a context and a key
alone, and removes those entries (and a context left empty) instead.
Several developers may run it at once: the catalogues are locked while
they are rewritten.
"""
import fcntl
import fileinput
import os
import sys
import xml.etree.ElementTree as ET

LANGUAGES = ["en", "fr", "de", "es", "it", "nl", "pt", "ru"]
LOCALES = {"en": "en_US", "fr": "fr_FR", "de": "de_DE", "es": "es_ES",
           "it": "it_IT", "nl": "nl_NL", "pt": "pt_PT", "ru": "ru_RU"}
FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "translations")
catalogue = "OpaloSync"


def catalogue_path(language):
    return os.path.join(FOLDER, "%s_%s.ts" % (catalogue, language))


def load(language):
    path = catalogue_path(language)
    if os.path.exists(path):
        return ET.parse(path).getroot()
    return ET.Element("TS", {"version": "2.1", "language": LOCALES[language]})


def set_entry(root, context, key, text):
    for ctx in root.findall("context"):
        if ctx.findtext("name") == context:
            break
    else:
        ctx = ET.SubElement(root, "context")
        ET.SubElement(ctx, "name").text = context
    for message in ctx.findall("message"):
        if message.findtext("source") == key:
            break
    else:
        message = ET.SubElement(ctx, "message")
        ET.SubElement(message, "source").text = key
    translation = message.find("translation")
    if translation is None:
        translation = ET.SubElement(message, "translation")
    translation.attrib.pop("type", None)
    for form in translation.findall("numerusform"):
        translation.remove(form)
    if "%n" in text:
        # Plural forms, in the language's order, separated by "|".
        message.set("numerus", "yes")
        translation.text = None
        for form in text.split("|"):
            ET.SubElement(translation, "numerusform").text = form
    else:
        message.attrib.pop("numerus", None)
        translation.text = text


def remove_entry(root, context, key):
    for ctx in root.findall("context"):
        if ctx.findtext("name") != context:
            continue
        for message in ctx.findall("message"):
            if message.findtext("source") == key:
                ctx.remove(message)
        if not ctx.findall("message"):
            root.remove(ctx)


def save(language, root):
    contexts = sorted(root.findall("context"), key=lambda c: c.findtext("name"))
    for ctx in root.findall("context"):
        root.remove(ctx)
    for ctx in contexts:
        messages = sorted(ctx.findall("message"), key=lambda m: m.findtext("source"))
        for message in ctx.findall("message"):
            ctx.remove(message)
        ctx.extend(messages)
        root.append(ctx)
    ET.indent(root, space="    ")
    body = ET.tostring(root, encoding="unicode")
    with open(catalogue_path(language), "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        out.write(body)
        out.write("\n")


def main():
    global catalogue
    arguments = sys.argv[1:]
    if arguments[:1] == ["--catalogue"] and len(arguments) >= 2:
        catalogue = arguments[1]
        arguments = arguments[2:]
    removing = arguments[:1] == ["--remove"]
    if removing:
        arguments = arguments[1:]
    fields_wanted = 2 if removing else 2 + len(LANGUAGES)
    rows = []
    for line in fileinput.input(arguments):
        line = line.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != fields_wanted or not fields[1].startswith("IDS_"):
            sys.exit("tr-add: bad line (need context, IDS_ key%s): %r"
                     % ("" if removing else " and 8 texts", line))
        if any(not text.strip() for text in fields[2:]):
            sys.exit("tr-add: empty translation in: %r" % line)
        rows.append([field.replace("\\n", "\n") for field in fields])
    os.makedirs(FOLDER, exist_ok=True)
    with open(os.path.join(FOLDER, ".lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        for index, language in enumerate(LANGUAGES):
            root = load(language)
            for row in rows:
                if removing:
                    remove_entry(root, row[0], row[1])
                else:
                    set_entry(root, row[0], row[1], row[2 + index])
            save(language, root)
    print("tr-add: %d entries %s %d catalogues"
          % (len(rows), "removed from" if removing else "in", len(LANGUAGES)))


if __name__ == "__main__":
    main()

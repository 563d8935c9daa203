#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Adds or updates entries in the eight catalogues under translations/.

Reads tab-separated lines from the files given (or standard input):

    Context  IDS_KEY  en  fr  de  es  it  nl  pt  ru

"\\n" in a text stands for a line break. Lines starting with # are skipped.
With --into PREFIX the catalogues are PREFIX_xx.ts instead of the program's
(a plug-in's own catalogues, for example).
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
PREFIX = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "translations", "OpaloSync")


def catalogue_path(language):
    return "%s_%s.ts" % (PREFIX, language)


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
    translation.text = text


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
    global PREFIX
    arguments = sys.argv[1:]
    if arguments[:1] == ["--into"] and len(arguments) >= 2:
        PREFIX = os.path.abspath(arguments[1])
        arguments = arguments[2:]
    rows = []
    for line in fileinput.input(arguments):
        line = line.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 2 + len(LANGUAGES) or not fields[1].startswith("IDS_"):
            sys.exit("tr-add: bad line (need context, IDS_ key and 8 texts): %r" % line)
        if any(not text.strip() for text in fields[2:]):
            sys.exit("tr-add: empty translation in: %r" % line)
        rows.append([field.replace("\\n", "\n") for field in fields])
    folder = os.path.dirname(PREFIX)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, ".lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        for index, language in enumerate(LANGUAGES):
            root = load(language)
            for row in rows:
                set_entry(root, row[0], row[1], row[2 + index])
            save(language, root)
    print("tr-add: %d entries in %d catalogues" % (len(rows), len(LANGUAGES)))


if __name__ == "__main__":
    main()

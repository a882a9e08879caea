#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every language of LINGUAS has every text in the merged files.

    check-translations.py LINGUAS DESKTOP_FILE METAINFO_FILE MIME_FILE

The files are the ones msgfmt built from the templates in resources/; a text
msgfmt left out (untranslated or fuzzy in the language's .po) fails here.
"""
import configparser
import sys
import xml.etree.ElementTree as ET

XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"
MIME_NS = "{http://www.freedesktop.org/standards/shared-mime-info}"
# The texts that stay as they are in every language.
KEPT = {"Mosaic Rush"}

# file kind -> the texts each language must have
DESKTOP_KEYS = ["Name", "GenericName", "Comment", "Keywords"]
METAINFO_TAGS = ["name", "summary", "developer_name", "p", "li", "caption"]
MIME_TAGS = [MIME_NS + "comment"]


def text(element):
    return " ".join("".join(element.itertext()).split())


def check_desktop(path, languages, failures):
    parser = configparser.RawConfigParser(interpolation=None, strict=True)
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    entry = parser["Desktop Entry"]
    for key in DESKTOP_KEYS:
        english = entry.get(key)
        if not english:
            failures.append(f"{path}: no {key}")
            continue
        for lang in languages:
            translated = entry.get(f"{key}[{lang}]", "").strip()
            if not translated:
                failures.append(f"{path}: no {key}[{lang}]")
            elif english in KEPT and translated != english:
                failures.append(f"{path}: {key}[{lang}] is '{translated}', not '{english}'")
            elif english not in KEPT and translated == english:
                failures.append(f"{path}: {key}[{lang}] is still English: '{translated}'")
            elif key == "Keywords" and not translated.endswith(";"):
                failures.append(f"{path}: {key}[{lang}] does not end with ';'")
    return len(DESKTOP_KEYS)


def check_xml(path, tags, languages, failures):
    """Each English element of the tags is followed by one per language."""
    root = ET.parse(path).getroot()
    count = 0
    for parent in root.iter():
        children = list(parent)
        for i, child in enumerate(children):
            if child.tag not in tags or XML_LANG in child.attrib:
                continue
            count += 1
            english = text(child)
            found = {}
            for sibling in children[i + 1:]:
                if sibling.tag != child.tag or XML_LANG not in sibling.attrib:
                    break
                found[sibling.attrib[XML_LANG]] = text(sibling)
            where = f"{path}: <{child.tag.replace(MIME_NS, '')}> '{english[:50]}'"
            for lang in languages:
                if not found.get(lang):
                    failures.append(f"{where} has no {lang} translation")
                elif english in KEPT and found[lang] != english:
                    failures.append(f"{where} in {lang} is '{found[lang]}'")
                elif english not in KEPT and found[lang] == english:
                    failures.append(f"{where} in {lang} is still English")
            for lang in found:
                if lang not in languages:
                    failures.append(f"{where} has {lang}, which LINGUAS does not list")
    if count == 0:
        failures.append(f"{path}: no texts to translate found")
    return count


def main():
    linguas, desktop, metainfo, mime = sys.argv[1:5]
    languages = [line.strip() for line in open(linguas, encoding="utf-8")
                 if line.strip() and not line.startswith("#")]
    failures = []
    if not languages:
        failures.append(f"{linguas} lists no language")
    counts = [
        check_desktop(desktop, languages, failures),
        check_xml(metainfo, METAINFO_TAGS, languages, failures),
        check_xml(mime, MIME_TAGS, languages, failures),
    ]
    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print(f"{' '.join(languages)}: {counts[0]} desktop entry keys, "
              f"{counts[1]} AppStream texts, {counts[2]} file type comment(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

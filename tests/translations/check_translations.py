#!/usr/bin/env python3
"""Every language Nimbra ships says every text: the menus' string tables, the app's
catalogues, the desktop entry and the AppStream metadata.

    check_translations.py SOURCE_ROOT
"""
import configparser
import json
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

root = Path(sys.argv[1])
tables = root / "NimbraExtension/Resources/strings"
catalogues = root / "Nimbra/translations"
problems = []
PLACEHOLDER = re.compile(r"%\d+|%n|\{[^}]*\}")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


# The menus: a table per language with English's keys, placeholders and no empty text.
english = json.loads((tables / "en.json").read_text(encoding="utf-8"))
languages = sorted(p.stem for p in tables.glob("*.json") if p.stem != "en")
table = {}
for language in languages:
    texts = json.loads((tables / f"{language}.json").read_text(encoding="utf-8"))
    table[language] = texts
    if list(texts) != list(english):
        missing, extra = set(english) - set(texts), set(texts) - set(english)
        problems.append(f"{language}.json: missing {sorted(missing)}, extra {sorted(extra)}, or out of order")
    for key, text in texts.items():
        if not text.strip():
            problems.append(f"{language}.json: {key} is empty")
        elif placeholders(text) != placeholders(english.get(key)):
            problems.append(f"{language}.json: {key} has placeholders {placeholders(text)}")
        elif key.endswith(".name") and ("/" in text or text != text.strip()):
            problems.append(f"{language}.json: {key} is no file name: {text!r}")

# The app: a finished catalogue per language, its placeholders kept, and the menu
# preview's words those of the menus.
ts_languages = sorted(p.stem.removeprefix("nimbra_") for p in catalogues.glob("nimbra_*.ts"))
if ts_languages != sorted(languages + ["en"]):
    problems.append(f"catalogues {ts_languages} are not the tables' languages {languages} and en")
for language in (l for l in ts_languages if l != "en"):
    path = catalogues / f"nimbra_{language}.ts"
    for message in ET.parse(path).getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
        if translation.get("type") == "unfinished" or not all(f.strip() for f in forms):
            problems.append(f"{path.name}: unfinished: {source!r}")
            continue
        wanted = set(placeholders(source))
        allowed = set(wanted)
        # The file manager's English possessive (%2) may give way to its name (%1).
        possessive = "may use %1 only" in (message.findtext("extracomment") or "")
        if possessive:
            wanted -= {"%1", "%2"}
            allowed.add("%1")
        for form in forms:
            used = set(placeholders(form))
            if not wanted <= used or not used <= allowed or (possessive and not used & {"%1", "%2"}):
                problems.append(f"{path.name}: {source!r} -> {form!r} changes the placeholders")
        menu_keys = [k for k, v in english.items() if v == source]
        for key in menu_keys:
            if language in table and forms[0] != table[language][key]:
                problems.append(f"{path.name}: {source!r} is {forms[0]!r}, the menus say {table[language][key]!r}")

# The desktop entry and the metadata, in every language.
entry = configparser.RawConfigParser(strict=False, interpolation=None)
entry.optionxform = str
entry.read(root / "Nimbra/Resources/ai.corvane.nimbra.desktop", encoding="utf-8")
desktop = entry["Desktop Entry"]
metainfo = ET.parse(root / "packaging/ai.corvane.nimbra.metainfo.xml.in").getroot()
LANG = "{http://www.w3.org/XML/1998/namespace}lang"
for language in languages:
    for key in ("GenericName", "Comment", "Keywords"):
        if not desktop.get(f"{key}[{language}]", "").strip():
            problems.append(f"desktop entry: no {key}[{language}]")
    for element in ("summary", "description/p", "screenshots/screenshot/caption"):
        english_count = len([e for e in metainfo.findall(element) if LANG not in e.attrib])
        translated = [e for e in metainfo.findall(element) if e.get(LANG) == language and (e.text or "").strip()]
        if len(translated) != english_count:
            problems.append(f"metainfo: {len(translated)} of {english_count} {element} in {language}")

for problem in problems:
    print(problem)
print(f"{len(languages)} languages besides English, {len(problems)} problems")
sys.exit(1 if problems else 0)

#!/usr/bin/env python3
"""Checks the packed blank documents as packages, without any office suite: every
archive is intact, every XML part parses, every relationship and content-type
override points at a part that exists, and the main part has its format's type."""
import posixpath
import sys
import xml.etree.ElementTree as ET
import zipfile
from pathlib import Path

MAIN_TYPES = {
    "docx": "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml",
    "xlsx": "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml",
    "pptx": "application/vnd.openxmlformats-officedocument.presentationml.presentation.main+xml",
}
IWORK_ROOTS = {
    "pages": ("index.xml", "{http://developer.apple.com/namespaces/sl}document"),
    "numbers": ("index.xml", "{http://developer.apple.com/namespaces/ls}document"),
    "key": ("index.apxl", "{http://developer.apple.com/namespaces/keynote2}presentation"),
}
CT = "{http://schemas.openxmlformats.org/package/2006/content-types}"
REL = "{http://schemas.openxmlformats.org/package/2006/relationships}"
OFFICE_DOCUMENT = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument"


def rels_source(rels_name):
    # "word/_rels/document.xml.rels" describes "word/document.xml"; "_rels/.rels" the package.
    folder, name = posixpath.split(rels_name)
    return posixpath.join(posixpath.dirname(folder), name[: -len(".rels")])


def check_ooxml(archive, ext, problems):
    names = archive.namelist()
    if names[0] != "[Content_Types].xml":
        problems.append("[Content_Types].xml is not the first entry")
    types = ET.fromstring(archive.read("[Content_Types].xml"))
    defaults = {d.get("Extension").lower(): d.get("ContentType") for d in types.iter(CT + "Default")}
    overrides = {o.get("PartName"): o.get("ContentType") for o in types.iter(CT + "Override")}
    for part in overrides:
        if part.lstrip("/") not in names:
            problems.append(f"content type for missing part {part}")
    for name in names:
        if name != "[Content_Types].xml" and "/" + name not in overrides:
            if name.rsplit(".", 1)[-1].lower() not in defaults:
                problems.append(f"no content type for {name}")
    main = None
    for rels in (n for n in names if n.endswith(".rels")):
        base = posixpath.dirname(rels_source(rels))
        for rel in ET.fromstring(archive.read(rels)).iter(REL + "Relationship"):
            if rel.get("TargetMode") == "External":
                continue
            target = posixpath.normpath(posixpath.join(base, rel.get("Target"))).lstrip("/")
            if target not in names:
                problems.append(f"{rels}: {rel.get('Id')} points at missing {target}")
            if rels == "_rels/.rels" and rel.get("Type") == OFFICE_DOCUMENT:
                main = target
    if main is None:
        problems.append("no officeDocument relationship")
    elif overrides.get("/" + main) != MAIN_TYPES[ext]:
        problems.append(f"main part {main} has type {overrides.get('/' + main)}")


def check_iwork(archive, ext, problems):
    part, root = IWORK_ROOTS[ext]
    element = ET.fromstring(archive.read(part))
    if element.tag != root:
        problems.append(f"{part} has root {element.tag}, expected {root}")


def main():
    folder = Path(sys.argv[1])
    failed = False
    for ext in [*MAIN_TYPES, *IWORK_ROOTS]:
        path = folder / f"blank.{ext}"
        problems = []
        try:
            with zipfile.ZipFile(path) as archive:
                if archive.testzip() is not None:
                    problems.append("damaged entry")
                for name in archive.namelist():
                    if name.endswith((".xml", ".rels", ".apxl")):
                        ET.fromstring(archive.read(name))
                (check_ooxml if ext in MAIN_TYPES else check_iwork)(archive, ext, problems)
        except (OSError, zipfile.BadZipFile, ET.ParseError, KeyError) as error:
            problems.append(str(error))
        print(("FAIL " if problems else "ok   ") + str(path))
        for problem in problems:
            print("     " + problem)
        failed |= bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

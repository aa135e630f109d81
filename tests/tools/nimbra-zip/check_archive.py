#!/usr/bin/env python3
"""Compares a ZIP archive with the folder it was made from, reading it with Python's
zipfile only (an independent reader).

usage: check_archive.py [--exclude NAME]... SOURCE ARCHIVE

Every file, folder and symbolic link inside SOURCE must be in the archive at the same
relative path (folders with a trailing slash) with its Unix type and mode, its
modification time (DOS field within 2 seconds, extended timestamp exactly), its content
or link target, and the UTF-8 flag set exactly on the non-ASCII names that are valid
UTF-8; nothing else may be in it, and a folder comes before what it holds. Prints the
differences and exits 1, or exits 0.
"""

import argparse
import os
import stat
import struct
import sys
import time
import zipfile

UTF8_FLAG = 0x800
UNIX = 3
EXTENDED_TIMESTAMP = 0x5455


def source_entries(source, excluded):
    """Archive name (bytes) -> (path, lstat result) for everything inside source."""
    entries = {}

    def visit(folder, prefix):
        with os.scandir(folder) as listing:
            for item in listing:
                name = prefix + item.name
                if name in excluded:
                    continue
                st = os.lstat(item.path)
                if stat.S_ISDIR(st.st_mode):
                    entries[name + b"/"] = (item.path, st)
                    visit(item.path, name + b"/")
                elif stat.S_ISREG(st.st_mode) or stat.S_ISLNK(st.st_mode):
                    entries[name] = (item.path, st)

    visit(source, b"")
    return entries


def raw_name(info):
    # zipfile decodes flagged names as UTF-8 and all others as code page 437.
    return info.filename.encode("utf-8" if info.flag_bits & UTF8_FLAG else "cp437")


def extended_mtime(extra):
    while len(extra) >= 4:
        tag, size = struct.unpack("<HH", extra[:4])
        body = extra[4:4 + size]
        if tag == EXTENDED_TIMESTAMP and len(body) >= 5 and body[0] & 1:
            return struct.unpack("<i", body[1:5])[0]
        extra = extra[4 + size:]
    return None


def is_utf8(name):
    try:
        name.decode("utf-8")
        return True
    except UnicodeDecodeError:
        return False


def check_entry(archive, info, name, path, st):
    problems = []
    shown = name.decode("utf-8", "backslashreplace")
    if info.create_system != UNIX:
        problems.append(f"{shown}: made on system {info.create_system}, not Unix")
    mode = info.external_attr >> 16
    if mode != st.st_mode:
        problems.append(f"{shown}: mode {mode:o}, expected {st.st_mode:o}")

    wants_flag = not name.isascii() and is_utf8(name)
    if bool(info.flag_bits & UTF8_FLAG) != wants_flag:
        problems.append(f"{shown}: UTF-8 flag {'set' if not wants_flag else 'missing'}")

    dos = time.mktime(info.date_time + (0, 0, -1))
    if abs(dos - st.st_mtime) > 2:
        problems.append(f"{shown}: DOS time {info.date_time} is not the file's {time.ctime(st.st_mtime)}")
    unix_time = extended_mtime(info.extra)
    if unix_time != int(st.st_mtime):
        problems.append(f"{shown}: extended timestamp {unix_time}, expected {int(st.st_mtime)}")

    if stat.S_ISDIR(st.st_mode):
        if info.file_size != 0:
            problems.append(f"{shown}: folder entry with {info.file_size} bytes")
        return problems
    data = archive.read(info)  # zipfile checks the CRC while reading
    expected = os.readlink(path) if stat.S_ISLNK(st.st_mode) else open(path, "rb").read()
    if data != expected:
        problems.append(f"{shown}: content differs ({len(data)} bytes, expected {len(expected)})")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exclude", action="append", default=[])
    parser.add_argument("source")
    parser.add_argument("archive")
    args = parser.parse_args()

    expected = source_entries(os.fsencode(args.source), {os.fsencode(e) for e in args.exclude})
    problems = []
    seen = set()
    with zipfile.ZipFile(args.archive) as archive:
        for info in archive.infolist():
            name = raw_name(info)
            shown = name.decode("utf-8", "backslashreplace")
            if name in seen:
                problems.append(f"{shown}: stored twice")
                continue
            parent = name.rstrip(b"/").rpartition(b"/")[0]
            if parent and parent + b"/" not in seen:
                problems.append(f"{shown}: comes before its folder")
            seen.add(name)
            if name not in expected:
                problems.append(f"{shown}: not in the source")
                continue
            problems += check_entry(archive, info, name, *expected[name])
    for name in sorted(set(expected) - seen):
        problems.append(f"{name.decode('utf-8', 'backslashreplace')}: missing from the archive")

    for problem in problems:
        print(problem)
    if not problems:
        print(f"ok: {len(seen)} entries")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

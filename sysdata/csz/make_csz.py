#!/usr/bin/env python3
"""Builds the delivered state/province table sysdata/CSZ.DBF.

Reads ranges.csv: one row per state, district, territory, military postal
code or Canadian province and a range of postal codes that belongs to it.
US ranges follow the allocation of three-digit ZIP prefixes; a high end
carries "-9999" so that ZIP+4 codes at the top of a range are inside.
Canadian ranges cover the first letters of the province's postal codes.
Only a state's first row takes part in the state/ZIP check, so its main
range comes first and any further ranges follow at the end of the file.

Writes a FoxPro 2.x table without memo (code page 1252); the program adds
CSZ.CDX (tag STATE on UPPER(state)) on first open.
Run from anywhere: python3 sysdata/csz/make_csz.py
The output is deterministic, so a rerun on unchanged input changes nothing.
"""
import csv
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TABLE = os.path.normpath(os.path.join(HERE, "..", "CSZ.DBF"))

FIELDS = [("NAME", "C", 40), ("STATE", "C", 4), ("LOW_ZIP", "C", 10), ("HIGH_ZIP", "C", 10)]


def check(rows):
    for row in rows:
        for name, _, width in FIELDS:
            if not row[name] or len(row[name].encode("cp1252")) > width:
                sys.exit("bad %s in %r" % (name, row))
        if row["LOW_ZIP"] > row["HIGH_ZIP"]:
            sys.exit("empty range in %r" % row)
    # A state's later rows must follow every first row (see the docstring).
    seen_repeat = False
    seen = set()
    for row in rows:
        if row["STATE"] in seen:
            seen_repeat = True
        elif seen_repeat:
            sys.exit("first row of %s comes after a repeated state" % row["STATE"])
        seen.add(row["STATE"])


def write_table(rows, path):
    record_length = 1 + sum(f[2] for f in FIELDS)
    header_length = 32 + 32 * len(FIELDS) + 1
    out = bytearray()
    # Version 0x03 (no memo), a fixed date so reruns are byte-identical,
    # record count, header and record lengths, language driver 0x03.
    out += struct.pack("<B3BIHH", 0x03, 126, 12, 9, len(rows), header_length, record_length)
    out += bytes(17) + bytes([0x03]) + bytes(2)
    offset = 1
    for name, ftype, width in FIELDS:
        out += name.encode("ascii").ljust(11, b"\0")
        out += ftype.encode("ascii") + struct.pack("<I", offset)
        out += bytes([width, 0]) + bytes(14)
        offset += width
    out += b"\r"
    for row in rows:
        out += b" "
        for name, _, width in FIELDS:
            out += row[name].encode("cp1252").ljust(width, b" ")
    out += b"\x1a"
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(out)
    os.replace(tmp, path)


def main():
    with open(os.path.join(HERE, "ranges.csv"), newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    check(rows)
    write_table(rows, TABLE)
    print("%s: %d rows" % (TABLE, len(rows)))


if __name__ == "__main__":
    main()

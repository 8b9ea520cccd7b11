#!/usr/bin/env python3
"""Builds the delivered label stock table and its stock pictures.

Reads stocks.csv (one commercial label stock per line, lengths in inches)
and writes:
  sysdata/LBLTPL.DBF          a FoxPro 2.x table without memo (code page 1252);
                              the program adds LBLTPL.CDX on first open
  resources/stock_art/*.png   outline pictures of one label of some stocks
  resources/stock_art.qrc     the pictures as Qt resources, named AV<number>

Run from anywhere: python3 sysdata/stock/make_lbltpl.py
The output is deterministic, so a rerun on unchanged input changes nothing.
"""
import csv
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
TABLE = os.path.join(ROOT, "sysdata", "LBLTPL.DBF")
ART_DIR = os.path.join(ROOT, "resources", "stock_art")
QRC = os.path.join(ROOT, "resources", "stock_art.qrc")

# name, type, width, decimals
FIELDS = [
    ("DESCRIPT", "C", 60, 0), ("LBLHEIGHT", "N", 6, 3), ("LBLWIDTH", "N", 6, 3),
    ("NBRACROSS", "N", 2, 0), ("NBRDOWN", "N", 2, 0), ("TOPMARG", "N", 6, 3),
    ("LEFTMARG", "N", 6, 3), ("HORIZPITCH", "N", 6, 3), ("VERTPITCH", "N", 6, 3),
    ("SHEETWIDTH", "N", 6, 3), ("SHEETDEPTH", "N", 6, 3), ("PRINTER", "C", 2, 0),
    ("PAPERSIZE", "C", 5, 0), ("LBLSHAPE", "C", 2, 0), ("MANUFAC", "C", 10, 0),
    ("PRODTYPE", "C", 25, 0), ("MIDEXTRAX", "N", 6, 3), ("MIDEXTRAY", "N", 6, 3),
    ("ART", "C", 12, 0),
]

PRODUCT_TYPES = {"ADDRESS/SHIPPING LABELS", "CARD PRODUCTS", "DISKETTE LABELS",
                 "FILE FOLDER LABELS", "INDEX PRODUCTS", "MISCELLANEOUS"}
MAKERS = {("AVERY", "LJ"), ("AVERY", "IJ"), ("AVERY", "DM"), ("COSTAR", "LP")}
PAPERS = {"LTR", "LTRL", "A4", "A4L", "A5", "USERP", "USERL"}

# Stocks that get a picture; rows of the same geometry (SAMEAS) share it.
ART_STOCKS = ["5026", "5126", "5159", "5160", "5161", "5162", "5163", "5164", "5165",
              "5167", "5168", "5193", "5194", "5195", "5196", "5197", "5305", "5366",
              "5371", "5388", "5389", "5395", "5824", "6871", "8195"]
ART_PPI = 96  # picture pixels per inch of label


def stock_number(descript):
    # "Avery 5160  Address" -> "5160"
    parts = descript.split()
    return parts[1] if len(parts) > 1 else ""


def check(row):
    """Refuses a row that a label program could not lay out."""
    d = row["DESCRIPT"]
    num = {k: float(row[k]) for k in ("LBLHEIGHT", "LBLWIDTH", "TOPMARG", "LEFTMARG", "HORIZPITCH",
                                      "VERTPITCH", "SHEETWIDTH", "SHEETDEPTH")}
    across, down = int(row["NBRACROSS"]), int(row["NBRDOWN"])
    problems = []
    if (row["MANUFAC"], row["PRINTER"]) not in MAKERS:
        problems.append("maker/printer")
    if row["PRODTYPE"] not in PRODUCT_TYPES:
        problems.append("product type")
    if row["PAPERSIZE"] not in PAPERS or row["LBLSHAPE"] not in ("RR", "SR", "EL"):
        problems.append("paper or shape code")
    if not (1 <= across <= 99 and 1 <= down <= 99) or len(d) > 60 or not d:
        problems.append("counts or description")
    if num["LBLHEIGHT"] <= 0 or num["LBLWIDTH"] <= 0:
        problems.append("label size")
    if across > 1 and num["HORIZPITCH"] + 0.002 < num["LBLWIDTH"]:
        problems.append("horizontal pitch")
    if down > 1 and num["VERTPITCH"] + 0.002 < num["LBLHEIGHT"]:
        problems.append("vertical pitch")
    right = num["LEFTMARG"] + (across - 1) * num["HORIZPITCH"] + num["LBLWIDTH"]
    bottom = num["TOPMARG"] + (down - 1) * num["VERTPITCH"] + num["LBLHEIGHT"]
    if min(num["LEFTMARG"], num["TOPMARG"]) < 0 or right > num["SHEETWIDTH"] + 0.01 or \
            bottom > num["SHEETDEPTH"] + 0.01:
        problems.append("labels off the sheet")
    if problems:
        sys.exit("bad stock %r: %s" % (d, ", ".join(problems)))


def encode_field(value, ftype, width, decimals):
    if ftype == "C":
        data = value.encode("cp1252")[:width]
        return data.ljust(width, b" ")
    text = ("%.*f" % (decimals, float(value))) if decimals else str(int(float(value)))
    if len(text) > width:
        sys.exit("number %s does not fit N %d.%d" % (value, width, decimals))
    return text.rjust(width).encode("ascii")


def write_table(rows, path):
    record_length = 1 + sum(f[2] for f in FIELDS)
    header_length = 32 + 32 * len(FIELDS) + 1
    out = bytearray()
    # Version 0x03 (no memo), a fixed date so reruns are byte-identical,
    # record count, header and record lengths, language driver 0x03.
    out += struct.pack("<B3BIHH", 0x03, 126, 1, 1, len(rows), header_length, record_length)
    out += bytes(17) + bytes([0x03]) + bytes(2)
    offset = 1
    for name, ftype, width, decimals in FIELDS:
        out += name.encode("ascii").ljust(11, b"\0")
        out += ftype.encode("ascii") + struct.pack("<I", offset)
        out += bytes([width, decimals]) + bytes(14)
        offset += width
    out += b"\r"
    for row in rows:
        out += b" "
        for name, ftype, width, decimals in FIELDS:
            out += encode_field(row[name], ftype, width, decimals)
    out += b"\x1a"
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(out)
    os.replace(tmp, path)


# --- pictures -------------------------------------------------------------

def inside_shape(shape, x, y, w, h, inset):
    """Whether the point lies inside the label outline shrunk by inset."""
    if shape == "EL":
        rx, ry = w / 2 - inset, h / 2 - inset
        if rx <= 0 or ry <= 0:
            return False
        dx, dy = (x - w / 2) / rx, (y - h / 2) / ry
        return dx * dx + dy * dy <= 1.0
    if x < inset or y < inset or x > w - inset or y > h - inset:
        return False
    if shape != "RR":
        return True
    r = max(min(w, h) * 0.08 - inset, 0)
    cx = min(max(x, inset + r), w - inset - r)
    cy = min(max(y, inset + r), h - inset - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r + 1e-9


def draw_label(row):
    """A two-colour picture of one label: its outline and the marks of its kind."""
    w_in, h_in = float(row["LBLWIDTH"]), float(row["LBLHEIGHT"])
    w, h = max(int(round(w_in * ART_PPI)), 8), max(int(round(h_in * ART_PPI)), 8)
    shape = row["LBLSHAPE"]
    kind = row["PRODTYPE"]
    desc = row["DESCRIPT"].upper()
    line = 2.0
    pixels = [[0] * w for _ in range(h)]

    def mark(x, y):
        if 0 <= x < w and 0 <= y < h:
            pixels[y][x] = 1

    def hline(y, x0, x1, thick=1):
        for t in range(thick):
            for x in range(int(x0), int(x1)):
                if inside_shape(shape, x + 0.5, y + t + 0.5, w, h, line + 1):
                    mark(x, int(y) + t)

    for y in range(h):
        for x in range(w):
            px, py = x + 0.5, y + 0.5
            if inside_shape(shape, px, py, w, h, 0) and not inside_shape(shape, px, py, w, h, line):
                pixels[y][x] = 1
    if "CD" in desc:
        hole = min(w, h) * 0.18
        for y in range(h):
            for x in range(w):
                r = ((x + 0.5 - w / 2) ** 2 + (y + 0.5 - h / 2) ** 2) ** 0.5
                if hole - line <= r <= hole:
                    pixels[y][x] = 1
    elif kind == "FILE FOLDER LABELS":
        hline(h * 0.30, 0, w, 3)  # the coloured bar of a folder label
    elif kind == "DISKETTE LABELS":
        hline(h * 0.25, 0, w, 1)  # fold line over the disk's edge
    elif kind in ("CARD PRODUCTS", "INDEX PRODUCTS") and shape != "EL":
        if "TENT" in desc:
            hline(h / 2, 0, w, 1)
        else:
            # ruled lines of a card
            step = max(int(ART_PPI * 0.33), 6)
            for y in range(int(h * 0.3), h - step // 2, step):
                hline(y, w * 0.08, w * 0.92, 1)
    elif shape != "EL" and kind == "ADDRESS/SHIPPING LABELS" and h_in >= 1.9:
        hline(h * 0.28, w * 0.08, w * 0.92, 1)  # sender / recipient parting line
    return w, h, pixels


def png_bytes(w, h, pixels):
    """A 1-bit greyscale PNG: ink black on white."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        byte, bits = 0, 0
        for p in row:
            byte = (byte << 1) | (0 if p else 1)
            bits += 1
            if bits == 8:
                raw.append(byte)
                byte, bits = 0, 0
        if bits:
            raw.append(byte << (8 - bits))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", w, h, 1, 0, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + \
        chunk(b"IEND", b"")


def write_art(rows):
    os.makedirs(ART_DIR, exist_ok=True)
    by_number = {stock_number(r["DESCRIPT"]): r for r in rows if r["MANUFAC"] == "AVERY"}
    names = []
    for number in ART_STOCKS:
        row = by_number.get(number)
        if row is None:
            sys.exit("no stock %s for its picture" % number)
        name = "AV" + number
        w, h, pixels = draw_label(row)
        with open(os.path.join(ART_DIR, name + ".png"), "wb") as f:
            f.write(png_bytes(w, h, pixels))
        names.append(name)
        row["ART"] = name
        for other in rows:
            if other["MANUFAC"] == "AVERY" and other.get("SAMEAS") == number:
                other["ART"] = name
    with open(QRC, "w") as f:
        f.write("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/stock_art\">\n")
        for name in names:
            f.write("  <file alias=\"%s\">stock_art/%s.png</file>\n" % (name, name))
        f.write("</qresource>\n</RCC>\n")


def main():
    with open(os.path.join(HERE, "stocks.csv"), newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    seen = set()
    for row in rows:
        row["ART"] = ""
        check(row)
        key = row["DESCRIPT"].upper()
        if key in seen:
            sys.exit("duplicate stock %r" % row["DESCRIPT"])
        seen.add(key)
    write_art(rows)
    rows.sort(key=lambda r: r["DESCRIPT"].upper())
    write_table(rows, TABLE)
    print("%d stocks, %d pictures" % (len(rows), len(ART_STOCKS)))


if __name__ == "__main__":
    main()

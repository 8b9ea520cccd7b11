"""Prints a table's records the way `postcraft-cli db dump --deleted` does,
read by python3-dbf, so the two outputs can be compared line by line.

usage: read_dbf.py TABLE
"""
import datetime
import json
import sys

import dbf


def value(v):
    if v is None or v is dbf.Null or v is dbf.Unknown:
        return None
    if isinstance(v, bool) or isinstance(v, dbf.Logical):
        return bool(v)
    if isinstance(v, (dbf.Date, datetime.date)):
        return v.strftime("%Y%m%d") if v else ""
    if isinstance(v, float):
        return int(v) if v.is_integer() else v
    if isinstance(v, int):
        return v
    return v if isinstance(v, str) else str(v)


def main():
    table = dbf.Table(sys.argv[1])
    table.open(dbf.READ_ONLY)
    try:
        names = table.field_names
        out = sys.stdout
        for i, rec in enumerate(table):
            row = {"_recno": i + 1, "_deleted": bool(dbf.is_deleted(rec))}
            for name in names:
                info = table.field_info(name)
                v = rec[name]
                if chr(info.field_type) == "L" and v not in (True, False):
                    v = None
                if chr(info.field_type) in "NF" and isinstance(v, str) and not v.strip():
                    v = None
                if chr(info.field_type) == "D" and v is None:
                    v = ""
                if chr(info.field_type) == "C" and isinstance(v, str):
                    v = v.rstrip(" ")
                row[name.upper()] = value(v)
            out.write(json.dumps(row, ensure_ascii=False) + "\n")
    finally:
        table.close()


main()

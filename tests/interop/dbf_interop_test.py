#!/usr/bin/python3
"""Tables we write must read identically with python3-dbf, and tables
python3-dbf writes must read identically with us.

usage: dbf_interop_test.py DBF_INTEROP_TOOL WORK_DIR
"""
import datetime
import decimal
import os
import shutil
import subprocess
import sys

import dbf

FIELDS = [("NAME", "C", 30, 0), ("CITY", "C", 20, 0), ("AMOUNT", "N", 10, 2),
          ("QTY", "N", 5, 0), ("ACTIVE", "L", 1, 0), ("BORN", "D", 8, 0),
          ("NOTES", "M", 10, 0)]

LONG_MEMO = "".join("Line %d: Zoë, Ærøskøbing, “quoted” – €%d\r\n" % (i, i) for i in range(300))

# (deleted, values); None is a blank field.
RECORDS = [
    (False, ["Zoë Müller", "Besançon", decimal.Decimal("1234.5"), -42, True,
             datetime.date(1980, 7, 4), LONG_MEMO]),
    (True, ["Deleted Person", "Nowhere", decimal.Decimal("0"), 0, False, None, "short memo"]),
    (False, ["", "", None, None, None, None, ""]),
    (False, ["Ærøskøbing €", "x" * 20, decimal.Decimal("-99999.99"), 99999, False,
             datetime.date(2024, 2, 29), "€ “quotes” …\r\nsecond line"]),
]


def canonical(field, value):
    """One text per value, whoever read it."""
    _, kind, _, decimals = field
    if kind == "C":
        return (value or "").rstrip()
    if kind == "N":
        if value is None or (isinstance(value, str) and not value.strip()):
            return ""
        return format(decimal.Decimal(str(value).strip()), ".%df" % decimals)
    if kind == "L":
        return {True: "T", False: "F", None: "?"}.get(value, value)
    if kind == "D":
        if isinstance(value, (datetime.date,)):
            return value.strftime("%Y%m%d")
        return value or ""
    if kind == "M":
        return value or ""
    raise ValueError(kind)


EXPECTED = [(deleted, [canonical(f, v) for f, v in zip(FIELDS, values)])
            for deleted, values in RECORDS]


def field_specs():
    specs = []
    for name, kind, length, decimals in FIELDS:
        if kind in "CN":
            specs.append("%s %s(%d%s)" % (name, kind, length, ",%d" % decimals if kind == "N" else ""))
        else:
            specs.append("%s %s" % (name, kind))
    return "; ".join(specs)


def read_with_python_dbf(path):
    rows = []
    table = dbf.Table(path)
    table.open(dbf.READ_ONLY)
    try:
        for record in table:
            values = [canonical(f, record[i]) for i, f in enumerate(FIELDS)]
            rows.append((dbf.is_deleted(record), values))
    finally:
        table.close()
    return rows


def read_with_us(tool, path):
    out = subprocess.run([tool, "dump", path], check=True, capture_output=True).stdout
    rows = []
    for line in out.decode("ascii").splitlines():
        texts = [bytes.fromhex(h).decode("cp1252") for h in line[1:].split("\t")]
        rows.append((line[0] == "*", [canonical(f, t) for f, t in zip(FIELDS, texts)]))
    return rows


def write_with_us(tool, path, work):
    lines = [";".join("%s %s %d %d" % f for f in FIELDS)]
    for deleted, values in RECORDS:
        texts = []
        for field, value in zip(FIELDS, values):
            text = canonical(field, value)
            if field[1] == "L" and text == "?":
                text = ""
            texts.append(text.encode("cp1252").hex())
        lines.append(("*" if deleted else " ") + "\t".join(texts))
    spec = os.path.join(work, "input.txt")
    with open(spec, "w") as f:
        f.write("\n".join(lines) + "\n")
    subprocess.run([tool, "write", path, spec], check=True)


def write_with_python_dbf(path, kind):
    table = dbf.Table(path, field_specs(), dbf_type=kind, codepage="cp1252")
    table.open(dbf.READ_WRITE)
    try:
        for deleted, values in RECORDS:
            table.append(tuple(values))
            if deleted:
                dbf.delete(table[-1])
    finally:
        table.close()


def compare(what, got):
    if got == EXPECTED:
        print("ok: %s" % what)
        return True
    print("MISMATCH: %s" % what)
    for i, (want, have) in enumerate(zip(EXPECTED, got)):
        if want != have:
            print("  record %d\n    expected %r\n    got      %r" % (i + 1, want, have))
    if len(got) != len(EXPECTED):
        print("  %d records, expected %d" % (len(got), len(EXPECTED)))
    return False


def main():
    tool, work = sys.argv[1], sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    ok = True

    ours = os.path.join(work, "OURS.DBF")
    write_with_us(tool, ours, work)
    ok &= compare("our table read back by us", read_with_us(tool, ours))
    ok &= compare("our table read by python3-dbf", read_with_python_dbf(ours))

    for kind in ("db3", "fp"):
        theirs = os.path.join(work, "theirs_%s.dbf" % kind)
        write_with_python_dbf(theirs, kind)
        ok &= compare("python3-dbf %s table read by python3-dbf" % kind,
                      read_with_python_dbf(theirs))
        ok &= compare("python3-dbf %s table read by us" % kind, read_with_us(tool, theirs))
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()

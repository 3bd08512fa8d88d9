"""Reads files with programs that are not ours, for the xls tests.

  foreign_read.py xlrd PATH SHEET      rows of an .xls sheet, read by xlrd
  foreign_read.py openpyxl PATH SHEET  rows of an .xlsx sheet, read by openpyxl
  foreign_read.py csv PATH             rows of a UTF-8 CSV file, read by the csv module
  foreign_read.py compdoc PATH NAME=FILE...
                                       "same" when each named stream of the compound
                                       file holds exactly the bytes of FILE

Rows go to stdout as UTF-8, cells separated by 0x1F and rows ended by 0x1E; a cell
that is not text is written as TYPE:repr so that it never equals a text cell. Any
warning a reader logs makes the run fail (exit 3). Run with /usr/bin/python3.
"""
import csv
import io
import re
import sys


def cell_text(value):
    if value is None:
        return ""
    if isinstance(value, str):
        return value
    return f"{type(value).__name__}:{value!r}"


def emit(rows):
    out = "".join("\x1f".join(cell_text(c) for c in row) + "\x1e" for row in rows)
    sys.stdout.buffer.write(out.encode("utf-8"))


def fail_on_log(log):
    if log.getvalue():
        sys.stderr.write(log.getvalue())
        sys.exit(3)


def read_xlrd(path, sheet):
    import xlrd

    log = io.StringIO()
    book = xlrd.open_workbook(path, logfile=log)
    fail_on_log(log)
    table = book.sheet_by_name(sheet)
    rows = []
    for r in range(table.nrows):
        row = []
        for cell in table.row(r):
            if cell.ctype == xlrd.XL_CELL_EMPTY:
                row.append(None)
            else:
                row.append(cell.value)
        rows.append(row)
    emit(rows)


def read_openpyxl(path, sheet):
    import openpyxl

    # openpyxl hands out inline strings with the format's _xHHHH_ escapes (a CR is
    # written as _x000D_) still in them; decode them as Excel does.
    def unescape(value):
        if isinstance(value, str):
            return re.sub(r"_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), value)
        return value

    book = openpyxl.load_workbook(path, read_only=True)
    emit([unescape(v) for v in row] for row in book[sheet].iter_rows(values_only=True))


def read_csv(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        emit(csv.reader(f))


def compare_streams(path, pairs):
    from xlrd import compdoc

    with open(path, "rb") as f:
        data = f.read()
    log = io.StringIO()
    doc = compdoc.CompDoc(data, logfile=log)
    for pair in pairs:
        name, expected_path = pair.split("=", 1)
        with open(expected_path, "rb") as f:
            expected = f.read()
        if doc.get_named_stream(name) != expected:
            print(f"stream {name} differs")
            sys.exit(1)
    fail_on_log(log)
    print("same")


if __name__ == "__main__":
    mode = sys.argv[1]
    if mode == "xlrd":
        read_xlrd(sys.argv[2], sys.argv[3])
    elif mode == "openpyxl":
        read_openpyxl(sys.argv[2], sys.argv[3])
    elif mode == "csv":
        read_csv(sys.argv[2])
    elif mode == "compdoc":
        compare_streams(sys.argv[2], sys.argv[3:])
    else:
        sys.exit(f"unknown mode {mode}")

"""Reads a cut list's CSV from standard input as a spreadsheet would: the
leading "#" lines skipped, every column named for a unit taken as a number.
Prints a line an element: its name and each such column, by name."""

import csv
import sys

UNITS = ("_m", "_in", "_percent")

lines = [line for line in sys.stdin if not line.startswith("#")]
for row in csv.DictReader(lines):
    numbers = {name: float(value) for name, value in row.items() if name.endswith(UNITS)}
    print(row["element"], " ".join(f"{name}={value!r}" for name, value in numbers.items()))

#!/usr/bin/python3
"""Reads PSPP's FREQUENCIES output (text) of the exported answers and prints
the checksum lines of the one-column tabulation for q1, q50 and q100: the
base, the no-answers (missing in the first slot) and each choice's count
summed over the three slots.

    tabulation_pspp_checksums.py frequencies.txt
"""
import re
import sys

CHOICES, SLOTS = 10, 3
CHECKED = (1, 50, 100)


def tables(text):
    """{variable: (valid counts by value, missing, total)} of every table."""
    found = {}
    for block in re.split(r"\n\s*\n", text):
        lines = block.strip().splitlines()
        if not lines or not re.fullmatch(r"q\d+_\d", lines[0].strip()):
            continue
        counts, missing, total = {}, 0, 0
        for line in lines:
            cells = [cell.strip() for cell in line.strip("|").split("|")]
            if len(cells) < 2 or not cells[1].isdigit():
                continue
            label = cells[0].replace("Valid", "").strip()
            if label.isdigit():
                counts[int(label)] = int(cells[1])
            elif label.startswith("Missing"):
                missing = int(cells[1])
            elif label.startswith("Total"):
                total = int(cells[1])
        found[lines[0].strip()] = (counts, missing, total)
    return found


def main():
    found = tables(open(sys.argv[1], encoding="utf-8").read())
    for q in CHECKED:
        first_counts, missing, total = found[f"q{q}_1"]
        sums = [missing] + [sum(found[f"q{q}_{i}"][0].get(c, 0) for i in range(1, SLOTS + 1))
                            for c in range(1, CHOICES + 1)]
        print(f"checksum one 1 q{q} {total} " + " ".join(map(str, sums)))


if __name__ == "__main__":
    main()

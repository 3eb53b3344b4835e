#!/usr/bin/python3
"""Tabulates the answers tabulation_bench exports, with numpy's bincount:
every question into one column, then into a five-column cross by choices 1
to 5 of q1 (a sample falls in column c when any of its q1 answers is c).
The CSV is read with pandas into a column-major array and the counting
alone is timed. Prints the mean time of each over three runs and the
checksum lines tabulation_bench prints.

    tabulation_numpy.py answers.csv
"""
import sys

import numpy as np
import pandas as pd

from tabulation_peer import CHOICES, CROSS_COLUMNS, QUESTIONS, SLOTS, report


def tabulate(answers, rows=None):
    """Per question: the base and the counts of choices 0 (no answer) to 10,
    over the rows listed (every row when none are)."""
    tables = {}
    for q in range(1, QUESTIONS + 1):
        codes = answers[:, (q - 1) * SLOTS:q * SLOTS]
        if rows is not None:
            codes = codes[rows]
        counts = np.bincount(codes.ravel(order="K"), minlength=CHOICES + 1)
        no_answer = int(np.count_nonzero(codes[:, 0] == 0))
        tables[q] = (len(codes), [no_answer] + [int(n) for n in counts[1:CHOICES + 1]])
    return [tables]


def tabulate_cross(answers):
    columns = []
    q1 = answers[:, 0:SLOTS]
    for c in range(1, CROSS_COLUMNS + 1):
        columns += tabulate(answers, np.flatnonzero((q1 == c).any(axis=1)))
    return columns


def main():
    # Column by column in memory, as counting goes through them.
    answers = np.asfortranarray(pd.read_csv(sys.argv[1], dtype="float32").fillna(0).astype("uint8").to_numpy())
    report(tabulate, tabulate_cross, answers)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Tabulates the answers tabulation_bench exports, with numpy's bincount:
every question into one column, then into a five-column cross by choices 1
to 5 of q1 (a sample falls in column c when any of its q1 answers is c).
The CSV is read with pandas and the counting alone is timed. Prints the
mean time of each over three runs and the checksum lines tabulation_bench
prints.

    tabulation_numpy.py answers.csv
"""
import sys
import time

import numpy as np
import pandas as pd

QUESTIONS, CHOICES, SLOTS, CROSS_COLUMNS = 100, 10, 3, 5
CHECKED = (1, 50, 100)


def tabulate(answers):
    """Per question: the base and the counts of choices 0 (no answer) to 10."""
    tables = {}
    for q in range(1, QUESTIONS + 1):
        codes = answers[:, (q - 1) * SLOTS:q * SLOTS]
        counts = np.bincount(codes.ravel(), minlength=CHOICES + 1)
        no_answer = int(np.count_nonzero(codes[:, 0] == 0))
        tables[q] = (len(answers), [no_answer] + [int(n) for n in counts[1:CHOICES + 1]])
    return [tables]


def tabulate_cross(answers):
    columns = []
    q1 = answers[:, 0:SLOTS]
    for c in range(1, CROSS_COLUMNS + 1):
        columns += tabulate(answers[(q1 == c).any(axis=1)])
    return columns


def timed(work, answers):
    times = []
    for _ in range(3):
        start = time.perf_counter()
        result = work(answers)
        times.append(time.perf_counter() - start)
    return sum(times) / len(times), result


def main():
    answers = pd.read_csv(sys.argv[1], dtype="float32").fillna(0).astype("uint8").to_numpy()
    for name, work in (("one", tabulate), ("cross", tabulate_cross)):
        seconds, columns = timed(work, answers)
        print(f"time {name} {seconds:.3f}")
        for number, tables in enumerate(columns, 1):
            for q in CHECKED:
                base, counts = tables[q]
                print(f"checksum {name} {number} q{q} {base} " + " ".join(map(str, counts)))


if __name__ == "__main__":
    main()

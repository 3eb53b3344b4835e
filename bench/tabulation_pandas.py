#!/usr/bin/python3
"""Tabulates the answers tabulation_bench exports, with pandas: every question
into one column, then into a five-column cross by choices 1 to 5 of q1 (a
sample falls in column c when any of its q1 answers is c). Prints the mean
time of each over three runs and the checksum lines tabulation_bench prints.

    tabulation_pandas.py answers.csv
"""
import sys

import pandas as pd

from tabulation_peer import CHOICES, CROSS_COLUMNS, QUESTIONS, SLOTS, report


def slots(q):
    return [f"q{q}_{i}" for i in range(1, SLOTS + 1)]


def tabulate(df):
    """Per question: the base and the counts of choices 0 (no answer) to 10."""
    tables = {}
    for q in range(1, QUESTIONS + 1):
        answers = pd.Series(df[slots(q)].to_numpy().ravel()).value_counts()
        counts = [int((df[f"q{q}_1"] == 0).sum())]
        counts += [int(answers.get(c, 0)) for c in range(1, CHOICES + 1)]
        tables[q] = (len(df), counts)
    return [tables]


def tabulate_cross(df):
    columns = []
    q1 = df[slots(1)]
    for c in range(1, CROSS_COLUMNS + 1):
        columns += tabulate(df[(q1 == c).any(axis=1)])
    return columns


def main():
    df = pd.read_csv(sys.argv[1], dtype="float32").fillna(0).astype("int8")
    report(tabulate, tabulate_cross, df)


if __name__ == "__main__":
    main()

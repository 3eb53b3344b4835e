#!/usr/bin/env python3
"""Counts the code columns that `counting_bench --columns=FILE` wrote, with
pandas value_counts and numpy bincount, checks both against the program's
counts and prints the mean time of counting all questions."""
import struct
import sys
import time

import numpy as np
import pandas as pd

RUNS = 10


def read_columns(path):
    with open(path, "rb") as file:
        data = file.read()
    columns, expected = [], []
    at = 0
    while at < len(data):
        (size,) = struct.unpack_from("<i", data, at)
        at += 4
        columns.append(np.frombuffer(data, dtype=np.uint8, count=size, offset=at))
        at += size
        expected.append(np.frombuffer(data, dtype="<i4", count=128, offset=at))
        at += 128 * 4
    return columns, expected


def mean_time(count, columns):
    results = None
    start = time.perf_counter()
    for _ in range(RUNS):
        results = [count(column) for column in columns]
    return (time.perf_counter() - start) / RUNS, results


def main():
    columns, expected = read_columns(sys.argv[1])
    series = [pd.Series(column) for column in columns]

    pandas_time, pandas_counts = mean_time(lambda s: s.value_counts(), series)
    numpy_time, numpy_counts = mean_time(lambda c: np.bincount(c, minlength=128), columns)

    for q, (want, by_pandas, by_numpy) in enumerate(zip(expected, pandas_counts, numpy_counts)):
        from_pandas = np.zeros(128, dtype=np.int64)
        from_pandas[by_pandas.index.to_numpy(dtype=np.int64)] = by_pandas.to_numpy()
        if not (np.array_equal(from_pandas, want) and np.array_equal(by_numpy[:128], want)):
            sys.exit(f"question {q + 1}: the peers' counts differ from the program's")

    answers = sum(len(column) for column in columns)
    print(f"{len(columns)} questions, {answers} answers, the program's counts confirmed")
    print(f"pandas {pd.__version__} value_counts  {pandas_time * 1000:8.1f} ms")
    print(f"numpy {np.__version__} bincount      {numpy_time * 1000:8.1f} ms")


if __name__ == "__main__":
    main()

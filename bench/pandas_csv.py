"""pandas reading and writing the delimited file the import benchmark wrote:
the figures to compare the import's reader and the export with, as CPU time
(the comparable figure on a shared machine) and wall time."""
import sys
import time

import pandas as pd


def timed(job):
    cpu, wall = time.process_time(), time.perf_counter()
    result = job()
    return result, time.process_time() - cpu, time.perf_counter() - wall


path = sys.argv[1]
frame, cpu, wall = timed(lambda: pd.read_csv(path, header=None, encoding="cp932", quotechar='"'))
print(f"pandas read_csv (cp932): {cpu:.2f} s CPU, {wall:.2f} s wall, {len(frame) / cpu:,.0f} rows/s, "
      f"{frame.shape[1]} columns")

_, cpu, wall = timed(lambda: frame.to_csv(path + ".pandas", header=False, index=False, encoding="cp932"))
print(f"pandas to_csv (cp932): {cpu:.2f} s CPU, {wall:.2f} s wall")

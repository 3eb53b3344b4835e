"""pandas reading and writing the delimited file the import benchmark wrote:
the figures to compare the import's reader and the export with."""
import sys
import time

import pandas as pd

path = sys.argv[1]
start = time.perf_counter()
frame = pd.read_csv(path, header=None, encoding="cp932", quotechar='"')
read = time.perf_counter() - start
print(f"pandas read_csv (cp932): {read:.2f} s, {len(frame) / read:,.0f} rows/s, {frame.shape[1]} columns")

start = time.perf_counter()
frame.to_csv(path + ".pandas", header=False, index=False, encoding="cp932")
print(f"pandas to_csv (cp932): {time.perf_counter() - start:.2f} s")

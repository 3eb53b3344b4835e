#!/bin/sh
# The delimited import and export benchmarks beside pandas reading and
# writing the same file. Run from the top of the source tree, as root (or
# with sudo) for apt-get; KZ_BENCH_RECORDS sets the records the window
# benchmark imports (default 1,000,000, which takes long: the entry window
# draws every record).
set -e
if ! /usr/bin/python3 -c "import pandas" 2>/dev/null; then
    apt-get install -y python3-pandas
fi
cmake -S . -B build -G Ninja
cmake --build build --target import_bench import_window_bench
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export KZ_BENCH_CSV="$folder/bench.csv"
build/bin/import_bench
/usr/bin/python3 bench/pandas_csv.py "$KZ_BENCH_CSV"
if [ -n "$KZ_BENCH_RECORDS" ]; then
    export KZ_BENCH_CSV="$folder/window.csv"
fi
build/bin/import_window_bench

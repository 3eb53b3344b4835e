#!/usr/bin/env bash
# The delimited import and export benchmarks beside pandas reading and
# writing the same file (Debian's python3-pandas, installed here when
# missing), in a Release build folder of their own, by default build-release.
# KZ_BENCH_RECORDS sets how many records the file holds (default 1,000,000).
# CPU time is the figure to compare on a shared machine; wall time is beside it.
#
#     bench/run_import_bench.sh [BUILD_FOLDER]
set -euo pipefail
source "$(dirname "$0")/../tools/common.sh"
build=${1:-$KZ_ROOT/build-release}

kz_install_missing python3-pandas
kz_release_targets "$build" import_bench import_window_bench zuntab

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export KZ_BENCH_CSV="$folder/bench.csv"
export QT_QPA_PLATFORM=offscreen
echo "== export, and the reader with and without the parse and store =="
"$build/bin/import_bench"
echo "== pandas on the same file =="
# Debian's interpreter, the one python3-pandas is installed for.
/usr/bin/python3 "$KZ_ROOT/bench/pandas_csv.py" "$KZ_BENCH_CSV"
echo "== through the import and entry windows =="
"$build/bin/import_window_bench"

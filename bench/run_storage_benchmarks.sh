#!/usr/bin/env bash
# The sample-storage benchmarks side by side in one run: saving and loading
# data files, counting every question through the per-sample and the batch
# library call, and the same count by pandas and numpy (Debian's
# python3-pandas, installed here when missing). Builds a Release build folder
# of its own, by default build-release.
#
#     bench/run_storage_benchmarks.sh [BUILD_FOLDER]
set -euo pipefail
source "$(dirname "$0")/../tools/common.sh"
build=${1:-$KZ_ROOT/build-release}

kz_install_missing python3-pandas
kz_release_targets "$build" data_file_bench counting_bench zuntab

export QT_QPA_PLATFORM=offscreen
columns=$(mktemp)
trap 'rm -f "$columns"' EXIT

echo "== data files =="
"$build/bin/data_file_bench"
echo "== counting =="
"$build/bin/counting_bench"
"$build/bin/counting_bench" --columns="$columns"
# Debian's interpreter, the one python3-pandas is installed for.
/usr/bin/python3 "$KZ_ROOT/bench/count_peer.py" "$columns"

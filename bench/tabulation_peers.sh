#!/bin/sh
# Tabulates a million samples x 100 questions (10 choices, up to 3 answers)
# into one column and into a five-column cross with Kelvorzun's engine
# (tabulation_bench: on one core and on every core, beside a plain loop over
# one-byte code columns), and times three tools an analyst would use on the
# same answers exported once as CSV: PSPP (FREQUENCIES; CROSSTABS in integer
# mode over a system file made from the CSV), pandas (value_counts under
# masks) and numpy (bincount under masks). Checks that the counts agree and
# prints the times and ratios.
#
#     bench/tabulation_peers.sh <build folder> [work folder]
#
# PSPP, pandas and numpy are installed here from Debian's packages when
# missing; the build never needs them. The work folder takes about 1.5 GB.
set -eu

build=${1:?"usage: $0 <build folder> [work folder]"}
work=${2:-/tmp/kz_tabulation_peers}
here=$(cd "$(dirname "$0")" && pwd)
bench="$build/bin/tabulation_bench"
python=/usr/bin/python3
mkdir -p "$work"

missing=""
command -v pspp >/dev/null 2>&1 || missing="$missing pspp"
"$python" -c "import pandas" 2>/dev/null || missing="$missing python3-pandas"
"$python" -c "import numpy" 2>/dev/null || missing="$missing python3-numpy"
if [ -n "$missing" ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi

now() { date +%s.%N; }
since() { echo "$(now) $1" | awk '{ printf "%.3f", $1 - $2 }'; }

echo "Exporting the answers and Kelvorzun's counts ..."
"$bench" --kz_export_csv="$work/answers.csv" >"$work/kelvorzun_checksums.txt"

echo "Kelvorzun ..."
"$bench" --benchmark_format=csv 2>/dev/null >"$work/kelvorzun.csv"
load=$(cut -d ' ' -f 1-3 /proc/loadavg)
# Seconds of a benchmark: column 3 is its wall time, 4 its CPU time (ms).
ours() { awk -F, -v name="\"$1/" -v field="$2" 'index($1, name) == 1 { printf "%.3f", $field / 1000 }' "$work/kelvorzun.csv"; }
ours_one=$(ours BM_TabulateOneColumn 4)
ours_cross=$(ours BM_TabulateFiveColumnCross 4)
all_one=$(ours BM_TabulateOneColumnAllCores 3)
all_cross=$(ours BM_TabulateFiveColumnCrossAllCores 3)
plain_one=$(ours BM_PlainLoopOneColumn 4)
plain_cross=$(ours BM_PlainLoopFiveColumnCross 4)

# Runs a peer's script on the answers and checks its counts against ours.
peer() {
    echo "$1 ..."
    "$python" "$here/tabulation_$1.py" "$work/answers.csv" >"$work/$1.txt"
    grep checksum "$work/$1.txt" | diff - "$work/kelvorzun_checksums.txt" >/dev/null ||
        { echo "$1 counts differ from Kelvorzun's" >&2; exit 1; }
}
# The seconds a peer took for a job ("one" or "cross").
peer_time() { awk -v job="$2" '$1 == "time" && $2 == job { print $3 }' "$work/$1.txt"; }
peer pandas
peer numpy
pandas_one=$(peer_time pandas one)
pandas_cross=$(peer_time pandas cross)
numpy_one=$(peer_time numpy one)
numpy_cross=$(peer_time numpy cross)

echo "PSPP ..."
variables=$(for q in $(seq 1 100); do for i in 1 2 3; do printf 'q%d_%d F2.0 ' "$q" "$i"; done; done)
cat >"$work/convert.sps" <<SPS
GET DATA /TYPE=TXT /FILE='$work/answers.csv' /ARRANGEMENT=DELIMITED /DELCASE=LINE /FIRSTCASE=2
  /DELIMITERS="," /VARIABLES=$variables.
SAVE OUTFILE='$work/answers.sav'.
SPS
cat >"$work/read.sps" <<SPS
GET FILE='$work/answers.sav'.
EXECUTE.
SPS
cat >"$work/one.sps" <<SPS
GET FILE='$work/answers.sav'.
FREQUENCIES /VARIABLES=q1_1 TO q100_3 /STATISTICS=NONE.
SPS
{
    echo "GET FILE='$work/answers.sav'."
    for c in 1 2 3 4 5; do echo "COMPUTE x$c = ANY($c, q1_1, q1_2, q1_3)."; done
    echo "CROSSTABS /VARIABLES=q1_1 TO q100_3 (1, 10) x1 TO x5 (0, 1)"
    echo "  /TABLES=q1_1 TO q100_3 BY x1 TO x5 /CELLS=COUNT."
} >"$work/cross.sps"
pspp -O format=txt -o "$work/convert.txt" "$work/convert.sps" >/dev/null
start=$(now); pspp -O format=txt -o "$work/read.txt" "$work/read.sps" >/dev/null; pspp_read=$(since "$start")
start=$(now); pspp -O format=txt -o "$work/one.txt" "$work/one.sps" >/dev/null; pspp_one=$(since "$start")
start=$(now); pspp -O format=txt -o "$work/cross.txt" "$work/cross.sps" >/dev/null; pspp_cross=$(since "$start")
"$python" "$here/tabulation_pspp_checksums.py" "$work/one.txt" |
    diff - "$work/kelvorzun_checksums.txt" | grep -q '^<' &&
    { echo "PSPP counts differ from Kelvorzun's" >&2; exit 1; }

echo
echo "Seconds: Kelvorzun on one core and the plain loop in CPU time, on every core in wall time; the"
echo "peers on one core in wall time. Ratios are the peer's time over Kelvorzun's on one core."
printf '%-16s %9s %9s %9s %9s %9s %9s %9s %9s %9s %9s\n' "" "ours" "all cores" "plain" "numpy" "pandas" "PSPP" \
    "plain/us" "numpy/us" "pandas/us" "PSPP/us"
for row in "one column:$ours_one:$all_one:$plain_one:$numpy_one:$pandas_one:$pspp_one" \
    "5-column cross:$ours_cross:$all_cross:$plain_cross:$numpy_cross:$pandas_cross:$pspp_cross"; do
    echo "$row" | awk -F: '{ printf "%-16s %9.3f %9.3f %9.3f %9.3f %9.3f %9.3f %9.2f %9.2f %9.2f %9.2f\n",
        $1, $2, $3, $4, $5, $6, $7, $4 / $2, $5 / $2, $6 / $2, $7 / $2 }'
done
echo "(PSPP's times are whole runs; reading its system file alone takes $pspp_read s.)"
echo "Load averages (1, 5, 15 minutes) after Kelvorzun's benchmarks: $load on $(nproc) cores."

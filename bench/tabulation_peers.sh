#!/bin/sh
# Tabulates a million samples x 100 questions (10 choices, up to 3 answers)
# into one column and into a five-column cross with Kelvorzun's engine
# (tabulation_bench), and times two tools an analyst would use on the same
# answers exported once as CSV: PSPP (FREQUENCIES; CROSSTABS in integer
# mode over a system file made from the CSV) and pandas (value_counts under
# masks). Checks that the counts agree and prints the times and ratios.
#
#     bench/tabulation_peers.sh <build folder> [work folder]
#
# PSPP and pandas are installed here from Debian's packages when missing;
# the build never needs them. The work folder takes about 1.5 GB.
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
ours() { awk -F, -v name="\"$1/" 'index($1, name) == 1 { printf "%.3f", $3 / 1000 }' "$work/kelvorzun.csv"; }
ours_one=$(ours BM_TabulateOneColumn)
ours_cross=$(ours BM_TabulateFiveColumnCross)

echo "pandas ..."
"$python" "$here/tabulation_pandas.py" "$work/answers.csv" >"$work/pandas.txt"
pandas_one=$(awk '$1 == "time" && $2 == "one" { print $3 }' "$work/pandas.txt")
pandas_cross=$(awk '$1 == "time" && $2 == "cross" { print $3 }' "$work/pandas.txt")
grep checksum "$work/pandas.txt" | diff - "$work/kelvorzun_checksums.txt" >/dev/null ||
    { echo "pandas counts differ from Kelvorzun's" >&2; exit 1; }

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
printf '%-22s %12s %12s %12s %14s %14s\n' "seconds" "Kelvorzun" "pandas" "PSPP" "pandas/ours" "PSPP/ours"
for row in "one column:$ours_one:$pandas_one:$pspp_one" "5-column cross:$ours_cross:$pandas_cross:$pspp_cross"; do
    echo "$row" | awk -F: '{ printf "%-22s %12.3f %12.3f %12.3f %14.2f %14.2f\n", $1, $2, $3, $4, $3 / $2, $4 / $2 }'
done
echo "(PSPP's times are whole runs; reading its system file alone takes $pspp_read s.)"

#!/usr/bin/env bash
# Runs every fuzz target at once for MINUTES minutes, before a release.
#   fuzz/run_all.sh MINUTES
# KZ_FUZZ_JOBS (default: every core) processes share the cores, at least one
# per target. Each target's corpus grows in KZ_FUZZ_CORPUS/TARGET (default
# ~/kelvorzun-fuzz-corpus, outside the source tree) from one run to the
# next, seeded from the tests' fixtures; its log is TARGET.log there, and
# the inputs of crashes, leaks, timeouts and memory reports go to
# TARGET-findings/. Ends with each target's runs and coverage, and fails when
# anything was found.
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ $# -ne 1 ] || ! [[ $1 =~ ^[0-9]+$ ]] || [ "$1" -lt 1 ]; then
    echo "usage: $0 MINUTES" >&2
    exit 2
fi
seconds=$(($1 * 60))
corpus=${KZ_FUZZ_CORPUS:-$HOME/kelvorzun-fuzz-corpus}
jobs=${KZ_FUZZ_JOBS:-$(nproc)}
build="$KZ_FUZZ_ROOT/build-fuzz"

kz_fuzz_build "$build"
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
kz_fuzz_seeds "$build" "$seeds"

count=${#KZ_FUZZ_TARGETS[@]}
pids=()
for i in "${!KZ_FUZZ_TARGETS[@]}"; do
    target=${KZ_FUZZ_TARGETS[$i]}
    # The jobs split evenly; the first targets take what is left over.
    workers=$((jobs / count + (i < jobs % count ? 1 : 0)))
    [ "$workers" -lt 1 ] && workers=1
    mkdir -p "$corpus/$target" "$corpus/$target-findings"
    LD_LIBRARY_PATH="$build/bin" "$build/bin/$target" -fork="$workers" -max_total_time="$seconds" \
        "${KZ_FUZZ_LIMITS[@]}" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
        -artifact_prefix="$corpus/$target-findings/" "$corpus/$target" "$seeds/$target" \
        >"$corpus/$target.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done

echo "target runs cov ft corpus crashes/timeouts/ooms"
for target in "${KZ_FUZZ_TARGETS[@]}"; do
    # The fork mode's last report: "#RUNS: cov: C ft: F corp: N exec/s E oom/timeout/crash: O/T/C ...".
    report=$(grep -E '^#[0-9]+: cov:' "$corpus/$target.log" | tail -1)
    read -r runs cov ft corp oom timeout crash < <(sed -E \
        's|^#([0-9]+): cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+).* oom/timeout/crash: ([0-9]+)/([0-9]+)/([0-9]+).*|\1 \2 \3 \4 \5 \6 \7|' \
        <<<"$report")
    echo "$target $runs $cov $ft $corp $crash/$timeout/$oom"
    found=$(find "$corpus/$target-findings" -type f | wc -l)
    if [ "$found" -gt 0 ]; then
        echo "  $found finding(s) in $corpus/$target-findings" >&2
        status=1
    fi
done
exit $status

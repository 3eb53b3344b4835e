# Shared by CI and run_all.sh: the fuzz targets, the limits every run of
# them keeps, and their build. Source it; it defines variables and
# functions only.

KZ_FUZZ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The data-file loader's first, then the other readers of outside input.
KZ_FUZZ_TARGETS=(load_data_file_fuzz page_file_fuzz import_records_fuzz network_answers_fuzz settings_file_fuzz)
# An input that takes ten seconds or 2 GB is a finding.
KZ_FUZZ_LIMITS=(-timeout=10 -rss_limit_mb=2048)

# kz_fuzz_build FOLDER: configures FOLDER for clang with KZ_FUZZ=ON and
# builds the targets and the seed generator.
kz_fuzz_build() {
    local dir=$1
    CC=clang CXX=clang++ cmake -S "$KZ_FUZZ_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKZ_FUZZ=ON -DKZ_BENCHMARKS=OFF >/dev/null
    cmake --build "$dir" -j "$(nproc)" --target fuzz_targets
}

# kz_fuzz_seeds FOLDER SEEDS: writes every target's seeds into SEEDS/TARGET.
kz_fuzz_seeds() {
    "$1/bin/fuzz_seed_corpus" "$2"
}

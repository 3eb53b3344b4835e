# Shared by the set-up commands: install what is missing, then configure and
# build one build folder. Source it; it defines functions only.

KZ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KZ_PACKAGES=(build-essential cmake ninja-build pkg-config
             qt6-base-dev qt6-charts-dev qt6-datavisualization-dev qt6-svg-dev libqt6opengl6-dev qt6-declarative-dev
             qt6-translations-l10n libgl-dev libgl1-mesa-dri
             libgtest-dev libgmock-dev libbenchmark-dev
             clang libclang-rt-14-dev
             fonts-noto-cjk xvfb xauth)

# kz_install_missing [PACKAGE...]: the packages named, by default every one
# the build needs.
kz_install_missing() {
    local wanted=("$@")
    [ ${#wanted[@]} -eq 0 ] && wanted=("${KZ_PACKAGES[@]}")
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# kz_build FOLDER [CMAKE OPTIONS...]
kz_build() {
    local dir=$1
    shift
    cmake -S "$KZ_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# kz_release_targets FOLDER TARGET...: the targets named, in a Release build
# folder of their own (the benchmarks').
kz_release_targets() {
    local dir=$1
    shift
    cmake -S "$KZ_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$dir" -j "$(nproc)" --target "$@"
}

#!/usr/bin/env bash
# Installs what is missing, builds Kelvorzun and starts it.
#   tools/run-kelvorzun.sh              the demo survey (a working copy of examples/demo.kz)
#   tools/run-kelvorzun.sh FILE.kz      that data file
#   tools/run-kelvorzun.sh --no-file    no file: the empty, locked questionnaire
set -euo pipefail
source "$(dirname "$0")/common.sh"
kz_install_missing
kz_build "$KZ_ROOT/build"
case "${1-}" in
    "")
        # Saving must not change the example in the source tree: the demo
        # opens from a copy in the build folder, renewed when the example is.
        cp -u "$KZ_ROOT/examples/demo.kz" "$KZ_ROOT/build/demo.kz"
        set -- "$KZ_ROOT/build/demo.kz"
        ;;
    --no-file)
        set --
        ;;
esac
if [ -z "${DISPLAY-}" ] && [ -z "${WAYLAND_DISPLAY-}" ]; then
    echo "No display: start it on a desktop, or without one under xvfb-run." >&2
fi
exec "$KZ_ROOT/build/bin/Kelvorzun" "$@"

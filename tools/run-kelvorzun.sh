#!/usr/bin/env bash
# Installs what is missing, builds Kelvorzun and starts it.
set -euo pipefail
source "$(dirname "$0")/common.sh"
kz_install_missing
kz_build "$KZ_ROOT/build"
if [ -x "$KZ_ROOT/build/bin/Kelvorzun" ]; then
    exec "$KZ_ROOT/build/bin/Kelvorzun" "$@"
fi
echo "Built zuntab, qexolin and the engine; the Kelvorzun window is not built yet."

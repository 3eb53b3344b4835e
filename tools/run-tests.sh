#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
source "$(dirname "$0")/common.sh"
# The network questionnaire's end-to-end test fills its form in Chromium.
kz_install_missing "${KZ_PACKAGES[@]}" chromium
kz_build "$KZ_ROOT/build"
ctest --test-dir "$KZ_ROOT/build" -j "$(nproc)" --output-on-failure

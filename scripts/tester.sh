#!/usr/bin/env bash
# Builds Vardel and its tests (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test without a display.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/scripts/preparer.sh" build-tests -DCMAKE_BUILD_TYPE=Debug -DVARDEL_TESTS=ON -DVARDEL_SANITIZE=ON
cd "$racine/build-tests"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
ctest --output-on-failure -j "$(nproc)"

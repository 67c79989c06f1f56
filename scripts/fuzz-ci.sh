#!/usr/bin/env bash
# Builds the fuzz programs of the readers (with clang, installed when
# missing) and runs each for a short while as a test: ctest -L fuzz.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/scripts/preparer.sh" build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DVARDEL_FUZZ=ON -DVARDEL_TESTS=OFF -DVARDEL_BENCH=OFF
ctest --test-dir "$racine/build-fuzz" -L fuzz --output-on-failure -j 2

#!/usr/bin/env bash
# Builds Vardel if needed and starts it on the data shipped in data/.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$racine/scripts/preparer.sh" build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDEL_TESTS=OFF
cd "$racine/data"
exec "$racine/build/app/vardel" "$@"

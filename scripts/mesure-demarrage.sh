#!/usr/bin/env bash
# Times the start-up of Vardel, from launch to its main window shown, against
# a bare Qt main window started the same way, over several runs each, and
# prints the medians and their ratio. Installs xvfb and x11-utils when missing.
#   ./scripts/mesure-demarrage.sh [runs]
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
essais="${1:-9}"
VARDEL_PAQUETS_EN_PLUS="xvfb xauth x11-utils" "$racine/scripts/preparer.sh" build-bench -DCMAKE_BUILD_TYPE=Release -DVARDEL_TESTS=OFF -DVARDEL_BENCH=ON >/dev/null

interieur=$(cat <<'SCRIPT'
set -eu
mesure() {   # program, window title -> milliseconds until the window is shown
    while :; do
        debut=$(date +%s%N)
        "$1" >/dev/null 2>&1 &
        pid=$!
        # Polls with xwininfo, which opens a plain connection: a keyboard-aware
        # client makes the server compile a keymap at each poll.
        until xwininfo -name "$2" 2>/dev/null | grep -q IsViewable; do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.005
        done
        fin=$(date +%s%N)
        if kill "$pid" 2>/dev/null; then
            wait "$pid" 2>/dev/null || true
            echo $(( (fin - debut) / 1000000 ))
            return
        fi
        # The busy server refused the connection now and then: start again.
        wait "$pid" 2>/dev/null || true
    done
}
mediane() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
cd "$RACINE/data"
mesure "$RACINE/build-bench/bench/fenetre_nue" "Fenetre nue" >/dev/null   # warms the caches
v=""; n=""
for i in $(seq "$ESSAIS"); do
    v="$v $(mesure "$RACINE/build-bench/app/vardel" "Caractéristiques du personnage")"
    n="$n $(mesure "$RACINE/build-bench/bench/fenetre_nue" "Fenetre nue")"
done
mv=$(echo $v | tr ' ' '\n' | mediane)
mn=$(echo $n | tr ' ' '\n' | mediane)
echo "Vardel : $v ms (médiane $mv)"
echo "Fenêtre nue : $n ms (médiane $mn)"
awk -v a="$mv" -v b="$mn" 'BEGIN { printf "Rapport des médianes : %.2f\n", a / b }'
SCRIPT
)
RACINE="$racine" ESSAIS="$essais" xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$interieur"

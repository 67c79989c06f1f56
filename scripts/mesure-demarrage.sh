#!/usr/bin/env bash
# Times the start-up of Vardel, from launch to its main window shown, against
# a bare Qt main window started the same way, over several runs each, and
# prints the medians and their ratios: wall time, CPU time used by the
# process until then, and its peak memory. Installs xvfb and x11-utils when
# missing.
#   ./scripts/mesure-demarrage.sh [runs]
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
essais="${1:-9}"
VARDEL_PAQUETS_EN_PLUS="xvfb xauth x11-utils" "$racine/scripts/preparer.sh" build-bench -DCMAKE_BUILD_TYPE=Release -DVARDEL_TESTS=OFF -DVARDEL_BENCH=ON >/dev/null

interieur=$(cat <<'SCRIPT'
set -eu
mesure() {   # program, window title -> "wall_ms cpu_ms peak_kib" when the window is shown
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
        # CPU time of all its threads so far (in nanoseconds, not clock
        # ticks: a tick is 10 ms) and its peak resident memory.
        cpu=$(cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { if (NR) printf "%.1f", s / 1e6 }')
        pic=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo "")
        if [ -n "$cpu" ] && kill "$pid" 2>/dev/null; then
            wait "$pid" 2>/dev/null || true
            echo "$(( (fin - debut) / 1000000 )) $cpu $pic"
            return
        fi
        # The busy server refused the connection now and then: start again.
        wait "$pid" 2>/dev/null || true
    done
}
mediane() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
cd "$RACINE/data"
mesure "$RACINE/build-bench/bench/fenetre_nue" "Fenetre nue" >/dev/null   # warms the caches
mesure "$RACINE/build-bench/app/vardel" "Caractéristiques du personnage" >/dev/null
: >/tmp/vardel.$$; : >/tmp/nue.$$
for i in $(seq "$ESSAIS"); do
    mesure "$RACINE/build-bench/app/vardel" "Caractéristiques du personnage" >>/tmp/vardel.$$
    mesure "$RACINE/build-bench/bench/fenetre_nue" "Fenetre nue" >>/tmp/nue.$$
done
colonne() { awk -v c="$2" '{ print $c }' "$1" | mediane; }
for c in 1 2 3; do
    case $c in 1) quoi="temps écoulé (ms)";; 2) quoi="temps CPU (ms)";; 3) quoi="mémoire de pointe (Kio)";; esac
    a=$(colonne /tmp/vardel.$$ $c); b=$(colonne /tmp/nue.$$ $c)
    awk -v q="$quoi" -v a="$a" -v b="$b" 'BEGIN { printf "%-26s Vardel %8s   fenêtre nue %8s   rapport %.2f\n", q, a, b, a / b }'
done
rm -f /tmp/vardel.$$ /tmp/nue.$$
SCRIPT
)
RACINE="$racine" ESSAIS="$essais" xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$interieur"

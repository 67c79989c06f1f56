#!/usr/bin/env bash
# Fuzzes the readers of Vardel with libFuzzer: builds the fuzz programs in
# build-fuzz (with clang, installed when missing), then runs each for the
# given time (600 seconds by default), at the lowest priority, over its
# working corpus in build-fuzz/corpus/<program> (outside the repository),
# the corpus kept in the repository (fuzz/corpus/<program>), its starting
# inputs and its dictionary. After a clean run the kept corpus is replaced by
# the smallest set of inputs that reaches every branch reached so far
# (libFuzzer's -merge=1), so that the next run, here or on CI, starts where
# this one ended: commit it. Prints for each program the executions it ran
# and whether it ended clean; the input of a fault is left in
# build-fuzz/trouvailles/, the program's output in build-fuzz/journaux/.
# VARDEL_FUZZ_MAX_LEN, when set, bounds the inputs instead of each program's
# own length (the starting inputs and the corpus are then read cut to it):
# shorter inputs run faster. VARDEL_FUZZ_RUNS, when set, also ends each
# program after that many executions, whichever comes first: a count of
# executions that a busy machine does not shorten.
# An input that runs 30 seconds counts as a hang: at the lowest priority on
# a busy machine, one of a few milliseconds can wait seconds for a core.
#   ./scripts/fuzz.sh [seconds] [program...]
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
duree="${1:-600}"
if [ "$#" -gt 0 ]; then shift; fi
"$racine/scripts/preparer.sh" build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DVARDEL_FUZZ=ON -DVARDEL_TESTS=OFF -DVARDEL_BENCH=OFF

construction="$racine/build-fuzz"
mkdir -p "$construction/corpus" "$construction/trouvailles" "$construction/journaux"
declare -A longueurs
while read -r nom longueur; do longueurs[$nom]=$longueur; done <"$construction/fuzz/programmes.txt"
if [ "$#" -gt 0 ]; then
    programmes=("$@")
else
    mapfile -t programmes < <(cut -d' ' -f1 "$construction/fuzz/programmes.txt")
fi

bilan=()
fautes=0
for nom in "${programmes[@]}"; do
    if [ -z "${longueurs[$nom]:-}" ]; then
        echo "Programme inconnu : $nom (connus : ${!longueurs[*]})" >&2
        exit 2
    fi
    echo "== $nom : ${duree} s"
    corpus="$construction/corpus/$nom"
    garde="$racine/fuzz/corpus/$nom"
    journal="$construction/journaux/$nom.log"
    longueur="${VARDEL_FUZZ_MAX_LEN:-${longueurs[$nom]}}"
    mkdir -p "$corpus" "$garde"
    etat=0
    nice -n 19 "$construction/fuzz/$nom" -max_total_time="$duree" -runs="${VARDEL_FUZZ_RUNS:--1}" -timeout=30 -rss_limit_mb=2048 \
        -max_len="$longueur" -dict="$racine/fuzz/dictionnaires/$nom.dict" \
        -artifact_prefix="$construction/trouvailles/$nom-" -print_final_stats=1 \
        "$corpus" "$garde" "$construction/fuzz/graines/$nom" >"$journal" 2>&1 || etat=$?
    if [ "$etat" -eq 0 ]; then
        # The kept corpus, minimized: written beside, then put in place.
        nouveau="$construction/corpus/$nom.garde"
        rm -rf "$nouveau"
        mkdir -p "$nouveau"
        nice -n 19 "$construction/fuzz/$nom" -merge=1 -timeout=30 -rss_limit_mb=2048 -max_len="$longueur" \
            "$nouveau" "$garde" "$corpus" "$construction/fuzz/graines/$nom" >"$journal.fusion" 2>&1 || etat=$?
        if [ "$etat" -eq 0 ]; then
            rm -rf "$garde"
            mv "$nouveau" "$garde"
        fi
    fi
    executions=$(awk '/stat::number_of_executed_units/ { print $2 }' "$journal" | tail -1)
    secondes=$(awk '/stat::average_exec_per_sec/ { print $2 }' "$journal" | tail -1)
    if [ "$etat" -eq 0 ]; then
        fin="propre"
    else
        fin="FAUTE (code $etat) : voir $journal"
        fautes=$((fautes + 1))
    fi
    bilan+=("$(printf '%-26s %12s exécutions %8s exec/s   %s' "$nom" "${executions:-?}" "${secondes:-?}" "$fin")")
done

echo
printf '%s\n' "${bilan[@]}"
[ "$fautes" -eq 0 ]

#!/usr/bin/env bash
# Installs what Vardel needs to build and run on Debian 12, when it is
# missing, then configures and builds in the folder given ($1) with the
# CMake options that follow. Quiet and quick when nothing changed. A tool
# script may ask for more packages in VARDEL_PAQUETS_EN_PLUS; the fuzz build
# (-DVARDEL_FUZZ=ON) gets clang and libFuzzer.
set -euo pipefail

racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dossier="$1"
shift

paquets=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev fonts-liberation2
         libgtest-dev libbenchmark-dev qt6-translations-l10n ${VARDEL_PAQUETS_EN_PLUS:-})
# The fuzz build needs clang and its libFuzzer and sanitizer runtimes.
for option in "$@"; do
    if [ "$option" = "-DVARDEL_FUZZ=ON" ]; then
        paquets+=(clang libclang-rt-14-dev)
    fi
done
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ "${#manquants[@]}" -gt 0 ]; then
    echo "Installation de : ${manquants[*]}"
    sudo_si_besoin=()
    [ "$(id -u)" -eq 0 ] || sudo_si_besoin=(sudo)
    "${sudo_si_besoin[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_si_besoin[@]}" apt-get install -y -qq "${manquants[@]}"
fi

# Configured every time (it is quick), so that a changed option is never
# silently ignored.
cmake -S "$racine" -B "$racine/$dossier" -G Ninja "$@" >/dev/null
cmake --build "$racine/$dossier" -j "$(nproc)"

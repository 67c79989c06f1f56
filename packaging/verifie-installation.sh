#!/usr/bin/env bash
# Checks that Vardel installs like any desktop program: builds it (Release,
# without its tests) in the build folder given, installs it into a scratch
# DESTDIR and under a second prefix, checks the installed tree, its desktop
# entry, its file types, its AppStream metadata, its manual page and its
# copyright and changelog, then makes the Debian package and checks its
# contents, its control fields, its dependencies and what lintian says of
# it. Installs the tools it needs when missing. Ends with "N passed, N
# failed" and fails when any check does.
#   ./packaging/verifie-installation.sh [dossier de construction, build-paquet par défaut]
set -uo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
nom_dossier="${1:-build-paquet}"
construction="$racine/$nom_dossier"

reussis=0
echoues=0
verifie() {   # description, command...: one check, counted
    local quoi="$1"
    shift
    if "$@"; then
        reussis=$((reussis + 1))
        echo "ok     $quoi"
    else
        echoues=$((echoues + 1))
        echo "ÉCHEC  $quoi"
    fi
}
fin() {
    echo "$reussis passed, $echoues failed"
    [ "$echoues" -eq 0 ]
    exit
}

VARDEL_PAQUETS_EN_PLUS="desktop-file-utils libxml2-utils dpkg-dev shared-mime-info binutils lintian appstream man-db groff-base" \
    nice -n 10 "$racine/scripts/preparer.sh" "$nom_dossier" -DCMAKE_BUILD_TYPE=Release -DVARDEL_TESTS=OFF
verifie "construction dans $nom_dossier" test $? -eq 0
[ "$echoues" -eq 0 ] || fin

travail="$(mktemp -d)"
trap 'rm -rf "$travail"' EXIT
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$construction/CPackConfig.cmake")"
verifie "version du projet connue ($version)" test -n "$version"

# --- The installed tree, under /usr in a DESTDIR ----------------------------
DESTDIR="$travail/destdir" cmake --install "$construction" --prefix /usr >/dev/null
verifie "cmake --install avec DESTDIR" test $? -eq 0
usr="$travail/destdir/usr"

verifie "bin/vardel exécutable" test -x "$usr/bin/vardel"
verifie "vardel --version donne « Vardel $version »" \
    test "$("$usr/bin/vardel" --version 2>/dev/null)" = "Vardel $version"
# Nothing of the build folder may stay in the installed program.
verifie "vardel sans chemin de recherche vers la construction" \
    bash -c '! readelf -d "$1" | grep -E "RPATH|RUNPATH" | grep -qF "$2"' _ "$usr/bin/vardel" "$racine"

for f in XP.dat ST.dat Vardel.Aju comprace.dat sorts2.dat Clercs5.dat Vardel.cat Vardel.nwp Vardel.Arm Mage.mag Exigences.dat; do
    verifie "share/vardel/$f identique à data/$f" cmp -s "$racine/data/$f" "$usr/share/vardel/$f"
done

bureau=("$usr"/share/applications/*.desktop)
verifie "une seule entrée de bureau dans share/applications" test "${#bureau[@]}" -eq 1 -a -f "${bureau[0]}"
verifie "desktop-file-validate ${bureau[0]##*/}" desktop-file-validate "${bureau[0]}"
valeur() { sed -n "s/^$1=//p" "${bureau[0]}"; }
verifie "Exec lance le programme installé (vardel %f)" test "$(valeur Exec)" = "vardel %f" -a -x "$usr/bin/vardel"
verifie "Icon=vardel" test "$(valeur Icon)" = vardel

taille_png() {   # file -> "width height", from the PNG signature and its header
    local octets
    octets=$(od -An -tx1 -N24 "$1" 2>/dev/null | tr -d ' \n')
    [ "${octets:0:16}" = 89504e470d0a1a0a ] || return 0
    echo "$((16#${octets:32:8})) $((16#${octets:40:8}))"
}
for t in 16 22 24 32 48 64 128 256; do
    verifie "icône PNG ${t}x${t}" test "$(taille_png "$usr/share/icons/hicolor/${t}x${t}/apps/vardel.png")" = "$t $t"
done
verifie "icône SVG (scalable) bien formée" xmllint --noout "$usr/share/icons/hicolor/scalable/apps/vardel.svg"

mimes=("$usr"/share/mime/packages/*.xml)
verifie "un seul fichier de types dans share/mime/packages" test "${#mimes[@]}" -eq 1 -a -f "${mimes[0]}"
# Against the schema of shared-mime-info when its package ships one, else
# well-formed; update-mime-database then reads it as the desktop will.
schema="$(dpkg -L shared-mime-info 2>/dev/null | grep -E '\.(xsd|rng)$' | head -n 1)"
if [ -n "$schema" ]; then
    case "$schema" in
        *.xsd) verifie "xmllint ${mimes[0]##*/} (schéma $schema)" xmllint --noout --schema "$schema" "${mimes[0]}" ;;
        *.rng) verifie "xmllint ${mimes[0]##*/} (schéma $schema)" xmllint --noout --relaxng "$schema" "${mimes[0]}" ;;
    esac
else
    verifie "xmllint ${mimes[0]##*/} bien formé" xmllint --noout "${mimes[0]}"
fi
mkdir -p "$travail/mime/packages"
cp "${mimes[0]}" "$travail/mime/packages/"
verifie "update-mime-database lit les types sans avertissement" \
    bash -c 'sortie=$(XDG_DATA_HOME="$2" update-mime-database "$1" 2>&1) && [ -z "$sortie" ]' _ "$travail/mime" "$travail"
verifie "*.vdl : application/x-vardel-personnage" grep -qx '50:application/x-vardel-personnage:\*\.vdl' "$travail/mime/globs2"
verifie "*.mag : application/x-vardel-sorts" grep -qx '50:application/x-vardel-sorts:\*\.mag' "$travail/mime/globs2"
verifie "« Personnage de Vardel » en français et par défaut" \
    test "$(grep -c '<comment\( xml:lang="fr"\)\?>Personnage de Vardel</comment>' "$travail/mime/application/x-vardel-personnage.xml")" -eq 2
verifie "« Sorts de mage de Vardel » en français et par défaut" \
    test "$(grep -c '<comment\( xml:lang="fr"\)\?>Sorts de mage de Vardel</comment>' "$travail/mime/application/x-vardel-sorts.xml")" -eq 2
verifie "les .vdl sont du texte (text/plain)" grep -qx 'application/x-vardel-personnage text/plain' "$travail/mime/subclasses"
for type in $(valeur MimeType | tr ';' ' '); do
    verifie "le type $type de l'entrée de bureau est déclaré" test -f "$travail/mime/${type}.xml"
done

# --- What software centres show ---------------------------------------------
metainfo="$usr/share/metainfo/fr.vardel.Vardel.metainfo.xml"
verifie "appstreamcli validate --no-net ${metainfo##*/}" \
    bash -c 'appstreamcli validate --no-net "$1" >"$2" 2>&1 || { cat "$2"; false; }' _ "$metainfo" "$travail/appstream.txt"
metadonnee() { xmllint --xpath "string($1)" "$metainfo" 2>/dev/null; }
verifie "AppStream : lancé par ${bureau[0]##*/}" test "$(metadonnee '/component/launchable[@type="desktop-id"]')" = "${bureau[0]##*/}"
verifie "AppStream : licence GPL-3.0-or-later" test "$(metadonnee /component/project_license)" = GPL-3.0-or-later
verifie "AppStream : version $version datée" \
    bash -c '[[ "$1" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}$ ]]' _ "$(metadonnee "/component/releases/release[@version=\"$version\"]/@date")"
for type in $(valeur MimeType | tr ';' ' '); do
    verifie "AppStream : ouvre $type" test "$(metadonnee "count(/component/provides/mediatype[.=\"$type\"])")" = 1
done

# --- The manual page ----------------------------------------------------------
page="$usr/share/man/man6/vardel.6.gz"
verifie "page de manuel share/man/man6/vardel.6.gz" test -f "$page"
# What lintian runs: no warning of man nor groff, at the width of a terminal.
verifie "man -l rend la page sans avertissement" \
    bash -c 'sortie=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$1" 2>&1 >/dev/null) && [ -z "$sortie" ] || { echo "$sortie"; false; }' _ "$page"
rendu="$(MANWIDTH=80 LC_ALL=C.UTF-8 man -l "$page" 2>/dev/null)"
verifie "la page porte la version (Vardel $version)" grep -q "Vardel $version" <<<"$rendu"
# Every option the program's help names is described in the page.
for option in $("$usr/bin/vardel" --help | grep -oE '(^|[ ,])--?[a-z]+' | tr -d ' ,'); do
    verifie "la page décrit $option" grep -qE -- "(^|[ ,])$option([ ,]|$)" <<<"$rendu"
done
verifie "la page donne les codes de retour 0, 1 et 2" \
    bash -c 'for c in 0 1 2; do grep -qE "^ +$c  " <<<"$1" || exit 1; done' _ "$rendu"

# --- The copyright and the changelog -------------------------------------------
doc="$usr/share/doc/vardel"
verifie "share/doc/vardel/copyright au format lisible par les machines" \
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
verifie "copyright : tout sous GPL-3+, texte dans /usr/share/common-licenses/GPL-3" \
    bash -c 'grep -qx "License: GPL-3+" "$1" && grep -qF "/usr/share/common-licenses/GPL-3" "$1"' _ "$doc/copyright"
verifie "LICENSE du dépôt : le texte de la GPL version 3" \
    cmp -s "$racine/LICENSE" /usr/share/common-licenses/GPL-3
zcat "$doc/changelog.gz" >"$travail/changelog" 2>/dev/null
verifie "changelog.gz : première entrée $version" \
    test "$(dpkg-parsechangelog -l "$travail/changelog" -S Version 2>/dev/null)" = "$version"
# Compressed at most, without the name nor the time of the file (lintian):
# flags byte 3 without FNAME, time bytes 4 to 7 nought, extra flags 2.
for gz in "$doc/changelog.gz" "$page"; do
    verifie "${gz##*/} compressé par gzip -9n" \
        test "$(od -An -tx1 -j3 -N6 "$gz" | tr -d ' \n')" = 000000000002
done

# Under another prefix, the same files at the same places.
cmake --install "$construction" --prefix "$travail/ailleurs" >/dev/null
verifie "cmake --install --prefix ailleurs : mêmes fichiers" \
    test "$(cd "$travail/ailleurs" && find . -type f | sort)" = "$(cd "$usr" && find . -type f | sort)"

# --- The Debian package ------------------------------------------------------
rm -f "$construction"/vardel_*.deb
(cd "$construction" && nice -n 10 cpack -G DEB >/dev/null)
verifie "cpack -G DEB" test $? -eq 0
deb=("$construction"/vardel_"$version"_*.deb)
verifie "paquet ${deb[0]##*/} produit" test "${#deb[@]}" -eq 1 -a -f "${deb[0]}"
[ -f "${deb[0]}" ] || fin

champ() { dpkg-deb -f "${deb[0]}" "$1"; }
verifie "Package: vardel" test "$(champ Package)" = vardel
verifie "Version: $version" test "$(champ Version)" = "$version"
# A game for Debian: the package's section, and its program in /usr/games.
verifie "Section: games" test "$(champ Section)" = games
verifie "Maintainer renseigné" test -n "$(champ Maintainer)"
verifie "Description en français" bash -c '[[ "$1" == *"feuilles de personnage"* ]]' _ "$(champ Description)"
depend="$(champ Depends)"
dependances=" $(echo "$depend" | tr ',|' '\n\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | tr '\n' ' ') "
verifie "Depends nomme chaque paquet une seule fois" \
    test -z "$(echo "$dependances" | tr ' ' '\n' | sed '/^$/d' | sort | uniq -d)"
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-liberation2 qt6-translations-l10n; do
    verifie "Depends: $p" test "${dependances#* "$p" }" != "$dependances"
done
# Every library the program itself links (not those they bring in) is a
# dependency, so a new one cannot be forgotten.
for bib in $(readelf -d "$usr/bin/vardel" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    chemin="$(ldd "$usr/bin/vardel" | awk -v b="$bib" '$1 == b { print $3 }')"
    # dpkg knows a library by the path it was unpacked to, /lib or /usr/lib.
    p="$({ dpkg -S "$chemin" || dpkg -S "$(readlink -f "$chemin")"; } 2>/dev/null | head -n 1 | sed 's/:.*//')"
    verifie "Depends couvre $bib ($p)" test -n "$p" -a "${dependances#* "$p" }" != "$dependances"
done

fichiers_paquet="$(dpkg-deb -c "${deb[0]}" | awk '$1 ~ /^-/ { sub(/^\.\/usr\//, "./", $6); print $6 }' | sort)"
verifie "le paquet contient exactement les fichiers installés sous /usr, le programme dans games" \
    test "$fichiers_paquet" = "$(cd "$usr" && find . -type f | sed 's|^\./bin/vardel$|./games/vardel|' | sort)"
paquet="$travail/paquet"
dpkg-deb -x "${deb[0]}" "$paquet"
verifie "le paquet place le programme dans /usr/games" test -x "$paquet/usr/games/vardel" -a ! -e "$paquet/usr/bin"
# The program looks for its data in share/vardel beside its own folder.
verifie "depuis /usr/games, le programme trouve ses données (../share/vardel)" \
    test -f "$paquet/usr/games/../share/vardel/XP.dat" -a -f "$paquet/usr/games/../share/vardel/Mage.mag"
entree_paquet="$paquet/usr/share/applications/fr.vardel.Vardel.desktop"
verifie "l'entrée de bureau du paquet lance /usr/games/vardel %f" \
    test "$(sed -n 's/^Exec=//p' "$entree_paquet")" = "/usr/games/vardel %f"
verifie "desktop-file-validate sur l'entrée du paquet" desktop-file-validate "$entree_paquet"
# No maintainer script: removing the package removes exactly what it placed.
verifie "aucun script de maintenance (preinst, postinst, prerm, postrm)" \
    bash -c '! dpkg-deb --ctrl-tarfile "$1" | tar -t | grep -E "(pre|post)(inst|rm)$" >/dev/null' _ "${deb[0]}"

# Debian's own checks: no error and no warning (the information tags are
# shown, not counted).
lintian --display-info "${deb[0]}" >"$travail/lintian.txt" 2>"$travail/lintian-erreurs.txt"
etat_lintian=$?
sed 's/^/       lintian : /' "$travail/lintian.txt"
verifie "lintian a examiné le paquet" \
    bash -c '[ "$1" -eq 0 ] || [ -s "$2" ] || { cat "$3"; false; }' _ "$etat_lintian" "$travail/lintian.txt" "$travail/lintian-erreurs.txt"
verifie "lintian : aucune erreur ni avertissement" bash -c '! grep -qE "^[EW]: " "$1"' _ "$travail/lintian.txt"

fin

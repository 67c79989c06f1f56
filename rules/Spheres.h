#pragma once

#include "ListeTexte.h"
#include "FichePersonnage.h"
#include "Personnage.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// Priest spheres of influence and the priest spell lists they grant.

struct Sphere {
    QString nom;        // the caption, also the text looked for in a spell's spheres
    QString groupBox;   // the objectName of its group box in TFormSpheres
    AccesSphere standard;
};

// The sixteen spheres in their fixed order (dialog, character file, summary):
// Animale, Astrale, Charme, Climat, Combat, Conjuration, Création,
// Divination, Elémentaire, Garde, Générale, Nécromantique, Protection,
// Soins, Soleil, Végétale.
const std::array<Sphere, NombreSpheres>& Spheres();


// Every sphere at its standard cleric choice.
ChoixSpheres ChoixStandard();

// Whether a spell of that level whose spheres line is `spheres` is granted:
// some sphere whose name the line contains (case counts) has major access,
// or minor access and the level is 3 or less.
bool SortAccessible(const ChoixSpheres& choix, const QString& spheres, int niveau);

// The character's priest spells-per-day text ("3/2/1"), from the
// progressions of "sorts2.dat"; empty when none applies. A later matching
// block overrides an earlier one; a matching block without a row gives "??".
QString ProgressionPretre(const Personnage& p, const ListeTexte& sorts2);

// Builds the seven priest spell lists (spell levels 1..7) from the priest
// catalogue "Clercs5.dat": every spell of a level the character can cast
// that the spheres grant, as "name&casting time&duration&range&area&components".
// The lists are emptied first and built in the catalogue's order; on a
// failure (Echec) what was built so far stays. Catalogue blocks of a level
// outside 1..7 (or not a number) are read past without being listed.
void ConstruitSortsDePretre(const Personnage& p, const ChoixSpheres& choix, const ListeTexte& sorts2,
                            const ListeTexte& clercs5, std::array<QStringList, 7>& listes);

// The same, reading the files as the command does: the lists are emptied,
// then "sorts2.dat" is loaded, then "Clercs5.dat". A file that cannot be
// read (ListeTexte::charge throws) leaves the lists as far as they were built.
using ChargeurListe = std::function<ListeTexte()>;
void ConstruitSortsDePretre(const Personnage& p, const ChoixSpheres& choix, const ChargeurListe& sorts2,
                            const ChargeurListe& clercs5, std::array<QStringList, 7>& listes);

#pragma once

#include "CatalogueSorts.h"
#include "ListeTexte.h"

// The spell file ("*.mag"): the catalogue of known mage spells, level by
// level, each level closed by a marker line.

// The line that ends each level in a spell file.
inline const QString FinDeNiveauSorts = QStringLiteral("***");

// Reads a spell file's lines: level by level, the records of the level, then
// "***"; the lines after the ninth "***" are ignored. The records are added
// to `catalogue` in the file's order (the window sorts them). A file with
// fewer than nine "***" throws Echec "Index liste hors bornes" once its
// lines run out; `catalogue` then holds what was read.
void LitCatalogue(const ListeTexte& lignes, CatalogueSorts& catalogue);

// The lines of the spell file of that catalogue: each level's records in
// list order, then "***".
ListeTexte EcritCatalogue(const CatalogueSorts& catalogue);

// LitCatalogue, then each level put in the order of Collation, also when
// the file is cut short (what was read is kept, in order, before the
// failure goes on).
void LitCatalogueTrie(const ListeTexte& lignes, CatalogueSorts& catalogue);

// Reads the spell file of that name whole, then its levels in order
// (LitCatalogueTrie). A file that cannot be read throws Echec "Ne peut
// ouvrir le fichier ..." and leaves `catalogue` as it was.
void ChargeCatalogue(const QString& nom, CatalogueSorts& catalogue);

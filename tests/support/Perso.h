#pragma once

#include "Personnage.h"

#include <QStringList>

// A character of that class with those levels (Niveau 1, 2, 3 in order);
// every other field empty. Tests set the fields they need.
inline Personnage perso(const QString& classe, const QStringList& niveaux = {})
{
    Personnage p;
    p.classe = classe;
    for (qsizetype k = 0; k < niveaux.size() && k < 3; ++k)
        p.niveaux[static_cast<std::size_t>(k)] = niveaux[k];
    return p;
}

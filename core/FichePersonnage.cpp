#include "FichePersonnage.h"

#include "Classes.h"

#include <algorithm>

Personnage PoseSurLaFiche(const Personnage& actuel, const FichePersonnage& lue)
{
    const auto article = [](const QStringList& liste, const QString& texte) {
        return liste.contains(texte) ? texte : QString();
    };
    Personnage p = lue.personnage;
    p.race = article(Classes::Races(), p.race);
    p.sexe = article(Classes::Sexes(), p.sexe);
    p.classe = article(Classes::Liste(), p.classe);
    p.alignement = article(Classes::Alignements(), p.alignement);
    for (std::size_t k = static_cast<std::size_t>(std::clamp(lue.niveauxLus, 0, 3)); k < 3; ++k)
        p.niveaux[k] = actuel.niveaux[k];
    if (!lue.extraLu)
        p.extra = actuel.extra;
    return RegleLaFiche(p);
}

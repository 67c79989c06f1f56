#pragma once

#include "CanevasEnregistreur.h"
#include "DonneesImpression.h"
#include "Fichiers.h"
#include "Champs.h"

// A human fighter of level 5 with every score at 12, read against the
// shipped data.
inline DonneesImpression donneesGuerrier()
{
    DonneesImpression d;
    d.RepertoireDonnees = DossierDonnees();
    Personnage& p = d.Perso;
    p.nom = QStringLiteral("Arthur");
    p.race = QStringLiteral("Humain");
    p.sexe = QStringLiteral("Masculin");
    p.age = QStringLiteral("25");
    p.taille = QStringLiteral("180");
    p.poids = QStringLiteral("80");
    p.classe = QStringLiteral("Guerrier");
    p.niveaux = {QStringLiteral("5"), QString(), QString()};
    p.alignement = QStringLiteral("Loyal Bon");
    p.pointsDeVie = QStringLiteral("40");
    p.langues = QStringLiteral("Commun, Elfe");
    p.force = p.intelligence = p.sagesse = p.dexterite = p.constitution = p.charisme = p.beaute = QStringLiteral("12");
    return d;
}

// The (x, y) of the first text equal to `texte`; (-1, -1) when none is.
inline std::pair<int, int> position(const CanevasEnregistreur& c, const QString& texte)
{
    const auto t = c.texte(texte);
    if (t.genre != CanevasEnregistreur::Genre::Texte)
        return {-1, -1};
    return {t.x1, t.y1};
}

// Whether `texte` was written at (x, y).
inline bool ecritA(const CanevasEnregistreur& c, const QString& texte, int x, int y)
{
    for (const auto& t : c.textes())
        if (t.texte == texte && t.x1 == x && t.y1 == y)
            return true;
    return false;
}

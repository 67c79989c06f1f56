#include "DonneesImpression.h"

#include "Champs.h"

#include <QDir>

QString DonneesImpression::FichierDonnees(const QString& nom) const
{
    return QDir(RepertoireDonnees).filePath(nom);
}

int ChanceApprentissageDe(const Personnage& p)
{
    return ChanceApprendreSort(EntierOuDefaut(p.intelligence));
}

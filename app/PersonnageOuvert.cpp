#include "PersonnageOuvert.h"

#include "Armes.h"

#include <QDir>

QString PersonnageOuvert::FichierDonnees(const QString& nom) const
{
    return QDir(RepertoireDonnees).filePath(nom);
}

namespace {

QStringList lignesAux(const QStringList& lignes, const QList<qsizetype>& positions)
{
    QStringList choisies;
    choisies.reserve(positions.size());
    for (const qsizetype i : positions)
        if (i >= 0 && i < lignes.size())
            choisies.append(lignes.at(i));
    return choisies;
}

}

QStringList PersonnageOuvert::LignesCompetences() const
{
    return lignesAux(Competences.competences, Fiche.competences);
}

QStringList PersonnageOuvert::LignesArmes() const
{
    return lignesAux(Armes, Fiche.armes);
}

int PersonnageOuvert::PointsCompetencesRestants() const
{
    return PointsRestants(BudgetNWP.PointsCompetences, LignesCompetences(), Competences.categories,
                          BudgetNWP.GroupesAutorises);
}

int PersonnageOuvert::PointsArmesRestants() const
{
    return PointsRestants(PointsArmes, Armes, Fiche.armes, Fiche.specialisation);
}

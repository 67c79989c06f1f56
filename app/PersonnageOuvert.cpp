#include "PersonnageOuvert.h"

#include "Armes.h"
#include "ResumeClasseRace.h"
#include "Spheres.h"

#include <QDir>

QString PersonnageOuvert::FichierDonnees(const QString& nom) const
{
    return QDir(RepertoireDonnees).filePath(nom);
}

FichePersonnage PersonnageOuvert::FicheEnCours() const
{
    FichePersonnage fiche = Fiche;
    if (PartOuverte)
        PartOuverte(fiche);
    return fiche;
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

namespace {

ChargeurListe chargeur(const PersonnageOuvert& ouvert, const QString& nom)
{
    return [&ouvert, nom] { return ListeTexte::charge(ouvert.FichierDonnees(nom)); };
}

}

void ReconstruitNotesStandard(PersonnageOuvert& ouvert)
{
    QStringList lignes;
    try {
        ResumeClasseRace(ouvert.Fiche.personnage, ouvert.Fiche.spheres, chargeur(ouvert, QStringLiteral("comprace.dat")),
                         chargeur(ouvert, QStringLiteral("XP.dat")), lignes);
    } catch (...) {
        ouvert.NotesStandard = lignes;
        throw;
    }
    ouvert.NotesStandard = lignes;
}

void ConstruitSortsDeClerc(PersonnageOuvert& ouvert)
{
    ConstruitSortsDePretre(ouvert.Fiche.personnage, ouvert.Fiche.spheres,
                           chargeur(ouvert, QStringLiteral("sorts2.dat")),
                           chargeur(ouvert, QStringLiteral("Clercs5.dat")), ouvert.SortsDeClercParNiveau);
}

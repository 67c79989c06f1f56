#include "DonneesDeDepart.h"

#include "RepertoireDonnees.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitFormSortsDeMage.h"

#include <QDir>

DonneesDeDepart LitDonneesDeDepart(const QString& dossierDonnees, const QString& dossierProgramme)
{
    const QDir d(dossierDonnees);
    DonneesDeDepart lu;
    lu.competences = ChargeListesCompetences(d.filePath(QStringLiteral("Vardel.cat")),
                                             d.filePath(QStringLiteral("Vardel.nwp")));
    lu.armes = ChargeListeArmes(d.filePath(QStringLiteral("Vardel.Arm")));
    lu.catalogue = ChargeCatalogueDeDepart(CatalogueDeDepart(dossierDonnees, dossierProgramme));
    return lu;
}

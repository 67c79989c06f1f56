#include "RepertoireDonnees.h"

#include <QDir>
#include <QFileInfo>

QStringList FichiersDeRegles()
{
    return {QStringLiteral("XP.dat"),       QStringLiteral("ST.dat"),      QStringLiteral("Vardel.Aju"),
            QStringLiteral("comprace.dat"), QStringLiteral("sorts2.dat"),  QStringLiteral("Clercs5.dat"),
            QStringLiteral("Vardel.cat"),   QStringLiteral("Vardel.nwp"),  QStringLiteral("Vardel.Arm")};
}

bool ContientLesDonnees(const QString& dossier)
{
    if (dossier.isEmpty())
        return false;
    const QDir d(dossier);
    for (const QString& nom : FichiersDeRegles())
        if (!QFileInfo(d.filePath(nom)).isFile())
            return false;
    return true;
}

QString DossierDonneesInstalle(const QString& dossierProgramme)
{
    return QDir::cleanPath(dossierProgramme + QStringLiteral("/../share/vardel"));
}

QString ChoisitRepertoireDonnees(const QString& dossierDeTravail, const QString& dossierProgramme)
{
    if (ContientLesDonnees(dossierDeTravail))
        return dossierDeTravail;
    const QString installe = DossierDonneesInstalle(dossierProgramme);
    if (ContientLesDonnees(installe))
        return installe;
    return {};
}

QString MessageDonneesIntrouvables(const QString& dossierDeTravail, const QString& dossierProgramme)
{
    return QStringLiteral("Vardel ne trouve pas ses fichiers de données (") + FichiersDeRegles().join(QStringLiteral(", "))
         + QStringLiteral("), ni dans le dossier de travail ") + QDir::toNativeSeparators(dossierDeTravail)
         + QStringLiteral(", ni dans le dossier d'installation ")
         + QDir::toNativeSeparators(DossierDonneesInstalle(dossierProgramme)) + QStringLiteral(".");
}

QString CatalogueDeDepart(const QString& dossierDonnees, const QString& dossierProgramme)
{
    const QString nom = QStringLiteral("Mage.mag");
    const QString propre = QDir(dossierDonnees).filePath(nom);
    const QString installe = QDir(DossierDonneesInstalle(dossierProgramme)).filePath(nom);
    if (!QFileInfo::exists(propre) && QFileInfo(installe).isFile())
        return installe;
    return propre;
}

#include "RepertoireDonnees.h"

#include "Fichiers.h"

#include <QDir>
#include <gtest/gtest.h>

// The working directory when it holds every rule file, else the installed
// folder share/vardel beside the program's bin, else none; a folder missing
// one rule file does not count.
TEST(RepertoireDonnees, DossierDeTravailPuisDossierInstalle)
{
    DossierTemporaire d;
    const QString travail = d.chemin("travail");
    const QString bin = d.chemin("prefixe/bin");
    const QString installe = d.chemin("prefixe/share/vardel");
    for (const QString& dossier : {travail, bin, installe})
        QDir().mkpath(dossier);
    EXPECT_EQ(DossierDonneesInstalle(bin), installe);

    const auto remplit = [&](const QString& dossier, const QStringList& fichiers) {
        for (const QString& nom : fichiers)
            d.ecrit(QDir(d.racine()).relativeFilePath(dossier + "/" + nom), "");
    };
    EXPECT_EQ(ChoisitRepertoireDonnees(travail, bin), "");
    remplit(installe, FichiersDeRegles().mid(1));   // XP.dat missing
    EXPECT_EQ(ChoisitRepertoireDonnees(travail, bin), "");
    remplit(installe, {"XP.dat"});
    EXPECT_EQ(ChoisitRepertoireDonnees(travail, bin), installe);
    remplit(travail, FichiersDeRegles());
    EXPECT_EQ(ChoisitRepertoireDonnees(travail, bin), travail);
    EXPECT_EQ(ChoisitRepertoireDonnees(DossierDonnees(), bin), DossierDonnees());

    // The spell catalogue: the data folder's, else the installed one, else
    // the data folder's again (its failure names it).
    EXPECT_EQ(CatalogueDeDepart(travail, bin), travail + "/Mage.mag");
    remplit(installe, {"Mage.mag"});
    EXPECT_EQ(CatalogueDeDepart(travail, bin), installe + "/Mage.mag");
    remplit(travail, {"Mage.mag"});
    EXPECT_EQ(CatalogueDeDepart(travail, bin), travail + "/Mage.mag");

    EXPECT_EQ(MessageDonneesIntrouvables("/home/a", "/opt/v/bin"),
              "Vardel ne trouve pas ses fichiers de données (XP.dat, ST.dat, Vardel.Aju, comprace.dat, sorts2.dat, "
              "Clercs5.dat, Vardel.cat, Vardel.nwp, Vardel.Arm), ni dans le dossier de travail /home/a, ni dans le "
              "dossier d'installation /opt/v/share/vardel.");
}

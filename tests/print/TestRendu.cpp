#include "CanevasPeintre.h"
#include "Exemples.h"
#include "ListeTexte.h"
#include "Pages.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <gtest/gtest.h>

// The pages drawn for real, on a PDF document and on a preview-sized image.
// With VARDEL_RENDU naming a folder, the files are left there to be looked
// at (pdftoppm -png turns the PDF into pictures).

namespace {

// A cleric-fighter-mage of level 7 with a long spellbook (some spells
// failed, one without a roll) and the standard spheres.
DonneesImpression lanceurDeSorts()
{
    DonneesImpression d = donneesGuerrier();
    Personnage& p = d.Perso;
    p.nom = "Elminster";
    p.race = "Demi-Elfe";
    p.classe = "Clerc-Guerrier-Mage";
    p.niveaux = {"7", "7", "7"};
    p.force = "18";
    p.extra = "45";
    p.intelligence = "17";
    p.sagesse = "16";
    p.constitution = "15";
    p.pointsDeVie = "38";
    p.langues = "Commun, Elfe, Nain, Draconien";
    d.Competences = {"Equitation&1&Sagesse&+3", "Herboristerie&2&Intelligence&-2", "Natation&1&Force&0"};
    d.PointsCompetences = 1;
    d.Armes = {"Epée longue&5&1d8&1d12&-", "Arc composite long&7&1d6/1d8&1d6/1d8&2/1"};
    d.PointsArmes = 0;
    d.Specialisation = d.Armes[0];
    d.Notes = {"Porte l'anneau de son maître, dont il ignore encore les pouvoirs et l'origine véritable."};
    d.Spheres = ChoixStandard();
    d.ChanceApprentissage = ChanceApprentissageDe(p);

    const ListeTexte mag = ListeTexte::charge(d.FichierDonnees("Mage.mag"));
    int niveau = 0, i = 0;
    for (const QString& l : mag.lignes()) {
        if (l == "***") {
            ++niveau;
            continue;
        }
        if (niveau > 3 || (niveau > 0 && ++i % 3 != 0))
            continue;
        d.SortsDeMage[std::size_t(niveau)].append(l);
        // Rolls from 7 up by 13, so some pass the chance of 75; every
        // seventh spell has no roll.
        if (d.SortsDeMage[std::size_t(niveau)].size() % 7 != 0)
            d.SortsDeMageParNiveau[std::size_t(niveau)].append(Champ1(l) + "&" + QString::number((7 + 13 * i++) % 100));
    }
    ConstruitSortsDePretre(p, d.Spheres, ListeTexte::charge(d.FichierDonnees("sorts2.dat")),
                           ListeTexte::charge(d.FichierDonnees("Clercs5.dat")), d.SortsDeClercParNiveau);
    return d;
}

// Counts the breaks it passes on to the document.
struct Comptage : Pagination {
    Pagination& suite;
    int sauts = 0;
    explicit Comptage(Pagination& s) : suite(s) {}
    bool NouvellePage(PageDeDessin& page) override
    {
        ++sauts;
        return suite.NouvellePage(page);
    }
};

QString sortie(QTemporaryDir& temporaire, const QString& nom)
{
    const QString dossier = qEnvironmentVariable("VARDEL_RENDU");
    return dossier.isEmpty() ? temporaire.filePath(nom) : QDir(dossier).filePath(nom);
}

TEST(Rendu, EveryKindOnOneA4DocumentBreaksIntoItsPages)
{
    DonneesImpression d = lanceurDeSorts();
    ASSERT_FALSE(d.SortsDeClercParNiveau[0].isEmpty());
    QTemporaryDir temporaire;
    const QString fichier = sortie(temporaire, "fiche.pdf");
    int sauts = 0;
    {
        QPdfWriter pdf(fichier);
        pdf.setTitle("Personnage de Vardel");
        pdf.setPageSize(QPageSize(QPageSize::A4));
        // About the hardware margins of a printer: with wider ones the "Dé %" and
        // "Vitesse" headers no longer hold on their one line.
        pdf.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        QPainter peintre(&pdf);
        CanevasPeintre canevas(peintre);
        PaginationPeripherique document(pdf, "Ne peut créer le fichier " + fichier);
        Comptage comptage(document);
        {
            PageDeDessin page(canevas, pdf.width(), pdf.height());
            DessineFiche(page, d);
        }
        pdf.newPage();
        {
            PageDeDessin page(canevas, pdf.width(), pdf.height());
            DessinePossessions(page, d);
        }
        pdf.newPage();
        {
            PageDeDessin page(canevas, pdf.width(), pdf.height());
            EXPECT_TRUE(DessineLivreDeSorts(page, d, comptage));
        }
        pdf.newPage();
        {
            PageDeDessin page(canevas, pdf.width(), pdf.height());
            EXPECT_TRUE(DessineSortsDePretre(page, d, comptage));
        }
        sauts = comptage.sauts;
    }
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString contenu = QString::fromLatin1(f.readAll());
    EXPECT_GE(sauts, 1);   // the spellbook does not hold on one page
    EXPECT_EQ(contenu.count(QRegularExpression("/Type\\s*/Page[^s]")), 4 + sauts);
}

TEST(Rendu, PreviewPagesOnTheirPaintBoxSize)
{
    DonneesImpression d = lanceurDeSorts();
    d.Perso.classe = "Guerrier-Voleur";
    d.Perso.niveaux = {"7", "7", ""};
    d.TalentsVoleur = {35, 40, 25, 30, 25, 20, 90, 10};
    QTemporaryDir temporaire;
    for (int n : {1, 2, 3, 4}) {
        QImage image(755, 1250, QImage::Format_RGB32);
        image.fill(Qt::gray);
        {
            QPainter peintre(&image);
            CanevasPeintre canevas(peintre);
            PageDeDessin page(canevas, 755, 1250);
            CanevasEnregistreur poubelle;
            if (n == 1)
                DessineFiche(page, d, Cible::Apercu);
            else if (n == 2)
                DessinePossessions(page, d);
            else if (n == 3) {
                page.Efface();
                PaginationEnregistree arret(poubelle, 0);   // the first page alone
                DessineLivreDeSorts(page, d, arret, Cible::Apercu);
            } else {
                PaginationEnregistree arret(poubelle, 0);
                DessineSortsDePretre(page, d, arret);
            }
        }
        // Every page is cleared white before anything else.
        EXPECT_EQ(image.pixel(754, 1249), qRgb(255, 255, 255)) << n;
        image.save(sortie(temporaire, QStringLiteral("apercu-%1.png").arg(n)));
    }
}

}

// Speed of the printed pages: a spellbook of every known mage spell drawn on
// the preview's paint box, and the four page kinds printed to a PDF.
#include "Apercu.h"
#include "CanevasPeintre.h"
#include "Champs.h"
#include "ListeTexte.h"
#include "Pages.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

// A cleric-mage who has marked every spell of the shipped catalogue.
DonneesImpression grandLivre()
{
    DonneesImpression d;
    d.RepertoireDonnees = QStringLiteral(VARDEL_DONNEES);
    Personnage& p = d.Perso;
    p.nom = QStringLiteral("Elminster");
    p.race = QStringLiteral("Humain");
    p.sexe = QStringLiteral("Masculin");
    p.classe = QStringLiteral("Clerc-Mage");
    p.niveaux = {QStringLiteral("12"), QStringLiteral("12"), QString()};
    p.force = p.sagesse = p.dexterite = p.constitution = p.charisme = p.beaute = QStringLiteral("14");
    p.intelligence = QStringLiteral("17");
    d.ChanceApprentissage = ChanceApprentissageDe(p);
    d.Spheres = ChoixStandard();
    const ListeTexte mag = ListeTexte::charge(d.FichierDonnees(QStringLiteral("Mage.mag")));
    std::size_t niveau = 0;
    int i = 0;
    for (const QString& l : mag.lignes()) {
        if (l == QStringLiteral("***")) {
            ++niveau;
            continue;
        }
        if (niveau >= 9)
            break;
        d.SortsDeMage[niveau].append(l);
        d.SortsDeMageParNiveau[niveau].append(Champ1(l) + QLatin1Char('&') + QString::number((13 * i++) % 100));
    }
    ConstruitSortsDePretre(p, d.Spheres, ListeTexte::charge(d.FichierDonnees(QStringLiteral("sorts2.dat"))),
                           ListeTexte::charge(d.FichierDonnees(QStringLiteral("Clercs5.dat"))),
                           d.SortsDeClercParNiveau);
    return d;
}

// The preview draws the book from its start up to the page it shows, clearing
// the box at each break: the last page costs the whole book.
struct EffaceALaCoupure : Pagination {
    bool NouvellePage(PageDeDessin& page) override
    {
        page.Efface();
        return true;
    }
};

void LivreDeSortsSurLApercu(benchmark::State& etat)
{
    const DonneesImpression d = grandLivre();
    QImage image(755, 1250, QImage::Format_RGB32);
    EffaceALaCoupure pagination;
    for (auto _ : etat) {
        QPainter peintre(&image);
        CanevasPeintre canevas(peintre);
        PageDeDessin page(canevas, 755, 1250);
        page.Efface();
        DessineLivreDeSorts(page, d, pagination, Cible::Apercu);
    }
}
BENCHMARK(LivreDeSortsSurLApercu)->Unit(benchmark::kMillisecond);

void QuatreSortesDePagesEnPDF(benchmark::State& etat)
{
    DonneesImpression d = grandLivre();
    for (auto _ : etat) {
        QBuffer tampon;
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QPainter peintre(&pdf);
        CanevasPeintre canevas(peintre);
        PaginationPeripherique document(pdf, QStringLiteral("Ne peut créer le document"));
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
            DessineLivreDeSorts(page, d, document);
        }
        pdf.newPage();
        {
            PageDeDessin page(canevas, pdf.width(), pdf.height());
            DessineSortsDePretre(page, d, document);
        }
        peintre.end();
        benchmark::DoNotOptimize(tampon.data().size());
    }
}
BENCHMARK(QuatreSortesDePagesEnPDF)->Unit(benchmark::kMillisecond);

}

namespace {

// The preview as the window paints it: the last page of the same spellbook,
// drawn from the book's beginning with the box cleared at each break.
void DernierePageDeLApercu(benchmark::State& etat)
{
    QImage image(LargeurApercu, HauteurApercu, QImage::Format_RGB32);
    Apercu apercu;
    {
        QPainter mesure(&image);
        CanevasPeintre canevas(mesure);
        apercu.Ouvre(grandLivre(), canevas);
    }
    apercu.PageCourante = apercu.PagesMage + 2;
    for (auto _ : etat) {
        QPainter peintre(&image);
        CanevasPeintre canevas(peintre);
        apercu.DessinePage(canevas);
    }
    etat.counters["pages"] = apercu.NombreDePages;
}
BENCHMARK(DernierePageDeLApercu)->Unit(benchmark::kMillisecond);

}

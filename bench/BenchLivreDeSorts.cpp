// The spellbook of a character holding n mage spells at each level, and n
// and 2n of them: the preview opened and its first spell page drawn, its
// last spell page drawn, the book printed, and the spell catalogue's list
// drawn. Each must take time in proportion to n (the complexity line of the
// report says so); 20,000 spells a level preview in under a second.
#include "Apercu.h"
#include "CanevasPeintre.h"
#include "Champs.h"
#include "Controles.h"
#include "ListeSorts.h"
#include "Pages.h"
#include "ProgrammeDeMesure.h"
#include "UnitFormSortsDeMage.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

// A level-20 mage of Intelligence 17 (75 %) who has marked n catalogue
// spells at each level, each with its roll, a fourth of them failed.
DonneesImpression grandLivre(qint64 n)
{
    DonneesImpression d;
    d.RepertoireDonnees = QStringLiteral(VARDEL_DONNEES);
    Personnage& p = d.Perso;
    p.nom = QStringLiteral("Elminster");
    p.race = QStringLiteral("Humain");
    p.sexe = QStringLiteral("Masculin");
    p.classe = QStringLiteral("Mage");
    p.niveaux = {QStringLiteral("20"), QString(), QString()};
    p.force = p.sagesse = p.dexterite = p.constitution = p.charisme = p.beaute = QStringLiteral("14");
    p.intelligence = QStringLiteral("17");
    d.ChanceApprentissage = ChanceApprentissageDe(p);
    for (std::size_t niveau = 0; niveau < 9; ++niveau) {
        for (qint64 i = 0; i < n; ++i) {
            const QString nom = QStringLiteral("Sort %1 de niveau %2").arg(i).arg(niveau + 1);
            d.SortsDeMage[niveau].append(nom + QStringLiteral("&1&1 round/niv.&30 m&Spéciale&V, S, M"));
            d.SortsDeMageParNiveau[niveau].append(nom + QLatin1Char('&') + QString::number((7 * i) % 100 + 1));
        }
    }
    return d;
}

// The preview's opening (every page counted, the sheet drawn), then its
// first spellbook page drawn, as the window does it.
void BM_ApercuDuLivre(benchmark::State& etat)
{
    const DonneesImpression d = grandLivre(etat.range(0));
    QImage image(LargeurApercu, HauteurApercu, QImage::Format_RGB32);
    int pages = 0;
    for (auto _ : etat) {
        Apercu apercu;
        QPainter peintre(&image);
        CanevasPeintre canevas(peintre);
        apercu.Ouvre(d, canevas);
        apercu.PageCourante = 3;
        apercu.DessinePage(canevas);
        pages = apercu.NombreDePages;
    }
    etat.counters["pages"] = pages;
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_ApercuDuLivre)->Arg(1000)->Arg(2000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// The preview already open, its last spellbook page drawn, as each paint
// of the box does it: the pages before it are laid out again, hidden.
void BM_DernierePageDuLivre(benchmark::State& etat)
{
    const DonneesImpression d = grandLivre(etat.range(0));
    QImage image(LargeurApercu, HauteurApercu, QImage::Format_RGB32);
    QPainter peintre(&image);
    Apercu apercu;
    {
        CanevasPeintre mesure(peintre);
        apercu.Ouvre(d, mesure);
    }
    apercu.PageCourante = apercu.PagesMage + 2;
    for (auto _ : etat) {
        CanevasPeintre canevas(peintre);
        apercu.DessinePage(canevas);
    }
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_DernierePageDuLivre)->Arg(1000)->Arg(2000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// Pages that are only cleared: the cost is the book's, not a device's.
struct EffaceALaCoupure : Pagination {
    bool NouvellePage(PageDeDessin& page) override
    {
        page.Efface();
        return true;
    }
};

// The whole book drawn as the print job draws it, on paper's proportions.
void BM_LivreImprime(benchmark::State& etat)
{
    const DonneesImpression d = grandLivre(etat.range(0));
    QImage image(794, 1123, QImage::Format_RGB32);
    EffaceALaCoupure pagination;
    for (auto _ : etat) {
        QPainter peintre(&image);
        CanevasPeintre canevas(peintre);
        PageDeDessin page(canevas, image.width(), image.height());
        benchmark::DoNotOptimize(DessineLivreDeSorts(page, d, pagination));
    }
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_LivreImprime)->Arg(1000)->Arg(2000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// The spell catalogue holding the n spells of each level, all chosen by
// the character: the first level's list drawn once.
void BM_CatalogueDessine(benchmark::State& etat)
{
    const DonneesImpression d = grandLivre(etat.range(0));
    TFormSortsDeMage form;
    form.FixeSortsDuPersonnage(d.SortsDeMageParNiveau);
    form.FixeIntelligence(QStringLiteral("17"));
    EtatCatalogue catalogue;
    catalogue.catalogue = d.SortsDeMage;
    catalogue.pourcent = true;
    form.FixeEtat(catalogue);
    Controle<QTabWidget>(form, "PageControl1")->setCurrentIndex(0);
    form.show();
    QApplication::processEvents();
    QWidget* vue = Controle<ListeSorts>(form, "ListBox1")->viewport();
    for (auto _ : etat) {
        const QImage image = vue->grab().toImage();
        benchmark::DoNotOptimize(image.constBits());
    }
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_CatalogueDessine)->Arg(1000)->Arg(2000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    ProgrammeDeMesure mesure(argc, argv);
    return mesure.lance();
}

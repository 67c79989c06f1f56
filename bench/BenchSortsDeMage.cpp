// Speed of the spell catalogue: opening it on the shipped catalogue with its
// largest level drawn, and one spell action without the percentage dialog.
#include "CatalogueSorts.h"
#include "Champs.h"
#include "Controles.h"
#include "ProgrammeDeMesure.h"
#include "UnitFormPourcentage.h"
#include "UnitFormSortsDeMage.h"
#include "UnitNouveauSortDeMage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

const QString intelligence = QStringLiteral("12");

ListeSorts* liste(const TFormSortsDeMage& form, int niveau)
{
    return Controle<ListeSorts>(form, QStringLiteral("ListBox%1").arg(niveau));
}

int plusGrandNiveau(const TFormSortsDeMage& form)
{
    int n = 1;
    for (int i = 2; i <= NombreNiveauxSorts; ++i)
        if (form.Sorts(i).size() > form.Sorts(n).size())
            n = i;
    return n;
}

// The window created from "Mage.mag" of the working directory, shown on its
// largest level, every entry of that level drawn.
void OuvertureDuCatalogue(benchmark::State& etat)
{
    for (auto _ : etat) {
        TFormSortsDeMage form;
        form.FixeIntelligence(intelligence);
        form.FixeEtat(ChargeCatalogueDeDepart());
        const int n = plusGrandNiveau(form);
        Controle<QTabWidget>(form, "PageControl1")->setCurrentIndex(n - 1);
        form.show();
        QApplication::processEvents();
        const QImage image = liste(form, n)->viewport()->grab().toImage();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(OuvertureDuCatalogue)->Unit(benchmark::kMillisecond);

// The space bar on a spell of the largest level, the box unticked: the mark
// toggles and the spell is added (or, the next time, removed) at 1 %.
void ActionSurUnSort(benchmark::State& etat)
{
    TFormSortsDeMage form;
    form.FixeIntelligence(intelligence);
    form.FixeEtat(ChargeCatalogueDeDepart());
    TFormPourcentage pourcentage(&form);
    TFormNouveauSortDeMage nouveau(&form);
    form.RelieDialogues([&] { return &pourcentage; }, [&] { return &nouveau; });
    Controle<QCheckBox>(form, "CheckBoxPourcent")->setChecked(false);
    const int n = plusGrandNiveau(form);
    Controle<QTabWidget>(form, "PageControl1")->setCurrentIndex(n - 1);
    form.show();
    QApplication::processEvents();
    ListeSorts* liste = ::liste(form, n);
    // A few spells already chosen, as a character would have.
    TFormSortsDeMage::SortsParNiveau sorts;
    for (int i = 0; i < liste->count(); i += 5)
        sorts[static_cast<std::size_t>(n - 1)].append(Champ1(liste->item(i)->text()) + QStringLiteral("&40"));
    form.FixeSortsDuPersonnage(sorts);
    liste->setCurrentRow(liste->count() / 2, QItemSelectionModel::NoUpdate);
    for (auto _ : etat) {
        QKeyEvent espace(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(liste, &espace);
    }
}
BENCHMARK(ActionSurUnSort)->Unit(benchmark::kMicrosecond);

}

int main(int argc, char** argv)
{
    ProgrammeDeMesure mesure(argc, argv);
    return mesure.lance();
}

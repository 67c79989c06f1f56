// Speed of the work that runs on every keystroke and of the figures of a sheet.
#include "Plateforme.h"
#include "Polices.h"
#include "UnitPerso.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

TPersoForm* fenetre = nullptr;

void MetAJourFiche(benchmark::State& etat)
{
    fenetre->ComboClasse->setCurrentText("Guerrier-Mage-Voleur");
    fenetre->EditNiveau1->setText("7");
    fenetre->EditNiveau2->setText("6");
    fenetre->EditNiveau3->setText("8");
    fenetre->EditForce->setText("18");
    fenetre->EditConstitution->setText("16");
    for (auto _ : etat)
        fenetre->MetAJourFiche();
}
BENCHMARK(MetAJourFiche)->Unit(benchmark::kMicrosecond);

// A keystroke as the user makes it: the text changes, the sheet is marked and refreshed.
void Frappe(benchmark::State& etat)
{
    int i = 0;
    for (auto _ : etat)
        fenetre->EditNom->setText((i++ % 2) ? QStringLiteral("Aldor") : QStringLiteral("Aldo"));
}
BENCHMARK(Frappe)->Unit(benchmark::kMicrosecond);

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallePolices();
    TPersoForm f;
    f.show();
    fenetre = &f;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Speed of the work that runs on every keystroke and of the figures of a sheet.
#include "Ajustements.h"
#include "Combat.h"
#include "Fenetres.h"
#include "Niveaux.h"
#include "Plateforme.h"
#include "ProgrammeDeMesure.h"
#include "ResumeClasseRace.h"
#include "Spheres.h"
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

// Every figure of one character from the shipped data, each file read afresh
// as the commands and the printout read it: adjustments, attack figure and
// attacks, saving throws, experience line, summary and priest lists.
void FiguresDuPersonnage(benchmark::State& etat)
{
    Personnage p;
    p.race = QStringLiteral("Demi-Elfe");
    p.classe = QStringLiteral("Guerrier-Clerc");
    p.niveaux = {QStringLiteral("7"), QStringLiteral("8"), QString()};
    p.force = QStringLiteral("18");
    p.extra = QStringLiteral("76");
    p.intelligence = QStringLiteral("12");
    p.sagesse = QStringLiteral("17");
    p.dexterite = QStringLiteral("14");
    p.constitution = QStringLiteral("16");
    p.charisme = QStringLiteral("11");
    const QString dossier = QStringLiteral(VARDEL_DONNEES "/");
    const auto fichier = [&](const char* nom) { return [=] { return ListeTexte::charge(dossier + nom); }; };
    const ChoixSpheres spheres = ChoixStandard();
    std::array<QString, NombreAjustements> ajustements;
    std::array<QString, 5> jets;
    std::array<QStringList, 7> sortsDePretre;
    QStringList resume;
    for (auto _ : etat) {
        CalculeAjustements(p, fichier("Vardel.Aju")(), ajustements);
        QString thaco = CalculeTHACO(p);
        QString attaques = AttaquesParRound(p);
        CalculeJetsDeProtection(p, fichier("ST.dat")(), jets);
        QString xp = XPNiveauSuivant(p, fichier("XP.dat")());
        ResumeClasseRace(p, spheres, fichier("comprace.dat"), fichier("XP.dat"), resume);
        ConstruitSortsDePretre(p, spheres, fichier("sorts2.dat"), fichier("Clercs5.dat"), sortsDePretre);
        benchmark::DoNotOptimize(thaco);
        benchmark::DoNotOptimize(attaques);
        benchmark::DoNotOptimize(xp);
    }
    if (sortsDePretre[0].isEmpty() || resume.isEmpty())
        etat.SkipWithError("aucun sort ou aucune note : données absentes ?");
}
BENCHMARK(FiguresDuPersonnage)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    ProgrammeDeMesure mesure(argc, argv);
    TPersoForm f;
    // Wired as the program wires it: each keystroke also reaches the open
    // character.
    const Fenetres fenetres = CreeFenetres(f);
    f.show();
    fenetre = &f;
    return mesure.lance();
}

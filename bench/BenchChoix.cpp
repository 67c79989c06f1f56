// Speed of the proficiency and weapon choice dialogs on the shipped data:
// their creation at start, an opening (budget, panel, the whole window
// drawn) and one click on an entry (toggle, recount, panel and list drawn).
#include "Controles.h"
#include "ListeMarquee.h"
#include "Niveaux.h"
#include "ProgrammeDeMesure.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

const QString Dossier = QStringLiteral(VARDEL_DONNEES "/");

Personnage clercVoleur()
{
    Personnage p;
    p.classe = QStringLiteral("Clerc-Voleur");
    p.niveaux = {QStringLiteral("9"), QStringLiteral("10"), QString()};
    p.intelligence = QStringLiteral("25");   // room enough: no box stops a click
    return p;
}

void CreationCompetences(benchmark::State& etat)
{
    for (auto _ : etat) {
        TFormNWP f(ChargeListesCompetences(Dossier + "Vardel.cat", Dossier + "Vardel.nwp"));
        benchmark::DoNotOptimize(Controle<ListeMarquee>(f, "ListBoxNWP")->Nombre());
    }
}
BENCHMARK(CreationCompetences)->Unit(benchmark::kMillisecond);

void OuvertureCompetences(benchmark::State& etat)
{
    TFormNWP f(ChargeListesCompetences(Dossier + "Vardel.cat", Dossier + "Vardel.nwp"));
    f.FixeMarques({1, 5, 10, 20});
    const Personnage p = clercVoleur();
    for (auto _ : etat) {
        f.FixeBudget(CalculeCompetences(p));
        f.ListBoxNWPClick();
        f.show();
        f.repaint();
        f.hide();
    }
}
BENCHMARK(OuvertureCompetences)->Unit(benchmark::kMillisecond);

void ClicCompetence(benchmark::State& etat)
{
    TFormNWP f(ChargeListesCompetences(Dossier + "Vardel.cat", Dossier + "Vardel.nwp"));
    f.FixeBudget(CalculeCompetences(clercVoleur()));
    f.show();
    ListeMarquee* l = Controle<ListeMarquee>(f, "ListBoxNWP");
    const QPoint ou = l->visualItemRect(l->item(3)).center();
    for (auto _ : etat) {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, ou);
        l->viewport()->repaint();
    }
}
BENCHMARK(ClicCompetence)->Unit(benchmark::kMicrosecond);

void CreationArmes(benchmark::State& etat)
{
    for (auto _ : etat) {
        TFormArmes f(ChargeListeArmes(Dossier + "Vardel.Arm"));
        benchmark::DoNotOptimize(Controle<ListeMarquee>(f, "ListBoxArmes")->Nombre());
    }
}
BENCHMARK(CreationArmes)->Unit(benchmark::kMillisecond);

void OuvertureArmes(benchmark::State& etat)
{
    TFormArmes f(ChargeListeArmes(Dossier + "Vardel.Arm"));
    f.FixeMarques({1, 5, 10});
    f.FixeSpecialisation(Controle<ListeMarquee>(f, "ListBoxArmes")->Texte(5));
    Personnage p;
    p.classe = QStringLiteral("Guerrier");
    p.niveaux[0] = QStringLiteral("12");
    for (auto _ : etat) {
        f.PointsArmes = CalculeEmplacementsArmes(p);
        f.AfficheReste();
        Controle<QCheckBox>(f, "CheckBoxSpecialiste")->setEnabled(p.classe == QStringLiteral("Guerrier"));
        f.show();
        f.repaint();
        f.hide();
    }
}
BENCHMARK(OuvertureArmes)->Unit(benchmark::kMillisecond);

void ClicArme(benchmark::State& etat)
{
    TFormArmes f(ChargeListeArmes(Dossier + "Vardel.Arm"));
    f.PointsArmes = 10;
    f.show();
    ListeMarquee* l = Controle<ListeMarquee>(f, "ListBoxArmes");
    const QPoint ou = l->visualItemRect(l->item(3)).center();
    for (auto _ : etat) {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, ou);
        l->viewport()->repaint();
    }
}
BENCHMARK(ClicArme)->Unit(benchmark::kMicrosecond);

}

int main(int argc, char** argv)
{
    ProgrammeDeMesure mesure(argc, argv);
    return mesure.lance();
}

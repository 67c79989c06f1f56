// Every reader takes time in proportion to what it reads: each benchmark
// reads an input of size n and one of size 2n, and the second must take
// about twice as long (the complexity line of the report says so). Files
// are built in memory and go through the same decoding and cutting into
// lines as a file on disk.
#include "FichierSorts.h"
#include "Competences.h"
#include "FichierPersonnage.h"
#include "ListeTexte.h"
#include "Niveaux.h"
#include "Perso.h"
#include "ProgrammeDeMesure.h"
#include "ResumeClasseRace.h"
#include "Spheres.h"
#include "Windows1252.h"

#include <benchmark/benchmark.h>

namespace {

ListeTexte lignesDe(const QByteArray& octets)
{
    return ListeTexte(ListeTexte::decoupe(Windows1252::decode(octets)));
}

QByteArray octetsDe(const QStringList& lignes)
{
    QByteArray octets;
    for (const QString& l : lignes) {
        Windows1252::encode(l, octets);
        octets += "\r\n";
    }
    return octets;
}

// The empty character's file with one line replaced, or lines added.
QByteArray fichierPersonnage(const std::function<void(QStringList&)>& change)
{
    QStringList lignes = EcritFichePersonnage({}).lignes();
    change(lignes);
    return octetsDe(lignes);
}

void lit(benchmark::State& etat, const QByteArray& octets)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(LitFichePersonnage(lignesDe(octets), 100, 100));
    etat.SetComplexityN(octets.size());
    etat.SetBytesProcessed(qint64(etat.iterations()) * octets.size());
}

// A level line of n hyphens: one pass, whatever its length.
void BM_LigneDesNiveaux(benchmark::State& etat)
{
    const QByteArray octets = fichierPersonnage([&](QStringList& l) { l[7] = QString(etat.range(0), u'-'); });
    lit(etat, octets);
}
BENCHMARK(BM_LigneDesNiveaux)->Arg(1 << 20)->Arg(2 << 20)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// n notes.
void BM_Notes(benchmark::State& etat)
{
    const QByteArray octets = fichierPersonnage([&](QStringList& l) {
        l.last() = QString::number(etat.range(0));
        for (qint64 i = 0; i < etat.range(0); ++i)
            l.append(QStringLiteral("Note numéro %1 & suite").arg(i));
    });
    lit(etat, octets);
}
BENCHMARK(BM_Notes)->Arg(100000)->Arg(200000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// n level-1 spells the catalogue lacks: read, added to the shipped
// catalogue in their places and marked.
void BM_SortsInconnusDeNiveau1(benchmark::State& etat)
{
    const ListeTexte mageMag = ListeTexte::charge(QStringLiteral("Mage.mag"));
    const QByteArray octets = fichierPersonnage([&](QStringList& l) {
        QStringList sorts;
        for (qint64 i = 0; i < etat.range(0); ++i)
            sorts.append(QStringLiteral("Sort inconnu %1&%2").arg(i * 7919 % etat.range(0)).arg(i % 100 + 1));
        const qsizetype fin = l.indexOf(FinDesSorts(1));
        l = l.mid(0, fin) + sorts + l.mid(fin);
    });
    for (auto _ : etat) {
        const FichePersonnage fiche = LitFichePersonnage(lignesDe(octets), 100, 100);
        CatalogueSorts catalogue;
        LitCatalogue(mageMag, catalogue);
        benchmark::DoNotOptimize(MarqueSortsDuPersonnage(catalogue, fiche.sortsDeMage));
    }
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_SortsInconnusDeNiveau1)->Arg(20000)->Arg(40000)->Complexity(benchmark::oNLogN)->Unit(benchmark::kMillisecond);

// A spell file of n records a level.
void BM_FichierDeSorts(benchmark::State& etat)
{
    QStringList lignes;
    for (int niveau = 1; niveau <= 9; ++niveau) {
        for (qint64 i = 0; i < etat.range(0); ++i)
            lignes.append(QStringLiteral("Sort %1 de niveau %2&1&2&3&4&V, S").arg(i).arg(niveau));
        lignes.append(FinDeNiveauSorts);
    }
    const QByteArray octets = octetsDe(lignes);
    for (auto _ : etat) {
        CatalogueSorts catalogue;
        LitCatalogue(lignesDe(octets), catalogue);
        benchmark::DoNotOptimize(catalogue);
    }
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_FichierDeSorts)->Arg(20000)->Arg(40000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// The experience file with n lines in the first class's section: the
// lookup walks it once.
void BM_FichierXP(benchmark::State& etat)
{
    QStringList lignes = ListeTexte::charge(QStringLiteral("XP.dat")).lignes();
    const qsizetype paladin = lignes.indexOf(QStringLiteral("Paladin"));
    for (qint64 i = 0; i < etat.range(0); ++i)
        lignes.insert(paladin, QStringLiteral("1000"));
    const QByteArray octets = octetsDe(lignes);
    const Personnage p = perso(QStringLiteral("Guerrier-Mage-Voleur"), {"9", "8", "10"});
    for (auto _ : etat)
        benchmark::DoNotOptimize(XPNiveauSuivant(p, lignesDe(octets)));
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_FichierXP)->Arg(200000)->Arg(400000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// The proficiency categories with n names in the general block, and n
// proficiencies marked: the points left are counted in one pass over each.
void BM_CategoriesEtCompetences(benchmark::State& etat)
{
    QStringList categories = {QStringLiteral("GENERAL")};
    QStringList marquees;
    for (qint64 i = 0; i < etat.range(0); ++i) {
        categories.append(QStringLiteral("Compétence %1").arg(i));
        marquees.append(QStringLiteral("Compétence %1&1&Sagesse&0").arg(etat.range(0) - 1 - i));
    }
    categories.append(QStringLiteral("FIN"));
    const QByteArray octets = octetsDe(categories);
    const QStringList groupes = {QStringLiteral("GENERAL")};
    for (auto _ : etat)
        benchmark::DoNotOptimize(PointsRestants(1000, marquees, lignesDe(octets).lignes(), groupes));
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_CategoriesEtCompetences)->Arg(5000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// The race and class summary on a "comprace.dat" of n lines before the
// blocks it looks for.
void BM_ResumeClasseRace(benchmark::State& etat)
{
    QStringList lignes = ListeTexte::charge(QStringLiteral("comprace.dat")).lignes();
    for (qint64 i = 0; i < etat.range(0); ++i)
        lignes.prepend(QStringLiteral("Ligne %1").arg(i));
    const QByteArray octets = octetsDe(lignes);
    const ListeTexte xp = ListeTexte::charge(QStringLiteral("XP.dat"));
    Personnage p = perso(QStringLiteral("Guerrier-Mage-Voleur"), {"9", "8", "10"});
    p.race = QStringLiteral("Elfe");
    for (auto _ : etat) {
        QStringList resume;
        ResumeClasseRace(p, ChoixSpheres{}, lignesDe(octets), xp, resume);
        benchmark::DoNotOptimize(resume);
    }
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_ResumeClasseRace)->Arg(200000)->Arg(400000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// The priest catalogue with n spells of level 1.
void BM_SortsDePretre(benchmark::State& etat)
{
    const ListeTexte sorts2 = ListeTexte::charge(QStringLiteral("sorts2.dat"));
    QStringList lignes = ListeTexte::charge(QStringLiteral("Clercs5.dat")).lignes();
    // Nine lines a spell, after the heading of level 1.
    QStringList ajout;
    for (qint64 i = 0; i < etat.range(0); ++i)
        ajout << QStringLiteral("Prière %1").arg(i) << QStringLiteral("Générale") << QStringLiteral("10 m")
              << QStringLiteral("-") << QStringLiteral("1 h") << QStringLiteral("1") << QStringLiteral("1 créature")
              << QStringLiteral("-") << QStringLiteral("V, S");
    lignes = lignes.mid(0, 1) + ajout + lignes.mid(1);
    const QByteArray octets = octetsDe(lignes);
    const Personnage p = perso(QStringLiteral("Clerc"), {"12"});
    ChoixSpheres spheres{};
    spheres.fill(AccesSphere::Majeur);
    for (auto _ : etat) {
        std::array<QStringList, 7> listes;
        ConstruitSortsDePretre(p, spheres, sorts2, lignesDe(octets), listes);
        benchmark::DoNotOptimize(listes);
    }
    etat.SetComplexityN(etat.range(0));
}
BENCHMARK(BM_SortsDePretre)->Arg(20000)->Arg(40000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    ProgrammeDeMesure programme(argc, argv);
    return programme.lance();
}

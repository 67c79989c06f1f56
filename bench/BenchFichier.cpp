// Speed of the character file: saving and opening a well-filled character
// (40 proficiencies, 15 weapons, 100 spells) through the commands, the file
// dialogs answered at once.
#include "Champs.h"
#include "Fenetres.h"
#include "ListeMarquee.h"
#include "Plateforme.h"
#include "PersonnageOuvert.h"
#include "ProgrammeDeMesure.h"
#include "UnitFormArmes.h"
#include "UnitFormNotes.h"
#include "UnitFormNWP.h"
#include "UnitFormSortsDeMage.h"
#include "UnitPerso.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QUndoStack>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QPrinter>
#include <benchmark/benchmark.h>

namespace {

// Every file dialog answers this name, every box its first button; the
// print dialog is never asked.
class PlateformeImmediate : public Plateforme {
public:
    QString nom;
    QPrinter imprimante_;
    Bouton boite(GenreBoite, const QString&, const std::vector<Bouton>& boutons) override
    {
        return boutons.empty() ? Bouton::OK : boutons.front();
    }
    QString fichierAOuvrir(const DialogueFichier&) override { return nom; }
    QString fichierASauver(const DialogueFichier&) override { return nom; }
    bool dialogueImpression() override { return false; }
    QPrinter& imprimante() override { return imprimante_; }
};

struct Programme {
    TPersoForm persoForm;
    Fenetres f;
    QTemporaryDir dossier;
    PlateformeImmediate* plateforme = nullptr;

    Programme()
    {
        f = CreeFenetres(persoForm);
        auto p = std::make_unique<PlateformeImmediate>();
        plateforme = p.get();
        plateforme->nom = dossier.filePath(QStringLiteral("perso.vdl"));
        installePlateforme(std::move(p));

        persoForm.EditNom->setText(QStringLiteral("Thorgrim"));
        persoForm.ComboRace->setCurrentIndex(persoForm.ComboRace->findText(QStringLiteral("Nain")));
        persoForm.ComboClasse->setCurrentIndex(persoForm.ComboClasse->findText(QStringLiteral("Guerrier-Mage-Voleur")));
        persoForm.EditNiveau1->setText(QStringLiteral("9"));
        persoForm.EditNiveau2->setText(QStringLiteral("8"));
        persoForm.EditNiveau3->setText(QStringLiteral("10"));
        for (QLineEdit* e : {persoForm.EditForce, persoForm.EditIntelligence, persoForm.EditSagesse,
                             persoForm.EditDexterite, persoForm.EditConstitution, persoForm.EditCharisme,
                             persoForm.EditBeaute})
            e->setText(QStringLiteral("15"));
        PersonnageOuvert& o = *f.Ouvert;
        FichePersonnage fiche = o.Fiche();
        for (int i = 0; i < 40 && i < o.Competences.competences.size(); ++i)
            fiche.competences.append(i);
        for (int i = 0; i < 15 && 2 * i < o.Armes.size(); ++i)
            fiche.armes.append(2 * i);
        // 100 spells over the nine levels, names of the catalogue.
        for (int k = 0; k < 100; ++k) {
            const int n = 1 + k % NombreNiveauxSorts;
            const QStringList& sorts = o.Catalogue.catalogue[static_cast<std::size_t>(n - 1)];
            const QString nom = sorts.isEmpty() ? QStringLiteral("Sort %1").arg(k)
                                                : Champ1(sorts[(k / NombreNiveauxSorts) % sorts.size()]);
            fiche.sortsDeMage[static_cast<std::size_t>(n - 1)].append(nom + QStringLiteral("&40"));
        }
        fiche.notes = QStringList{QStringLiteral("Une note"), QString(), QStringLiteral("Une autre")};
        o.Change(QStringLiteral("mesure"), [&fiche](EtatPersonnage& e) { e.fiche = fiche; });
    }
};

Programme* programme = nullptr;

void Sauvegarde(benchmark::State& etat)
{
    for (auto _ : etat) {
        programme->persoForm.Sauver1Click();
        if (programme->f.Ouvert->Modifie())
            etat.SkipWithError("la sauvegarde a échoué");
    }
}
BENCHMARK(Sauvegarde)->Unit(benchmark::kMillisecond);

// The whole opening: the file read and checked, every window filled, the
// catalogue marked and the standard notes rebuilt from the data files.
void Ouverture(benchmark::State& etat)
{
    programme->persoForm.Sauver1Click();
    for (auto _ : etat) {
        programme->persoForm.Ouvrir1Click();
        if (programme->f.Ouvert->Modifie())
            etat.SkipWithError("l'ouverture a échoué");
    }
}
BENCHMARK(Ouverture)->Unit(benchmark::kMillisecond);

// Opening a character with n level-1 spells the catalogue lacks: each is
// added to the catalogue in its place and marked. Twice the spells, about
// twice the time.
void OuvertureSortsInconnus(benchmark::State& etat)
{
    TPersoForm& persoForm = programme->persoForm;
    PersonnageOuvert& o = *programme->f.Ouvert;
    const CatalogueSorts avant = o.Catalogue.catalogue;
    const QStringList sorts = o.Fiche().sortsDeMage[0];
    o.Change(QStringLiteral("mesure"), [&](EtatPersonnage& e) {
        for (qint64 i = 0; i < etat.range(0); ++i)
            e.fiche.sortsDeMage[0].append(QStringLiteral("Sort inconnu %1&%2").arg(i * 7919 % etat.range(0)).arg(i % 100 + 1));
    });
    persoForm.Sauver1Click();
    for (auto _ : etat) {
        etat.PauseTiming();
        o.Catalogue.catalogue = avant;
        etat.ResumeTiming();
        persoForm.Ouvrir1Click();
        if (o.Modifie() || o.Catalogue.marques[0].size() < etat.range(0))
            etat.SkipWithError("l'ouverture a échoué");
    }
    etat.SetComplexityN(etat.range(0));
    o.Catalogue.catalogue = avant;
    o.Change(QStringLiteral("mesure"), [&sorts](EtatPersonnage& e) { e.fiche.sortsDeMage[0] = sorts; });
}

// Undo and redo of a step on a full character (every list marked, spells,
// notes): each puts the whole value back and shows it.
void AnnulerRetablir(benchmark::State& etat)
{
    PersonnageOuvert& o = *programme->f.Ouvert;
    o.Change(QStringLiteral("les notes"), [](EtatPersonnage& e) { e.fiche.notes.append(QStringLiteral("Encore une")); });
    QUndoStack& historique = o.Historique();
    for (auto _ : etat) {
        historique.undo();
        historique.redo();
    }
    etat.SetItemsProcessed(2 * etat.iterations());
}
BENCHMARK(AnnulerRetablir)->Unit(benchmark::kMicrosecond);

// The memory 1,000 steps of typing take on a full character (each a run of
// its own): the steps share what they did not change.
void MilleSaisies(benchmark::State& etat)
{
    PersonnageOuvert& o = *programme->f.Ouvert;
    auto residente = [] {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly))
            return 0.0;
        const QList<QByteArray> champs = statm.readAll().split(' ');
        return champs.value(1).toDouble() * 4096.0;
    };
    double octets = 0;
    for (auto _ : etat) {
        const double avant = residente();
        for (int i = 0; i < 1000; ++i) {
            o.Change(QStringLiteral("la saisie de Nom"),
                     [i](EtatPersonnage& e) { e.fiche.personnage.nom = QStringLiteral("Thorgrim %1").arg(i); }, 1);
            o.FinDeSaisie();
        }
        octets = residente() - avant;
    }
    etat.counters["octets"] = octets;
}
BENCHMARK(MilleSaisies)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(OuvertureSortsInconnus)->Arg(20000)->Arg(40000)->Complexity(benchmark::oNLogN)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    ProgrammeDeMesure mesure(argc, argv);
    Programme p;
    programme = &p;
    return mesure.lance();
}

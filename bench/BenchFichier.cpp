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
        for (int i = 0; i < 40 && i < o.Competences.competences.size(); ++i)
            o.Fiche().competences.append(i);
        for (int i = 0; i < 15 && 2 * i < o.Armes.size(); ++i)
            o.Fiche().armes.append(2 * i);
        // 100 spells over the nine levels, names of the catalogue.
        for (int k = 0; k < 100; ++k) {
            const int n = 1 + k % NombreNiveauxSorts;
            const QStringList& sorts = o.Catalogue.catalogue[static_cast<std::size_t>(n - 1)];
            const QString nom = sorts.isEmpty() ? QStringLiteral("Sort %1").arg(k)
                                                : Champ1(sorts[(k / NombreNiveauxSorts) % sorts.size()]);
            o.Fiche().sortsDeMage[static_cast<std::size_t>(n - 1)].append(nom + QStringLiteral("&40"));
        }
        o.Fiche().notes = QStringList{QStringLiteral("Une note"), QString(), QStringLiteral("Une autre")};
    }
};

Programme* programme = nullptr;

void Sauvegarde(benchmark::State& etat)
{
    for (auto _ : etat) {
        programme->f.Ouvert->Modifie() = true;
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
    for (qint64 i = 0; i < etat.range(0); ++i)
        o.Fiche().sortsDeMage[0].append(QStringLiteral("Sort inconnu %1&%2").arg(i * 7919 % etat.range(0)).arg(i % 100 + 1));
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
    o.Fiche().sortsDeMage[0] = sorts;
}
BENCHMARK(OuvertureSortsInconnus)->Arg(20000)->Arg(40000)->Complexity(benchmark::oNLogN)->Unit(benchmark::kMillisecond);

}

int main(int argc, char** argv)
{
    ProgrammeDeMesure mesure(argc, argv);
    Programme p;
    programme = &p;
    return mesure.lance();
}

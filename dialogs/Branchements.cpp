#include "Branchements.h"

#include "CommandeSortsDeMage.h"
#include "ResumeClasseRace.h"
#include "Spheres.h"
#include "UnitFormNotes.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitPerso.h"

namespace {

ChargeurListe chargeur(const TPersoForm& persoForm, const QString& nom)
{
    return [&persoForm, nom] { return ListeTexte::charge(persoForm.FichierDonnees(nom)); };
}

}

void ReconstruitNotesStandard(const TPersoForm& persoForm, const TFormSpheres* spheres, TFormNotes& notes)
{
    QStringList lignes;
    try {
        ResumeClasseRace(persoForm.personnage(), spheres ? spheres->Choix() : ChoixSpheres{},
                         chargeur(persoForm, QStringLiteral("comprace.dat")),
                         chargeur(persoForm, QStringLiteral("XP.dat")), lignes);
    } catch (...) {
        notes.FixeLignesStandard(lignes);
        throw;
    }
    notes.FixeLignesStandard(lignes);
}

void ConstruitSortsDeClerc(TPersoForm& persoForm, const TFormSpheres& spheres)
{
    ConstruitSortsDePretre(persoForm.personnage(), spheres.Choix(),
                           chargeur(persoForm, QStringLiteral("sorts2.dat")),
                           chargeur(persoForm, QStringLiteral("Clercs5.dat")),
                           persoForm.SortsDeClercParNiveau);
}

void BrancheDialogues(TPersoForm& persoForm, const Dialogues& dialogues)
{
    TFormSpheres* spheres = dialogues.FormSpheres;
    TFormNotes* notes = dialogues.FormNotes;
    TFormSortsDeMage* sortsDeMage = dialogues.FormSortsDeMage;

    if (spheres)
        persoForm.BrancheCommande(TPersoForm::Commande::SortsDeClerc, {{}, [spheres] { spheres->exec(); }});

    // The main window marks the sheet modified between `prepare` and
    // `montre`: the notes are rebuilt after it, as the command requires.
    if (notes)
        persoForm.BrancheCommande(TPersoForm::Commande::Notes, {{}, [&persoForm, spheres, notes] {
            ReconstruitNotesStandard(persoForm, spheres, *notes);
            notes->exec();
        }});

    if (sortsDeMage)
        persoForm.BrancheCommande(TPersoForm::Commande::SortsDeMage, {{}, [sortsDeMage] {
            TravailSortsDeMage(*sortsDeMage);
        }});

    persoForm.BrancheCommande(TPersoForm::Commande::Nouveau, {{}, [spheres, notes, sortsDeMage] {
        if (spheres)
            spheres->DecocheTout();
        if (notes)
            notes->VideNotes();
        if (sortsDeMage)
            sortsDeMage->DemarqueTout();
    }});
}

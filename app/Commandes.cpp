#include "Commandes.h"

#include "ResumeClasseRace.h"
#include "CommandesChoix.h"
#include "CommandesFichier.h"
#include "Spheres.h"
#include "TravauxImpression.h"
#include "TravauxTalents.h"
#include "UnitFormNotes.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitPerso.h"
#include "Verifications.h"

#include <memory>

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

// Each command: its checks, then its work and its window. The main window
// runs the checks, marks the sheet modified for a dialog command, then the
// work (TPersoForm::Travail).
void BrancheCommandes(const Fenetres& f)
{
    using Commande = TPersoForm::Commande;
    TPersoForm& persoForm = *f.PersoForm;
    TFormSpheres* spheres = f.FormSpheres;
    TFormNotes* notes = f.FormNotes;
    TFormNWP* nwp = f.FormNWP;
    TFormArmes* armes = f.FormArmes;
    TFormSortsDeMage* sortsDeMage = f.FormSortsDeMage;
    TFormTalentsVoleur* voleur = f.FormTalentsVoleur;
    TFormTalentsBarde* barde = f.FormTalentsBarde;

    // "&Nouveau": the main window empties its fields, then the dialogs
    // forget their parts of the character.
    persoForm.BrancheCommande(Commande::Nouveau, {nullptr, [spheres, notes, nwp, armes, sortsDeMage] {
        VideChoix(nwp, armes);
        if (sortsDeMage)
            sortsDeMage->DemarqueTout();
        if (spheres)
            spheres->DecocheTout();
        if (notes) {
            notes->VideNotes();
            notes->FixeLignesStandard({});
        }
    }});

    // "&Sauver" and "&Ouvrir": the character file. Each file dialog proposes
    // the last name chosen in it.
    auto noms = f.NomsFichiers ? f.NomsFichiers : std::make_shared<NomsFichiersPersonnage>();
    persoForm.BrancheCommande(Commande::Sauver, {nullptr, [f, noms] { TravailSauver(f, *noms); }});
    persoForm.BrancheCommande(Commande::Ouvrir, {nullptr, [f, noms] { TravailOuvrir(f, *noms); }});

    // "Sorts de &Mage": an Intelligence typed; the spell catalogue, which
    // writes the character's spells into the main window's lists.
    if (sortsDeMage)
        persoForm.BrancheCommande(Commande::SortsDeMage, {Verifications::AvantSortsDeMage, [sortsDeMage] {
            sortsDeMage->exec();
        }});

    // "&Compétences": class, Intelligence and levels; the groups and the
    // budget, then the proficiency dialog.
    if (nwp)
        persoForm.BrancheCommande(Commande::Competences, {Verifications::AvantCompetences, [&persoForm, nwp] {
            TravailCompetences(persoForm, *nwp);
        }});

    // "&Armes": class and levels; the weapon slots, then the weapon dialog.
    if (armes)
        persoForm.BrancheCommande(Commande::Armes, {Verifications::AvantArmes, [&persoForm, armes] {
            TravailArmes(persoForm, *armes);
        }});

    // "Talents de &Voleur": Dextérité, race and levels; the bases and points
    // of the thief skills, the dialog, and its values kept by the sheet.
    if (voleur)
        persoForm.BrancheCommande(Commande::TalentsVoleur, {Verifications::AvantTalents, [&persoForm, voleur] {
            TravailTalentsVoleur(persoForm, *voleur);
        }});

    // "Talents de &Barde": the same checks; the bard skills from their bases.
    if (barde)
        persoForm.BrancheCommande(Commande::Barde, {Verifications::AvantTalents, [&persoForm, barde] {
            TravailTalentsBarde(persoForm, *barde);
        }});

    // "&Imprimer": the print dialog first, then the full check (in the
    // work), the print choice and the document.
    if (f.FormChoixImpression)
        persoForm.BrancheCommande(Commande::Imprimer, {nullptr, [f] { TravailImpression(f); }});

    // Preview: the full check; the preview, which can hand over to printing.
    std::function<void()> apercu;
    if (f.FormPreview)
        apercu = [f] { TravailApercu(f); };
    persoForm.BrancheCommande(Commande::Apercu, {Verifications::VerifieSaisie, apercu});

    // "Sorts de &Clerc": no check; the sphere dialog.
    if (spheres)
        persoForm.BrancheCommande(Commande::SortsDeClerc, {nullptr, [spheres] { spheres->exec(); }});

    // "&Notes": Sagesse, race and class; the standard notes rebuilt, then
    // the notes dialog.
    if (notes)
        persoForm.BrancheCommande(Commande::Notes, {Verifications::AvantNotes, [&persoForm, spheres, notes] {
            ReconstruitNotesStandard(persoForm, spheres, *notes);
            notes->exec();
        }});
}

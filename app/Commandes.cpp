#include "Commandes.h"

#include "CommandesChoix.h"
#include "CommandesFichier.h"
#include "PendantLeDialogue.h"
#include "PersonnageOuvert.h"
#include "TravauxImpression.h"
#include "TravauxTalents.h"
#include "UnitFormNotes.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitPerso.h"
#include "Verifications.h"

bool QuitteLePersonnage(const Fenetres& f)
{
    if (!f.Ouvert->Modifie)
        return true;
    const Bouton choix = boite(GenreBoite::Confirmation, QStringLiteral("Sauver le personnage ?"),
                               {Bouton::Oui, Bouton::Non, Bouton::Annuler});
    if (choix == Bouton::Annuler)
        return false;
    if (choix == Bouton::Oui) {
        // The save shows its own failure; a save that did not happen (its
        // dialog cancelled, the file not written) leaves the character
        // modified, and it is kept.
        f.PersoForm->Sauver1Click();
        return !f.Ouvert->Modifie;
    }
    return true;
}

namespace {

// "&Nouveau", once the fields are emptied: the rest of the character goes
// too (its file would hold them, its catalogue show them), and the new one
// is unmodified, its thief values to be built from the bases.
void TravailNouveau(PersonnageOuvert& ouvert)
{
    FichePersonnage vide;
    vide.personnage = ouvert.Fiche.personnage;
    ouvert.Fiche = vide;
    ++ouvert.Remplacements;
    ouvert.TalentsVoleurDeBase = true;
    ouvert.Catalogue.marques = {};
    ouvert.NotesStandard.clear();
    ouvert.Modifie = false;
    ouvert.Signale();
}

// "&Notes": the standard notes rebuilt, then the dialog on the character's
// notes, which it gives back when it closes.
void TravailNotes(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    ReconstruitNotesStandard(ouvert);
    TFormNotes& notes = f.FormNotes();
    notes.FixeLignesStandard(ouvert.NotesStandard);
    // The memo keeps its cursor (and its own undo) while it shows this
    // character's notes; another character's are filled anew, even when
    // they read the same.
    const char* remplacements = "remplacements";
    if (notes.LignesNotes() != ouvert.Fiche.notes || notes.property(remplacements) != ouvert.Remplacements) {
        notes.FixeLignesNotes(ouvert.Fiche.notes);
        notes.setProperty(remplacements, ouvert.Remplacements);
    }
    {
        PendantLeDialogue pendant(ouvert, notes, [&notes](FichePersonnage& f) { f.notes = notes.LignesNotes(); });
        notes.exec();
    }
    ouvert.Fiche.notes = notes.LignesNotes();
}

// "Sorts de &Clerc": the sphere dialog on the character's choices.
void TravailSpheres(const Fenetres& f)
{
    TFormSpheres& spheres = f.FormSpheres();
    spheres.FixeChoix(f.Ouvert->Fiche.spheres);
    {
        PendantLeDialogue pendant(*f.Ouvert, spheres, [&spheres](FichePersonnage& fiche) { fiche.spheres = spheres.Choix(); });
        spheres.exec();
    }
    f.Ouvert->Fiche.spheres = spheres.Choix();
}

// "Sorts de &Mage": the catalogue as it was left, with its marks; the
// dialog writes the character's spell entries as it goes.
void TravailSortsDeMage(const Fenetres& f)
{
    TFormSortsDeMage& sorts = f.FormSortsDeMage();
    sorts.FixeEtat(f.Ouvert->Catalogue);
    {
        // The dialog writes the character's spells as it goes.
        PendantLeDialogue pendant(*f.Ouvert, sorts, [](FichePersonnage&) {});
        sorts.exec();
    }
    f.Ouvert->Catalogue = sorts.Etat();
}

}

// Each command: its checks, then its work and its window. The main window
// runs the checks, signals a modification for a dialog command, then the
// work (TPersoForm::Travail).
void BrancheCommandes(const Fenetres& f)
{
    using Commande = TPersoForm::Commande;
    TPersoForm& persoForm = *f.PersoForm;
    const std::shared_ptr<PersonnageOuvert> ouvert = f.Ouvert;

    // The main window is a view of the character: every change of a field
    // goes to it at once.
    QObject::connect(&persoForm, &TPersoForm::PersonnageChange, &persoForm,
                     [ouvert, &persoForm] { ouvert->Fiche.personnage = persoForm.personnage(); });
    QObject::connect(&persoForm, &TPersoForm::Modification, &persoForm, [ouvert, &persoForm] {
        ouvert->Fiche.personnage = persoForm.personnage();
        ouvert->Modifie = true;
        ouvert->Signale();
    });
    // A dialog gives its changes back when it closes: the character is
    // told then.
    auto puis = [ouvert](std::function<void()> travail) {
        return [ouvert, travail] {
            travail();
            ouvert->Signale();
        };
    };
    persoForm.QuitteLePersonnage = [f] { return ::QuitteLePersonnage(f); };
    QObject::connect(&persoForm, &TPersoForm::FichierChoisi, &persoForm, [f](const QString& fichier) {
        ExecuteCommande([&] { OuvreFichierDonne(f, fichier); });
    });

    persoForm.BrancheCommande(Commande::Nouveau, {nullptr, [ouvert] { TravailNouveau(*ouvert); }});

    // "&Sauver" and "&Ouvrir": the character file. Each file dialog proposes
    // the last name chosen in it.
    persoForm.BrancheCommande(Commande::Sauver, {nullptr, [f] { TravailSauver(f); }});
    persoForm.BrancheCommande(Commande::Ouvrir, {nullptr, [f] { TravailOuvrir(f); }});

    // "Sorts de &Mage": an Intelligence typed; the spell catalogue, which
    // writes the character's spells.
    persoForm.BrancheCommande(Commande::SortsDeMage, {Verifications::AvantSortsDeMage, puis([f] { TravailSortsDeMage(f); })});

    // "&Compétences": class, Intelligence and levels; the groups and the
    // budget, then the proficiency dialog.
    persoForm.BrancheCommande(Commande::Competences, {Verifications::AvantCompetences, puis([f] { TravailCompetences(f); })});

    // "&Armes": class and levels; the weapon slots, then the weapon dialog.
    persoForm.BrancheCommande(Commande::Armes, {Verifications::AvantArmes, puis([f] { TravailArmes(f); })});

    // "Talents de &Voleur": Dextérité, race and levels; the bases and points
    // of the thief skills, the dialog, and its values kept by the character.
    persoForm.BrancheCommande(Commande::TalentsVoleur, {Verifications::AvantTalents, puis([f] {
        TravailTalentsVoleur(*f.Ouvert, f.FormTalentsVoleur());
    })});

    // "Talents de &Barde": the same checks; the bard skills from their bases.
    persoForm.BrancheCommande(Commande::Barde, {Verifications::AvantTalents, [f] {
        TravailTalentsBarde(*f.Ouvert, f.FormTalentsBarde());
    }});

    // "&Imprimer": the print dialog first, then the full check (in the
    // work), the print choice and the document.
    persoForm.BrancheCommande(Commande::Imprimer, {nullptr, [f] { TravailImpression(f); }});

    // Preview: the full check; the preview, which can hand over to printing.
    persoForm.BrancheCommande(Commande::Apercu, {Verifications::VerifieSaisie, [f] { TravailApercu(f); }});

    // "Exporter en PDF...": the full check; the print choice, the file's
    // name, the pages.
    persoForm.BrancheCommande(Commande::ExporterPDF, {Verifications::VerifieSaisie, [f] { TravailExportPDF(f); }});

    // "Sorts de &Clerc": no check; the sphere dialog.
    persoForm.BrancheCommande(Commande::SortsDeClerc, {nullptr, puis([f] { TravailSpheres(f); })});

    // "&Notes": Sagesse, race and class; the standard notes rebuilt, then
    // the notes dialog.
    persoForm.BrancheCommande(Commande::Notes, {Verifications::AvantNotes, puis([f] { TravailNotes(f); })});
}

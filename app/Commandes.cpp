#include "Commandes.h"

#include "CommandesChoix.h"
#include "CommandesFichier.h"
#include "Competences.h"
#include "Niveaux.h"
#include "PendantLeDialogue.h"
#include "PersonnageOuvert.h"
#include "TravauxImpression.h"
#include "TravauxTalents.h"
#include "UnitFormNotes.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitFormTirage.h"
#include "UnitPerso.h"
#include "Verifications.h"

#include <QAction>
#include <QUndoStack>

bool QuitteLePersonnage(const Fenetres& f)
{
    if (!f.Ouvert->Modifie())
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
        return !f.Ouvert->Modifie();
    }
    return true;
}

namespace {

// "&Nouveau": the fields emptied, and the rest of the character goes too
// (its file would hold them, its catalogue show them); the new one is
// unmodified, without a file, its thief values to be built from the bases.
// One step: its undo brings the character before back whole.
void TravailNouveau(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    const FichePersonnage vide;
    ouvert.NotesStandard.clear();
    // The points left are counted against the new character's budgets, as
    // after an opening: none of the last one's show in its printout.
    ouvert.BudgetNWP = CalculeCompetences(vide.personnage);
    ouvert.PointsArmes = CalculeEmplacementsArmes(vide.personnage);
    ouvert.Remplace(vide, PersonnageOuvert::Origine::Nouveau, QString(), true);
}

// "&Notes": the standard notes rebuilt, then the dialog on the character's
// notes, which it gives back when it closes.
void TravailNotes(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    ReconstruitNotesStandard(ouvert);
    ChoixDansLeDialogue<QStringList>(
        ouvert, QStringLiteral("les notes"), [](EtatPersonnage& e, const QStringList& notes) { e.fiche.notes = notes; },
        [&](const SuiviDuChoix<QStringList>& suivi) {
            return f.FormNotes().Choisit(ouvert.NotesStandard, ouvert.Fiche().notes, ouvert.Remplacements, suivi);
        });
}

// "Sorts de &Clerc": the sphere dialog on the character's choices.
void TravailSpheres(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    ChoixDansLeDialogue<ChoixSpheres>(
        ouvert, QStringLiteral("les sphères"), [](EtatPersonnage& e, const ChoixSpheres& c) { e.fiche.spheres = c; },
        [&](const SuiviDuChoix<ChoixSpheres>& suivi) { return f.FormSpheres().Choisit(ouvert.Fiche().spheres, suivi); });
}

// "Sorts de &Mage": the catalogue as it was left, with its marks; the
// dialog works on a copy of the character's spell entries, given back as
// one step when it closes.
void TravailSortsDeMage(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    using Sorts = TFormSortsDeMage::SortsParNiveau;
    ouvert.SuitLesSorts();
    ChoixDansLeDialogue<Sorts>(
        ouvert, QStringLiteral("les sorts de mage"), [](EtatPersonnage& e, const Sorts& s) { e.fiche.sortsDeMage = s; },
        [&](const SuiviDuChoix<Sorts>& suivi) {
            TFormSortsDeMage::Choix choix = f.FormSortsDeMage().Choisit(
                ouvert.Fiche().sortsDeMage, ouvert.Fiche().personnage.intelligence, ouvert.Catalogue, suivi);
            ouvert.Catalogue = std::move(choix.catalogue);
            ouvert.SortsDesMarques = choix.sorts;
            return choix.sorts;
        });
}

}

namespace {

// "Tirer les &caractéristiques...": the roll's dialog on the sheet as it
// is; applied, the seven abilities, Extra, the race and the class, as the
// sheet's rule leaves them, in one step.
void TravailTirage(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    const std::optional<Tirage> tirage = f.FormTirage().Tire(ouvert.Fiche().personnage);
    if (!tirage)
        return;
    Personnage p = ouvert.Fiche().personnage;
    AppliqueTirage(*tirage, p);
    p = RegleLaFiche(p);
    ouvert.Change(QStringLiteral("le tirage des caractéristiques"), [&p](EtatPersonnage& e) { e.fiche.personnage = p; });
}

}

// Each command: its checks, then its work and its window. The main window
// runs the checks, then the work (TPersoForm::Travail); a dialog's changes
// are one step of the history when it closes.
void BrancheCommandes(const Fenetres& f)
{
    using Commande = TPersoForm::Commande;
    TPersoForm& persoForm = *f.PersoForm;
    const std::shared_ptr<PersonnageOuvert> ouvert = f.Ouvert;

    // The main window is a view of the character: each gesture of the
    // user's is a step of the character's history, and every change of the
    // character shows there.
    QObject::connect(&persoForm, &TPersoForm::Etape, &persoForm, [ouvert, &persoForm](const QString& nom, int saisie) {
        const Personnage p = persoForm.personnage();
        ouvert->Change(nom, [&p](EtatPersonnage& e) { e.fiche.personnage = p; }, saisie);
    });
    QObject::connect(&persoForm, &TPersoForm::FinDeSaisie, ouvert.get(), &PersonnageOuvert::FinDeSaisie);
    QObject::connect(ouvert.get(), &PersonnageOuvert::Changement, &persoForm, [ouvert, &persoForm] {
        if (persoForm.personnage() != ouvert->Fiche().personnage)
            persoForm.FixePersonnage(ouvert->Fiche().personnage);
        ouvert->SuitLesSorts();
        persoForm.FixeTitre(ouvert->Fichier(), ouvert->Modifie());
    });
    QUndoStack& historique = ouvert->Historique();
    QAction* annuler = historique.createUndoAction(&persoForm, QStringLiteral("&Annuler"));
    annuler->setObjectName("Annuler1");
    QAction* retablir = historique.createRedoAction(&persoForm, QStringLiteral("&Rétablir"));
    retablir->setObjectName("Retablir1");
    persoForm.FixeHistorique(annuler, retablir);
    persoForm.QuitteLePersonnage = [f] { return ::QuitteLePersonnage(f); };
    QObject::connect(&persoForm, &TPersoForm::FichierChoisi, &persoForm, [f](const QString& fichier) {
        ExecuteCommande([&] { OuvreFichierDonne(f, fichier); });
    });

    persoForm.BrancheCommande(Commande::Nouveau, {nullptr, [f] { TravailNouveau(f); }});

    // "&Sauver" and "&Ouvrir": the character file. Each file dialog proposes
    // the last name chosen in it.
    persoForm.BrancheCommande(Commande::Sauver, {nullptr, [f] { TravailSauver(f); }});
    persoForm.BrancheCommande(Commande::Ouvrir, {nullptr, [f] { TravailOuvrir(f); }});

    // "Sorts de &Mage": an Intelligence typed; the spell catalogue, which
    // writes the character's spells.
    persoForm.BrancheCommande(Commande::SortsDeMage, {Verifications::AvantSortsDeMage, [f] { TravailSortsDeMage(f); }});

    // "&Compétences": class, Intelligence and levels; the groups and the
    // budget, then the proficiency dialog.
    persoForm.BrancheCommande(Commande::Competences, {Verifications::AvantCompetences, [f] { TravailCompetences(f); }});

    // "&Armes": class and levels; the weapon slots, then the weapon dialog.
    persoForm.BrancheCommande(Commande::Armes, {Verifications::AvantArmes, [f] { TravailArmes(f); }});

    // "Talents de &Voleur": Dextérité, race and levels; the bases and points
    // of the thief skills, the dialog, and its values kept by the character.
    persoForm.BrancheCommande(Commande::TalentsVoleur, {Verifications::AvantTalents, [f] {
        TravailTalentsVoleur(*f.Ouvert, f.FormTalentsVoleur());
    }});

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
    persoForm.BrancheCommande(Commande::SortsDeClerc, {nullptr, [f] { TravailSpheres(f); }});

    // "&Notes": Sagesse, race and class; the standard notes rebuilt, then
    // the notes dialog.
    persoForm.BrancheCommande(Commande::Notes, {Verifications::AvantNotes, [f] { TravailNotes(f); }});

    // "Tirer les &caractéristiques...": no check; the roll's dialog.
    persoForm.BrancheCommande(Commande::Tirage, {nullptr, [f] { TravailTirage(f); }});
}

#include "CommandesFichier.h"

#include "Champs.h"
#include "Commandes.h"
#include "Fenetres.h"
#include "ListeMarquee.h"
#include "Niveaux.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitFormNotes.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitPerso.h"

DialogueFichier DialogueSauvegardePersonnage(const QString& nom)
{
    return {QStringLiteral("Sauvegarde du personnage"), QStringLiteral("Fichiers Personnage de Vardel (*.vdl)|*.vdl"),
            QStringLiteral("vdl"), nom};
}

DialogueFichier DialogueOuverturePersonnage(const QString& nom)
{
    return {QString(), QStringLiteral("Fichier Personnage de Vardel (*.vdl)|*.vdl"), QStringLiteral("vdl"), nom};
}

FichePersonnage RassembleFiche(const Fenetres& f)
{
    FichePersonnage fiche;
    fiche.personnage = f.PersoForm->personnage();
    if (f.FormNWP)
        fiche.competences = f.FormNWP->Marques();
    if (f.FormArmes) {
        fiche.armes = f.FormArmes->Marques();
        fiche.specialisation = f.FormArmes->Specialisation();
    }
    fiche.talentsVoleur = f.PersoForm->TalentsVoleur;
    fiche.sortsDeMage = f.PersoForm->SortsDeMageParNiveau;
    if (f.FormSpheres)
        fiche.spheres = f.FormSpheres->Choix();
    if (f.FormNotes)
        fiche.notes = f.FormNotes->LignesNotes();
    return fiche;
}

namespace {

// The catalogue marks the character's spells, level by level: the last
// record of each name, exactly; at level 1 a name it lacks is added first.
void MarqueSorts(TFormSortsDeMage& fenetre, const std::array<QStringList, NombreNiveauxSorts>& sorts)
{
    CatalogueSorts catalogue = fenetre.Catalogue();
    const MarquesSorts marques = MarqueSortsDuPersonnage(catalogue, sorts);
    fenetre.FixeCatalogueEtMarques(catalogue, marques);
}

}

void AppliqueFiche(const Fenetres& f, const FichePersonnage& fiche)
{
    TPersoForm& persoForm = *f.PersoForm;
    persoForm.FixePersonnage(fiche.personnage, fiche.niveauxLus, fiche.extraLu);
    if (f.FormNWP) {
        f.FormNWP->FixeMarques(fiche.competences);
        f.FormNWP->CalculeCompetences(persoForm.personnage());
    }
    if (f.FormArmes) {
        f.FormArmes->FixeMarques(fiche.armes);
        f.FormArmes->FixeSpecialisation(fiche.specialisation);
        f.FormArmes->PointsArmes = CalculeEmplacementsArmes(persoForm.personnage());
    }
    persoForm.TalentsVoleur = fiche.talentsVoleur;
    persoForm.SortsDeMageParNiveau = fiche.sortsDeMage;
    if (f.FormSortsDeMage)
        MarqueSorts(*f.FormSortsDeMage, fiche.sortsDeMage);
    if (f.FormSpheres)
        f.FormSpheres->FixeChoix(fiche.spheres);
    if (f.FormNotes)
        f.FormNotes->FixeLignesNotes(fiche.notes);
}

void TravailSauver(const Fenetres& f, NomsFichiersPersonnage& noms)
{
    const QString nom = plateforme().fichierASauver(DialogueSauvegardePersonnage(noms.sauvegarde));
    if (nom.isEmpty())
        return;
    noms.sauvegarde = nom;
    EcritFichePersonnage(RassembleFiche(f)).sauve(nom);
    f.PersoForm->Modifie = false;
}

void TravailOuvrir(const Fenetres& f, NomsFichiersPersonnage& noms)
{
    const QString nom = plateforme().fichierAOuvrir(DialogueOuverturePersonnage(noms.ouverture));
    if (nom.isEmpty())
        return;
    noms.ouverture = nom;
    OuvreFichierPersonnage(f, noms, nom);
}

void OuvreFichierPersonnage(const Fenetres& f, NomsFichiersPersonnage& noms, const QString& nom)
{
    // Read and checked whole before the first field changes: a damaged
    // file leaves the character being edited as it was.
    const FichePersonnage fiche =
        LitFichePersonnage(ListeTexte::charge(nom), f.FormNWP ? f.FormNWP->ListBoxNWP->Nombre() : 0,
                           f.FormArmes ? f.FormArmes->ListBoxArmes->Nombre() : 0);
    noms.sauvegarde = nom;
    AppliqueFiche(f, fiche);
    // The sheet is the file's character now, its thief values those read.
    // The standard notes come last: data files that fail them leave that
    // true.
    f.PersoForm->Modifie = false;
    f.PersoForm->TalentsVoleurDeBase = false;
    if (f.FormNotes)
        ReconstruitNotesStandard(*f.PersoForm, f.FormSpheres, *f.FormNotes);
}

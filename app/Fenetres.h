#pragma once

#include <memory>

struct NomsFichiersPersonnage;

class TFormArmes;
class TFormChoixImpression;
class TFormNWP;
class TFormNotes;
class TFormNouveauSortDeMage;
class TFormPourcentage;
class TFormPreview;
class TFormSortsDeMage;
class TFormSpheres;
class TFormTalentsBarde;
class TFormTalentsVoleur;
class TPersoForm;

// The windows of the program. The dialogs are created once, after the main
// window, in the order of the program entry; they are children of the main
// window (Qt deletes them with it), hidden until their command shows them.
// These are plain pointers: nothing here owns a window.
struct Fenetres {
    TPersoForm* PersoForm = nullptr;
    TFormPreview* FormPreview = nullptr;
    TFormNWP* FormNWP = nullptr;
    TFormArmes* FormArmes = nullptr;
    TFormTalentsVoleur* FormTalentsVoleur = nullptr;
    TFormSpheres* FormSpheres = nullptr;
    TFormSortsDeMage* FormSortsDeMage = nullptr;
    TFormNotes* FormNotes = nullptr;
    TFormTalentsBarde* FormTalentsBarde = nullptr;
    TFormChoixImpression* FormChoixImpression = nullptr;
    TFormPourcentage* FormPourcentage = nullptr;
    TFormNouveauSortDeMage* FormNouveauSortDeMage = nullptr;
    // The names the character's file dialogs propose, shared by the
    // commands and by an opening from outside (a file given at start).
    std::shared_ptr<NomsFichiersPersonnage> NomsFichiers;
};

// Creates the dialogs under `persoForm` and attaches every command of the
// main window to its work (BrancheCommandes).
Fenetres CreeFenetres(TPersoForm& persoForm);

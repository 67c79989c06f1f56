#pragma once

#include <memory>

struct PersonnageOuvert;

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
class TFormTirage;
class TPersoForm;

// The program's windows around the open character. The main window comes
// first and is a view of the character; each dialog is created, a child of
// the main window (Qt deletes it with it), the first time it is asked for,
// which is the first time a command shows it. Copies share the same
// windows and the same character.
class Fenetres {
public:
    Fenetres() = default;

    TPersoForm* PersoForm = nullptr;
    // The open character, held here for the whole run.
    std::shared_ptr<PersonnageOuvert> Ouvert;

    TFormPreview& FormPreview() const;
    TFormNWP& FormNWP() const;
    TFormArmes& FormArmes() const;
    TFormTalentsVoleur& FormTalentsVoleur() const;
    TFormSpheres& FormSpheres() const;
    TFormSortsDeMage& FormSortsDeMage() const;
    TFormNotes& FormNotes() const;
    TFormTalentsBarde& FormTalentsBarde() const;
    TFormChoixImpression& FormChoixImpression() const;
    TFormPourcentage& FormPourcentage() const;
    TFormNouveauSortDeMage& FormNouveauSortDeMage() const;
    TFormTirage& FormTirage() const;

private:
    friend Fenetres CreeFenetres(TPersoForm& persoForm);
    struct Dialogues;
    std::shared_ptr<Dialogues> dialogues_;
};

// The open character around `persoForm`: what is read once at start
// (LitDonneesDeDepart on the sheet's data folder, each failure in its box),
// the main window made a view of the character, and every command attached
// to its work (BrancheCommandes). No dialog is created yet.
Fenetres CreeFenetres(TPersoForm& persoForm);

#pragma once

#include "Ajustements.h"
#include "CatalogueSorts.h"
#include "Competences.h"
#include "FichierPersonnage.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>
#include <array>
#include <functional>
#include <optional>

// The names the file dialogs propose: the last one chosen in each. The
// save dialog proposes the character's own file (PersonnageOuvert::Fichier).
struct NomsFichiersPersonnage {
    // The last name chosen in the save dialog (NomChoisiPourSauver).
    QString sauvegarde;
    QString ouverture;
    // The last PDF exported: the next export proposes its folder.
    QString pdf;
};

// What one step of the history changes: the character, and whether its
// thief values are still to be built from their bases at the next opening
// of their dialog.
struct EtatPersonnage {
    FichePersonnage fiche;
    bool talentsVoleurDeBase = true;

    bool operator==(const EtatPersonnage&) const = default;
};

// The open character: the one value that holds the whole character, with
// its history, and what the program keeps beside it while it is edited.
// The windows are its views.
//
// The value changes only through the named operations below, each one step
// of the history that "Annuler" takes back and "Rétablir" does again:
// - Change: an edit, named for the user ("la saisie de Nom", "Tirer PV",
//   "les compétences"); a run of typing in one field is one step;
// - Remplace: another character in its place ("Nouveau", "Ouvrir", "la
//   reprise du personnage"), whose undo brings back the one before whole,
//   with its file and its modified state;
// - MarqueSauve: the character saved, which is no step: it moves the saved
//   point.
// Modifie, TalentsVoleurDeBase and the file name are decided here alone.
// Changement tells the views and the recovery file of every change.
class PersonnageOuvert : public QObject {
    Q_OBJECT
public:
    enum class Origine { Nouveau, Ouvrir, Reprise };

    PersonnageOuvert();
    ~PersonnageOuvert() override;

    const FichePersonnage& Fiche() const { return etat_.fiche; }
    const EtatPersonnage& Etat() const { return etat_; }
    bool TalentsVoleurDeBase() const { return etat_.talentsVoleurDeBase; }
    // The file the character was opened from or last saved to (or taken
    // back with); empty for a character never saved.
    const QString& Fichier() const { return fichier_; }
    // The character differs from the one last saved, opened or begun (a
    // character taken back from a recovery file is modified until saved).
    bool Modifie() const;

    // An edit, as one step named `etape`. Nothing happens (no step) when it
    // changes nothing. A `saisie` other than 0 names a field being typed
    // in: the edits of one run of typing in it are one step, until
    // FinDeSaisie, another step, an undo or a redo.
    void Change(const QString& etape, const std::function<void(EtatPersonnage&)>& changement, int saisie = 0);
    void FinDeSaisie();
    // Another character in this one's place, from `origine`, with its file.
    void Remplace(const FichePersonnage& fiche, Origine origine, const QString& fichier, bool talentsVoleurDeBase);
    // Saved under that name: the saved point is here.
    void MarqueSauve(const QString& fichier);
    // The name the save dialog proposes: the character's file, unless a
    // name was chosen in the dialog since (a save that failed), or the
    // character has none: then the name chosen last in the dialog.
    QString NomPropose() const { return fichier_.isEmpty() || nomChoisiDepuis_ ? Noms.sauvegarde : fichier_; }
    void NomChoisiPourSauver(const QString& nom)
    {
        Noms.sauvegarde = nom;
        nomChoisiDepuis_ = true;
    }

    // The history (undo, redo, their actions and their texts). It lasts
    // for the run.
    QUndoStack& Historique() { return historique_; }

    // While a dialog is open: writes into a copy of the character what the
    // dialog shows now, which it gives back only when it closes. The
    // recovery file writes the character with it (EtatEnCours).
    std::function<void(EtatPersonnage&)> PartOuverte;
    EtatPersonnage EtatEnCours() const;
    // The same, against the saved point.
    bool ModifieEnCours() const;

    // --- What the program keeps beside the character ---------------------

    NomsFichiersPersonnage Noms;
    // How many times another character took this one's place: a dialog
    // that keeps what it showed refills itself when this moved.
    int Remplacements = 0;

    // Where the rule files are read.
    QString RepertoireDonnees;
    QString FichierDonnees(const QString& nom) const;
    // What the choice windows read from their data files, once, at start.
    ListesCompetences Competences;
    QStringList Armes;
    // The spell catalogue with its marks, and the character's spells the
    // marks were last made for: when the spells change otherwise than by
    // the spell window (an undo, another character), the marks are made
    // again from them.
    EtatCatalogue Catalogue;
    std::array<QStringList, NombreNiveauxSorts> SortsDesMarques;
    void SuitLesSorts();

    // The budgets as the proficiency and weapon commands (and a file opened)
    // last computed them: the points left are counted against them.
    BudgetCompetences BudgetNWP;
    int PointsArmes = 0;

    // What the sheet keeps for its printout: the texts the main page
    // refreshed as it drew them, the standard notes as last rebuilt, and the
    // priest spell lists as last built.
    std::array<QString, NombreAjustements> Ajustements;
    std::array<QString, 5> JetsDeProtection;
    QStringList NotesStandard;
    std::array<QStringList, 7> SortsDeClercParNiveau;

    // The character files saved or opened last, newest first; where they
    // are kept, read again before each change (other copies of Vardel
    // change them too), and written there when they change.
    QStringList Recents;
    std::function<QStringList()> RecentsLus;
    std::function<void(const QStringList&)> RecentsChanges;

    // The marked proficiency and weapon lines, in list order.
    QStringList LignesCompetences() const;
    QStringList LignesArmes() const;
    int PointsCompetencesRestants() const;
    int PointsArmesRestants() const;

    // Tells the views and the recovery file again (an open dialog's part
    // changed).
    void Signale() { Q_EMIT Changement(); }

Q_SIGNALS:
    // The character, its file, its saved point or what an open dialog
    // shows of it changed.
    void Changement();

private:
    class Etape;
    class Remplacement;
    friend class Etape;
    friend class Remplacement;
    // Everything a replacement changes.
    struct Tout {
        EtatPersonnage etat;
        QString fichier;
        std::optional<FichePersonnage> reference;
    };
    Tout tout() const;
    void remet(const Tout& tout);
    void fixe(const EtatPersonnage& etat);

    EtatPersonnage etat_;
    QString fichier_;
    // The character as last saved, opened or begun; none for a character
    // taken back from a recovery file, never saved since.
    std::optional<FichePersonnage> reference_ = FichePersonnage{};
    QUndoStack historique_;
    // The runs of typing: a step merges with the one before only within
    // the same run.
    int saisie_ = 0;
    bool empile_ = false;
    bool nomChoisiDepuis_ = false;
};

// Rewrites the standard notes of the character from its entries, its
// sphere choices and the data files "comprace.dat" and "XP.dat", read
// afresh. On a failure the standard notes are the lines built before it,
// and the failure (Echec) goes on to the caller.
void ReconstruitNotesStandard(PersonnageOuvert& ouvert);

// Rebuilds the seven priest spell lists of the character from the sphere
// choices and the data files "sorts2.dat" and "Clercs5.dat", read afresh.
void ConstruitSortsDeClerc(PersonnageOuvert& ouvert);

#pragma once

#include "Ajustements.h"
#include "CatalogueSorts.h"
#include "Competences.h"
#include "FichierPersonnage.h"
#include "UnitFormNWP.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The names the two character file dialogs propose: the last one chosen in
// each (the save dialog also takes the name of a file opened).
struct NomsFichiersPersonnage {
    QString sauvegarde;
    QString ouverture;
    // The last PDF exported: the next export proposes its folder.
    QString pdf;
};

// The open character: the one value that holds the whole character, and
// what the program keeps beside it while it is being edited. The windows
// are its views: each reads its part when it is shown and gives its changes
// back (the main sheet on every change, the dialogs when they close).
struct PersonnageOuvert {
    // The whole character: what its file holds, and the exceptional
    // strength.
    FichePersonnage Fiche;
    // Changed since it was last saved, opened or begun.
    bool Modifie = false;
    // The thief values are to be rebuilt from the bases at the next opening
    // of their dialog.
    bool TalentsVoleurDeBase = true;
    NomsFichiersPersonnage Noms;
    // How many times another character took this one's place ("&Nouveau",
    // "&Ouvrir", a recovery file taken back): a dialog that keeps what it
    // showed refills itself when this moved.
    int Remplacements = 0;

    // While a dialog is open: writes into a copy of the character what the
    // dialog shows now, which it gives back only when it closes. The
    // recovery file writes the character with it (FicheEnCours).
    std::function<void(FichePersonnage&)> PartOuverte;
    FichePersonnage FicheEnCours() const;

    // Where the rule files are read.
    QString RepertoireDonnees;
    QString FichierDonnees(const QString& nom) const;
    // What the choice windows read from their data files, once, at start.
    ListesCompetences Competences;
    QStringList Armes;
    EtatCatalogue Catalogue;

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

    // Told of every change of the character, and of its being saved or
    // given up (the recovery file listens).
    std::function<void()> Change;
    void Signale() const
    {
        if (Change)
            Change();
    }

    // The marked proficiency and weapon lines, in list order.
    QStringList LignesCompetences() const;
    QStringList LignesArmes() const;
    int PointsCompetencesRestants() const;
    int PointsArmesRestants() const;
};

// Rewrites the standard notes of the character from its entries, its
// sphere choices and the data files "comprace.dat" and "XP.dat", read
// afresh. On a failure the standard notes are the lines built before it,
// and the failure (Echec) goes on to the caller.
void ReconstruitNotesStandard(PersonnageOuvert& ouvert);

// Rebuilds the seven priest spell lists of the character from the sphere
// choices and the data files "sorts2.dat" and "Clercs5.dat", read afresh.
void ConstruitSortsDeClerc(PersonnageOuvert& ouvert);

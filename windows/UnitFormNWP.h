#pragma once

#include "ChoixModal.h"
#include "Competences.h"

#include <QDialog>
#include <QStringList>

class ListeMarquee;

// Reads the category file, then the proficiency file, once at start. A
// file that cannot be read is reported in an error box and ends the reading
// there: no category file leaves both lists empty.
ListesCompetences ChargeListesCompetences(const QString& fichierCategories, const QString& fichierCompetences);
class QLabel;
class QPushButton;

// The dialog "Choix des compétences": the proficiencies of "Vardel.nwp" in
// four columns, the marked ones being the character's choice, within the
// points that the class, the levels and the Intelligence give. It is
// created at its first showing, on the lists read at start; Choisit shows
// it on the character's marks and gives the new marks back.
class TFormNWP : public QDialog {
    Q_OBJECT
public:
    explicit TFormNWP(const ListesCompetences& listes, QWidget* parent = nullptr);

    // Shows the dialog modally on `marques` within `budget` (an overspent
    // choice is told at once, its current entry unmarked); the marks as they
    // stand when it closes, whichever way. `suivi` follows the marks while it
    // is open.
    QList<qsizetype> Choisit(const QList<qsizetype>& marques, const BudgetCompetences& budget,
                             const SuiviDuChoix<QList<qsizetype>>& suivi = {});

    // Takes the groups and the points of `budget`.
    void FixeBudget(const BudgetCompetences& budget);
    bool CompetenceAutorisee(const QString& nom) const;
    // The cost of the entry at position i as the rules give it.
    qint64 Cout(int i) const;
    int PointsRestants() const;

    // The marks as plain values: the zero-based positions of the marked
    // entries, ascending. FixeMarques unmarks all, then marks these; a
    // position outside the list throws Echec "Index liste hors bornes"
    // (the positions before it stay marked).
    QList<qsizetype> Marques() const;
    void FixeMarques(const QList<qsizetype>& positions);

    // Handlers.
    void ListBoxNWPClick();
    void ButtonRetourClick();

    // State beyond the controls.
    QStringList Categories;
    QStringList GroupesAutorises;
    int PointsCompetences = 0;
    const std::vector<int>& LargeursColonnes() const;

Q_SIGNALS:
    // The user changed what the dialog shows (never when it is filled).
    void Change();

private:
    QStringList textesAffiches(int i) const;

    // The controls, named (objectName) as the system names them.
    ListeMarquee* ListBoxNWP = nullptr;
    QLabel* PanelReste = nullptr;
    QPushButton* ButtonRetour = nullptr;
    QLabel *LabelCompetence = nullptr, *LabelCout = nullptr, *LabelCaracteristique = nullptr,
           *LabelModificateur = nullptr;
};

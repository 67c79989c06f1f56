#pragma once

#include "Competences.h"

#include <QDialog>
#include <QStringList>

class ListeMarquee;
class QLabel;
class QPushButton;

// The dialog "Choix des compétences": the proficiencies of "Vardel.nwp" in
// four columns, the marked ones being the character's choice, within the
// points that the class, the levels and the Intelligence give. It is
// created once at start, reads its two data files then, and keeps the marks
// for the whole run.
class TFormNWP : public QDialog {
    Q_OBJECT
public:
    // Reads the category file, then the proficiency file. A file that cannot
    // be read is reported in an error box and ends the reading there: the
    // dialog stays with what it has (no category file: an empty list too).
    TFormNWP(const QString& fichierCategories, const QString& fichierCompetences, QWidget* parent = nullptr);

    // Recomputes GroupesAutorises and PointsCompetences for the character.
    void CalculeCompetences(const Personnage& p);
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

    // The controls, named as the system names them.
    ListeMarquee* ListBoxNWP = nullptr;
    QLabel* PanelReste = nullptr;
    QPushButton* ButtonRetour = nullptr;
    QLabel *LabelCompetence = nullptr, *LabelCout = nullptr, *LabelCaracteristique = nullptr,
           *LabelModificateur = nullptr;

private:
    QStringList textesAffiches(int i) const;
};

#pragma once

#include "ChoixModal.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class ListeMarquee;

// Reads the weapon file once at start, in the order of the list (the
// positions a character file holds); when it cannot be read an error box
// says so and the list is empty.
QStringList ChargeListeArmes(const QString& fichierArmes);
class QCheckBox;
class QLabel;
class QPushButton;

// The weapons of a character: the marked positions of the list, ascending,
// and the whole line of the specialised weapon (or empty).
struct ChoixArmes {
    QList<qsizetype> marques;
    QString specialisation;
    bool operator==(const ChoixArmes&) const = default;
};

// The dialog "Choix des armes": the weapons of "Vardel.Arm" in five
// columns, the marked ones being the weapons the character is proficient
// in, within the slots the class groups and levels give; a single-class
// Guerrier may specialise in one of them. It is created at its first
// showing, on the list read at start; Choisit shows it on the character's
// weapons and gives the new ones back.
class TFormArmes : public QDialog {
    Q_OBJECT
public:
    explicit TFormArmes(const QStringList& armes, QWidget* parent = nullptr);

    // Shows the dialog modally on `choix` within `pointsArmes` slots, the
    // box "Spécialisation" enabled when `specialisationPermise`; the weapons
    // as they stand when it closes, whichever way. `suivi` follows them
    // while it is open.
    ChoixArmes Choisit(const ChoixArmes& choix, int pointsArmes, bool specialisationPermise,
                       const SuiviDuChoix<ChoixArmes>& suivi = {});

    int PointsRestants() const;

    // The marks as plain values (zero-based positions, ascending), as for
    // the proficiencies; and the specialisation, the whole line of the
    // specialised weapon or empty.
    QList<qsizetype> Marques() const;
    void FixeMarques(const QList<qsizetype>& positions);
    const QString& Specialisation() const { return specialisation_; }
    void FixeSpecialisation(const QString& ligne);

    // Shows the slots left in PanelReste.
    void AfficheReste();

    // Handlers.
    void ListBoxArmesClick();
    void ButtonRetourClick();

    // State beyond the controls.
    int PointsArmes = 0;
    const std::vector<int>& LargeursColonnes() const;

Q_SIGNALS:
    // The user changed what the dialog shows (never when it is filled).
    void Change();

private:
    QStringList textesAffiches(int i) const;

    QString specialisation_;

    // The controls, named (objectName) as the system names them.
    ListeMarquee* ListBoxArmes = nullptr;
    QLabel* PanelReste = nullptr;
    QCheckBox* CheckBoxSpecialiste = nullptr;
    QPushButton* ButtonRetour = nullptr;
    QLabel* Image1 = nullptr;
    QLabel *LabelArme = nullptr, *LabelFacteurVitesse = nullptr, *LabelPM = nullptr, *LabelG = nullptr,
           *LabelCadence = nullptr;
};

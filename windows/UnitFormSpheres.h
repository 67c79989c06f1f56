#pragma once

#include "Spheres.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The dialog "Choix des sphères d'influence": sixteen group boxes, one per
// sphere, each with the three exclusive buttons "Accès Majeur", "Accès
// mineur" and "Pas d'accès" (or none checked). It is created at its first
// showing; the command that shows it gives it the character's choices and
// takes them back when it closes.
class TFormSpheres : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpheres(QWidget* parent = nullptr);

    // The choices as the buttons show them, in the order of Spheres().
    ChoixSpheres Choix() const;
    // Checks the buttons of these choices (AccesSphere::Aucun unchecks the group).
    void FixeChoix(const ChoixSpheres& choix);
    // Unchecks all 48 buttons.
    void DecocheTout();

    // Handlers.
    void ButtonStandardClick();
    void ButtonRetourClick();

    // The controls, named as the system names them (objectName).
    std::array<QGroupBox*, NombreSpheres> GroupBoxes{};
    QPushButton* ButtonStandard = nullptr;
    QPushButton* ButtonRetour = nullptr;
    QLabel* Image1 = nullptr;

Q_SIGNALS:
    // The user changed what the dialog shows (never when a command fills
    // it): the open character's recovery file follows while it is open.
    void Change();

private:
    struct Groupe {
        QButtonGroup* boutons = nullptr;
        QRadioButton* majeur = nullptr;
        QRadioButton* mineur = nullptr;
        QRadioButton* pasDAcces = nullptr;
    };
    static void decoche(const Groupe& g);

    std::array<Groupe, NombreSpheres> groupes_{};
};

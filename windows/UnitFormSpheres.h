#pragma once

#include "ChoixModal.h"
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
// showing; Choisit shows it on the character's choices and gives the new
// ones back.
class TFormSpheres : public QDialog {
    Q_OBJECT
public:
    explicit TFormSpheres(QWidget* parent = nullptr);

    // Shows the dialog modally on `choix`; the choices as the buttons stand
    // when it closes, whichever way. `suivi` follows them while it is open.
    ChoixSpheres Choisit(const ChoixSpheres& choix, const SuiviDuChoix<ChoixSpheres>& suivi = {});

    // The choices as the buttons show them, in the order of Spheres().
    ChoixSpheres Choix() const;
    // Checks the buttons of these choices (AccesSphere::Aucun unchecks the group).
    void FixeChoix(const ChoixSpheres& choix);
    // Unchecks all 48 buttons.
    void DecocheTout();

    // Handlers.
    void ButtonStandardClick();
    void ButtonRetourClick();

Q_SIGNALS:
    // The user changed what the dialog shows (never when it is filled).
    void Change();

private:
    // The controls, named as the system names them (objectName).
    std::array<QGroupBox*, NombreSpheres> GroupBoxes{};
    QPushButton* ButtonStandard = nullptr;
    QPushButton* ButtonRetour = nullptr;
    QLabel* Image1 = nullptr;

    struct Groupe {
        QButtonGroup* boutons = nullptr;
        QRadioButton* majeur = nullptr;
        QRadioButton* mineur = nullptr;
        QRadioButton* pasDAcces = nullptr;
    };
    static void decoche(const Groupe& g);

    std::array<Groupe, NombreSpheres> groupes_{};
};

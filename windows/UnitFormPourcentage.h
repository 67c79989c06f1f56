#pragma once

#include "CatalogueSorts.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The dialog "Pourcentage": the percentage rolled for one spell and the
// spell's five details, shown by the spell catalogue for one spell action.
// It closes with OK, Effacer (erase the spell from the catalogue) or
// Abandon (also the Escape key and the close box).
class TFormPourcentage : public QDialog {
    Q_OBJECT
public:
    // The results of exec().
    enum Resultat { Abandon = QDialog::Rejected, Valide = QDialog::Accepted, Efface = 2 };

    explicit TFormPourcentage(QWidget* parent = nullptr);

    DetailsSort Details() const;
    void FixeDetails(const DetailsSort& details);

    // Set whenever the text of a detail field changes; cleared each time
    // the dialog is shown.
    bool DetailsModifies = false;
    void YaModif();

    void ButtonOKClick();
    void ButtonEffacerClick();
    void ButtonAbandonClick();

    QLabel* LabelSort = nullptr;
    QLineEdit* EditPourcentage = nullptr;
    QLineEdit *EditVitesse = nullptr, *EditDuree = nullptr, *EditPortee = nullptr, *EditZoneDEffet = nullptr,
              *EditComposants = nullptr;
    QPushButton *ButtonOK = nullptr, *ButtonEffacer = nullptr, *ButtonAbandon = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
};

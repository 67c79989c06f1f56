#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The dialog "Nouveau Sort de Mage": the name and the five details of a
// spell to add to the catalogue. Its fields keep their text from one use
// to the next; nothing typed is checked beyond what a spell file can hold.
class TFormNouveauSortDeMage : public QDialog {
    Q_OBJECT
public:
    explicit TFormNouveauSortDeMage(QWidget* parent = nullptr);

    // The record of the six fields joined by "&": name, speed, duration,
    // range, area of effect, components.
    QString Enregistrement() const;

    QLineEdit *EditNom = nullptr, *EditVitesse = nullptr, *EditDuree = nullptr, *EditPortee = nullptr,
              *EditZoneDEffet = nullptr, *EditComposants = nullptr;
    QPushButton *ButtonOK = nullptr, *ButtonAnnuler = nullptr;
};

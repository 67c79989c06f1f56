#pragma once

#include "ControlesTalents.h"
#include "TalentsBarde.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

// The dialog "Choix des talents de barde": four skills in two rows of two,
// each a label, a percentage panel and a spinner; the panel of the points
// left and the OK button. It is created at its first showing; Choisit shows
// it on the skills and points it is given (the command starts them from
// the bases at every opening: the character keeps no bard skills).
//
// The dialog enforces no rule: a skill may go below its base value and the
// points may go below zero.
class TFormTalentsBarde : public QDialog {
    Q_OBJECT
public:
    explicit TFormTalentsBarde(QWidget* parent = nullptr);

    // Shows the dialog modally on `choix`; the skills and points as the
    // spinners stand when it closes, whichever way.
    ChoixTalentsBarde Choisit(const ChoixTalentsBarde& choix);

    // The skills and the points left: as given by FixeChoix, then as the
    // spinners stood when the dialog last closed.
    ChoixTalentsBarde Choix() const { return choix_; }
    // Takes the skills and the points left, and shows them.
    void FixeChoix(const ChoixTalentsBarde& choix);

    // Handlers.
    void FormShow();
    // The click on spinner i (0-based: UpDown1 … UpDown4, all alike) that
    // moved its position.
    void UpDownClick(std::size_t i, bool haut);
    void FormClose();
    void ButtonRetourClick();

    // Every way of closing (OK, Escape, the close box) keeps the skills.
    void done(int resultat) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls, named as the system names them (objectName): Label1 …
    // Label4, Panel1 … Panel4, UpDown1 … UpDown4.
    std::array<QLabel*, NombreTalentsBarde> Labels{};
    std::array<QLabel*, NombreTalentsBarde> Panels{};
    std::array<UpDown*, NombreTalentsBarde> UpDowns{};
    QLabel* PanelReste = nullptr;
    QPushButton* ButtonRetour = nullptr;

    ChoixTalentsBarde choix_;
};

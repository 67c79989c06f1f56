#pragma once

#include "ControlesTalents.h"
#include "TalentsBarde.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

// The dialog "Choix des talents de barde": four skills in two rows of two,
// each a label, a percentage panel and a spinner; the panel of the points
// left and the OK button. It is created at its first showing and keeps the bard
// skills (TalentsBarde) and the points left (PointsTalents); the command
// starts them again from the bases at every opening.
//
// The dialog enforces no rule: a skill may go below its base value and the
// points may go below zero.
class TFormTalentsBarde : public QDialog {
    Q_OBJECT
public:
    explicit TFormTalentsBarde(QWidget* parent = nullptr);

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

    // The controls, named as the system names them (objectName): Label1 …
    // Label4, Panel1 … Panel4, UpDown1 … UpDown4.
    std::array<QLabel*, NombreTalentsBarde> Labels{};
    std::array<QLabel*, NombreTalentsBarde> Panels{};
    std::array<UpDown*, NombreTalentsBarde> UpDowns{};
    QLabel* PanelReste = nullptr;
    QPushButton* ButtonRetour = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ChoixTalentsBarde choix_;
};

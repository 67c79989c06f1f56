#pragma once

#include "ControlesTalents.h"
#include "TalentsVoleur.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

// The dialog "Choix des talents de voleur": eight rows of a label, a
// percentage panel and a spinner, the panel of the points left and the OK
// button. It is created at its first showing and reused; the thief skills
// live in the character, which the command copies in before showing the
// dialog and out after it has closed.
//
// The dialog enforces no rule: a skill may go below its base value and the
// points may be overspent.
class TFormTalentsVoleur : public QDialog {
    Q_OBJECT
public:
    explicit TFormTalentsVoleur(QWidget* parent = nullptr);

    // The dialog's eight values: as given by FixeValeurs, then as the
    // spinners stood when the dialog last closed.
    const ValeursTalentsVoleur& Valeurs() const { return valeurs_; }
    qint64 PointsTalents() const { return pointsTalents_; }
    // Takes the values and the points left, and shows them.
    void FixeValeurs(const ValeursTalentsVoleur& valeurs, qint64 pointsTalents);

    // Handlers.
    void FormShow();
    // The click on spinner i (0-based: UpDown1 … UpDown8, all alike) that
    // moved its position.
    void UpDownClick(std::size_t i, bool haut);
    void FormClose();
    void ButtonRetourClick();

    // Every way of closing (OK, Escape, the close box) keeps the values.
    void done(int resultat) override;

    // The controls, named as the system names them (objectName): Label1 …
    // Label8, PanelPickpocket … PanelLangues, UpDown1 … UpDown8.
    std::array<QLabel*, NombreTalentsVoleur> Labels{};
    std::array<QLabel*, NombreTalentsVoleur> Panels{};
    std::array<UpDown*, NombreTalentsVoleur> UpDowns{};
    QLabel* PanelReste = nullptr;
    QPushButton* ButtonRetour = nullptr;

Q_SIGNALS:
    // The user changed what the dialog shows (never when a command fills
    // it): the open character's recovery file follows while it is open.
    void Change();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ValeursTalentsVoleur valeurs_{};
    qint64 pointsTalents_ = 0;
};

#pragma once

#include "ChoixModal.h"
#include "ControlesTalents.h"
#include "TalentsVoleur.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

// The dialog "Choix des talents de voleur": eight rows of a label, a
// percentage panel and a spinner, the panel of the points left and the OK
// button. It is created at its first showing and reused; Choisit shows it
// on the character's values and gives the new ones back.
//
// The dialog enforces no rule: a skill may go below its base value and the
// points may be overspent.
class TFormTalentsVoleur : public QDialog {
    Q_OBJECT
public:
    explicit TFormTalentsVoleur(QWidget* parent = nullptr);

    // Shows the dialog modally on `valeurs` with `pointsTalents` left; the
    // values as the spinners stand when it closes, whichever way. `suivi`
    // follows them while it is open.
    ValeursTalentsVoleur Choisit(const ValeursTalentsVoleur& valeurs, qint64 pointsTalents,
                                 const SuiviDuChoix<ValeursTalentsVoleur>& suivi = {});

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

Q_SIGNALS:
    // The user changed what the dialog shows (never when it is filled).
    void Change();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The values as the spinners show them.
    ValeursTalentsVoleur positions() const;

    // The controls, named as the system names them (objectName): Label1 …
    // Label8, PanelPickpocket … PanelLangues, UpDown1 … UpDown8.
    std::array<QLabel*, NombreTalentsVoleur> Labels{};
    std::array<QLabel*, NombreTalentsVoleur> Panels{};
    std::array<UpDown*, NombreTalentsVoleur> UpDowns{};
    QLabel* PanelReste = nullptr;
    QPushButton* ButtonRetour = nullptr;

    ValeursTalentsVoleur valeurs_{};
    qint64 pointsTalents_ = 0;
};

#pragma once

#include "Impression.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

// The dialog "Impression...": the page kinds to print, ticked by the user.
// It is created at its first showing; the print job sets which spell kinds it
// offers before each opening, and every opening starts with nothing ticked.
class TFormChoixImpression : public QDialog {
    Q_OBJECT
public:
    explicit TFormChoixImpression(QWidget* parent = nullptr);

    // Shows the dialog modally, the spell boxes enabled as `mage` and
    // `pretre` say: the boxes ticked when closed with OK, nothing when
    // cancelled.
    std::optional<PagesChoisies> Choisit(bool mage, bool pretre);

    // The boxes ticked.
    PagesChoisies Choix() const;

    // Handlers.
    void FormActivate();   // unticks the four boxes
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Enables the spell boxes; the two page boxes are always enabled.
    void OffreSorts(bool mage, bool pretre);

    // The controls, named as the system names them (objectName).
    QLabel* Label1 = nullptr;
    QCheckBox *CheckBoxPage1 = nullptr, *CheckBoxPage2 = nullptr, *CheckBoxSortsMage = nullptr,
              *CheckBoxSortsPretre = nullptr;
    QPushButton* BitBtn1 = nullptr;   // OK
    QPushButton* BitBtn2 = nullptr;   // cancel
};

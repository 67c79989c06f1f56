#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QToolButton;

// The controls that the thief and bard skills dialogs share.

// A spin button without a text of its own: an up arrow over a down arrow
// that step a position within a range. The position may be set outside the
// range (a stored value is shown as stored); a step then only moves it
// towards the range. At the limit in the direction of a step nothing moves
// and Click is not emitted. The arrows repeat while held; with the focus,
// the Up and Down keys step too.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void FixeBornes(int min, int max);
    int Min() const { return min_; }
    int Max() const { return max_; }

    int Position() const { return position_; }
    void FixePosition(int position);

    // One step up or down; true when the position moved (Click was emitted).
    bool Pas(bool haut);

    QToolButton* BoutonHaut = nullptr;
    QToolButton* BoutonBas = nullptr;

Q_SIGNALS:
    // After a step that moved the position; `haut` for a step up.
    void Click(bool haut);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

// The range of the skill spinners.
inline constexpr int MinTalent = -100;
inline constexpr int MaxTalent = 127;

// One skill row: its label, its percentage panel and its spinner, tied to
// the panel (the spinner stands against the panel's right edge).
struct LigneTalent {
    QLabel* Label = nullptr;
    QLabel* Panel = nullptr;
    UpDown* Spinner = nullptr;
    QWidget* PanelEtSpinner = nullptr;   // the two together, for the layout
};
LigneTalent CreeLigneTalent(QWidget& fenetre, const QString& libelle, const QString& nomLabel,
                            const QString& nomPanel, const QString& nomUpDown);

// A percentage as its panel shows it: "15%", "-5%".
QString TextePourcentage(int valeur);

// The panel "PanelReste" of the skill dialogs (ui/PanelReste.h), at the
// size their layouts give it at the least.
QLabel* PanelResteDesTalents(QWidget& fenetre);

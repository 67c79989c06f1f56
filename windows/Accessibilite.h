#pragma once

#include <QListWidgetItem>
#include <functional>

class QLabel;
class QWidget;

// What a screen reader hears of the windows' controls.

// An entry of a marked list (proficiencies, weapons, spells): it reads as
// what the list draws (Qt::AccessibleTextRole, given by `texteLu` from the
// entry's row), and its mark is its check state (Qt::CheckStateRole), so
// that a marked entry is announced as checked. The mark stays the list's
// selection: setting the check state changes nothing.
class EntreeMarquable : public QListWidgetItem {
public:
    EntreeMarquable(const QString& texte, const std::function<QString(int ligne)>* texteLu)
        : QListWidgetItem(texte, nullptr, UserType), texteLu_(texteLu)
    {
        setFlags(flags() | Qt::ItemIsUserCheckable);
    }

    QVariant data(int role) const override;
    void setData(int role, const QVariant& valeur) override;
    QListWidgetItem* clone() const override { return new EntreeMarquable(*this); }

private:
    const std::function<QString(int ligne)>* texteLu_;
};

// The tool and picture buttons of `fenetre` that show no text are named by
// their hint, when they have one and no name yet.
void NommeParBulle(QWidget& fenetre);

// The panel "Il reste N points" and the controls whose use changes it: each
// of them is described by the panel's text, and is told again (an
// accessible event) when it changes, so that a screen reader announces the
// points left while the user marks or steps.
void SuitLeReste(QLabel& panel, QWidget& controle);
// Shows `texte` in the panel and passes it on to the controls that follow it.
void FixeTexteReste(QLabel& panel, const QString& texte);

#pragma once

#include "PersonnageOuvert.h"

#include <QObject>
#include <functional>

// While a dialog of the character is open (all are modal): each change the
// user makes there (the dialog's signal Change) tells the open character,
// and the recovery file writes the character with the dialog's part as the
// dialog shows it (PersonnageOuvert::PartOuverte). This is no change of the
// character itself: the dialog still gives its part back when it closes.
// Ends with the scope, whichever way it is left.
class PendantLeDialogue {
public:
    template <typename Dialogue>
    PendantLeDialogue(PersonnageOuvert& ouvert, Dialogue& dialogue, std::function<void(EtatPersonnage&)> part)
        : ouvert_(ouvert)
    {
        ouvert_.PartOuverte = std::move(part);
        connexion_ = QObject::connect(&dialogue, &Dialogue::Change, &dialogue, [&o = ouvert_] { o.Signale(); });
    }
    ~PendantLeDialogue()
    {
        QObject::disconnect(connexion_);
        ouvert_.PartOuverte = nullptr;
    }
    PendantLeDialogue(const PendantLeDialogue&) = delete;
    PendantLeDialogue& operator=(const PendantLeDialogue&) = delete;

private:
    PersonnageOuvert& ouvert_;
    QMetaObject::Connection connexion_;
};

#pragma once

#include "ChoixModal.h"
#include "PersonnageOuvert.h"

#include <QString>
#include <functional>

// A dialog of the character shown on its part, the part it gives back made
// one step `etape` (none when unchanged). `pose` writes a part into the
// character; `choisit` shows the dialog on the character's part and returns
// the new one, given the means to follow it while the dialog is open (all
// are modal): each change the user makes there has the recovery file write
// the character with the part as the dialog shows it
// (PersonnageOuvert::PartOuverte), which is no change of the character
// itself. That ends with the dialog, whichever way it is left.
template <typename Part, typename Choisit>
void ChoixDansLeDialogue(PersonnageOuvert& ouvert, const QString& etape,
                         std::function<void(EtatPersonnage&, const Part&)> pose, Choisit choisit)
{
    struct FinDuDialogue {
        PersonnageOuvert& o;
        ~FinDuDialogue() { o.PartOuverte = nullptr; }
    };
    const SuiviDuChoix<Part> suivi = [&ouvert, &pose](const Part& part) {
        ouvert.PartOuverte = [&pose, part](EtatPersonnage& e) { pose(e, part); };
        ouvert.Signale();
    };
    Part choix;
    {
        FinDuDialogue fin{ouvert};
        choix = choisit(suivi);
    }
    ouvert.Change(etape, [&](EtatPersonnage& e) { pose(e, choix); });
}

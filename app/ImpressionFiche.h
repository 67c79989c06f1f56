#pragma once

#include "DonneesImpression.h"
#include "Impression.h"

#include <optional>

class QPrinter;
class TFormChoixImpression;

// The print choice: the spell boxes enabled for the character, the choice
// shown modally. Nothing when it is cancelled or nothing is ticked.
std::optional<PagesChoisies> ChoisitPages(TFormChoixImpression& choix, const Personnage& personnage);

// One document "Personnage de Vardel" on that printer with the kinds chosen,
// in their fixed order. The figures the main sheet refreshes, and the
// priest lists, are left in `donnees` for the caller to hand back. A printer
// that cannot begin, or a rule file that cannot be read, throws Echec (the
// document then ends with what was drawn).
void ImprimeDocument(QPrinter& imprimante, const PagesChoisies& pages, DonneesImpression& donnees);

// The print job: the print choice, then the document on the platform's
// printer. Cancelling the choice, or ticking nothing, prints nothing and
// says nothing.
void ImprimeFiche(TFormChoixImpression& choix, DonneesImpression& donnees);

#pragma once

#include "DonneesImpression.h"

class TFormChoixImpression;

// The print job: the spell boxes of the print choice enabled for the
// character, the choice shown modally, then one document "Personnage de
// Vardel" on the platform's printer with the kinds ticked, in their fixed
// order. Cancelling the choice, or ticking nothing, prints nothing and says
// nothing. The figures the main sheet refreshes, and the priest lists, are
// left in `donnees` for the caller to hand back. A printer that cannot
// begin, or a rule file that cannot be read, throws Echec (the document then
// ends with what was drawn).
void ImprimeFiche(TFormChoixImpression& choix, DonneesImpression& donnees);

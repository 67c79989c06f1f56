#pragma once

#include "UnitFormNotes.h"
#include "UnitFormPourcentage.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitNouveauSortDeMage.h"

class TPersoForm;

// The dialogs of the program, created once after the main window in the
// order of the program entry, hidden until their command shows them, and
// attached to the main window's commands. They live as long as this object,
// which must not outlive the main window.
class Fenetres {
public:
    explicit Fenetres(TPersoForm& persoForm);

    // In the order of the program entry.
    TFormSpheres FormSpheres;
    TFormSortsDeMage FormSortsDeMage;
    TFormNotes FormNotes;
    TFormPourcentage FormPourcentage;
    TFormNouveauSortDeMage FormNouveauSortDeMage;
};

#pragma once

#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitFormNotes.h"
#include "UnitFormSpheres.h"

class TPersoForm;

// The dialogs of the program, created once after the main window in the
// order of the program entry, hidden until their command shows them, and
// attached to the main window's commands. They live as long as this object,
// which must not outlive the main window.
class Fenetres {
public:
    explicit Fenetres(TPersoForm& persoForm);

    // TFormPreview comes before these two when it exists.
    TFormNWP FormNWP;
    TFormArmes FormArmes;
    TFormSpheres FormSpheres;
    TFormNotes FormNotes;
};

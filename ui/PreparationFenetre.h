#pragma once

#include <functional>

class QPushButton;
class QString;
class QWidget;

// What every window of the program starts with: its name, its title and
// the font of its controls ("MS Sans Serif", 13 pixels).
void PrepareFenetre(QWidget& fenetre, const char* nom, const QString& titre);

// Runs `dispose` once, when the window is first shown, before it appears
// (and, for a dialog, before it is centred). What measures texts (and so
// loads their fonts) waits until the window is needed, since nobody sees
// the sizes of a hidden window: the program starts without that work.
void AuPremierAffichage(QWidget& fenetre, std::function<void()> dispose);

// The button that closes a dialog: "OK", named ButtonRetour, with the hint
// "Retour au personnage". The dialog connects it and places it.
QPushButton* BoutonRetour(QWidget& fenetre);

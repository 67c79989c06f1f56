#pragma once

class QPushButton;
class QString;
class QWidget;

// What every window of the program starts with: its name, its title and
// the font of its controls ("MS Sans Serif", 13 pixels).
void PrepareFenetre(QWidget& fenetre, const char* nom, const QString& titre);

// The button that closes a dialog: "OK", named ButtonRetour, with the hint
// "Retour au personnage". The dialog connects it and places it.
QPushButton* BoutonRetour(QWidget& fenetre);

#pragma once

class QLabel;
class QRect;
class QWidget;

// The panel "Il reste N points" of the choice dialogs: named PanelReste,
// framed, its text centred in Arial 16 pixels bold italic red.
QLabel* CreeZoneReste(QWidget& parent, const QRect& place);

// Shows TexteIlReste of `points` and repaints the panel at once.
void AfficheReste(QLabel& zone, int points);

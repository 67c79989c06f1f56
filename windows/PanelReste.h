#pragma once

class QLabel;
class QWidget;

// The panel of the choice dialogs that shows the points left ("Il reste N
// points"): named PanelReste, a raised frame, its text centred in Arial 16
// pixels bold italic red. The dialog places it.
QLabel* CreePanelReste(QWidget& parent);

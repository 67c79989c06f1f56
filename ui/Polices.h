#pragma once

// The windows and pages name the fonts "MS Sans Serif", "Arial" and
// "Times New Roman"; on machines without them, the metric-compatible
// Liberation faces stand in.
void InstallePolices();

class QString;
class QWidget;

// What every window of the program starts with: its name, its title and
// the font of its controls ("MS Sans Serif", 13 pixels).
void PrepareFenetre(QWidget& fenetre, const char* nom, const QString& titre);

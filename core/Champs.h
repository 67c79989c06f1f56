#pragma once

#include <QString>

// Field records: one line whose fields are separated by "&", with no quoting
// and no escape. Fields are numbered from 1. Champ k reads its field only when
// a further "&" follows it; the last field of a line is read with one of the
// ChampsDepuis routines, which return the whole tail.

QString Champ1(const QString& ligne);
QString Champ2(const QString& ligne);
QString Champ3(const QString& ligne);
QString Champ4(const QString& ligne);
QString Champ5(const QString& ligne);
QString Champ6(const QString& ligne);
QString ChampsDepuis2(const QString& ligne);
QString ChampsDepuis6(const QString& ligne);
QString ChampsDepuis7(const QString& ligne);

// Text to integer: leading blanks, an optional sign, decimal digits (or
// hexadecimal ones after "$"), nothing after, within 32 bits. Anything else
// reads as -32767.
inline constexpr int PasUnNombre = -32767;
int EntierOuDefaut(const QString& texte);

bool EstEntierEntre(const QString& texte, int min, int max);

inline int PlusGrand(int a, int b) { return a > b ? a : b; }
inline int PlusPetit(int a, int b) { return a < b ? a : b; }

// "Il reste N point" / "Il reste N points" (plural above 1 only).
QString TexteIlReste(int n);

// Chance in percent of learning a mage spell for an Intelligence score.
int ChanceApprendreSort(int intelligence);

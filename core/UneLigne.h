#pragma once

#include <QString>

// What a single-line field keeps of a typed or pasted text: every line end
// (CR LF, CR, LF, U+0085, U+2028, U+2029) becomes one space and every other
// control character is dropped; the rest stays as it is. `position`, a place
// in the text, follows the characters before it.
QString UneLigne(const QString& texte, int* position = nullptr);

// True when the text holds a line end of any kind: a value that a file of
// one value per line cannot hold.
bool ContientFinDeLigne(const QString& texte);

// The text on one line for a message: each line end shown as "↵".
QString FinsDeLigneVisibles(const QString& texte);

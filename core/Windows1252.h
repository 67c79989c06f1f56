#pragma once

#include <QByteArray>
#include <QString>

// The single-byte encoding of every file the program reads or writes.
// Decoding maps each of the 256 byte values to one character, the five
// values the code page leaves undefined included (to U+0081, U+008D, ...),
// so that every byte survives a load and a save unchanged.
namespace Windows1252 {

QString decode(const QByteArray& octets);

// Encodes the text; returns false (and leaves `octets` partial) when a
// character has no byte in the code page.
bool encode(const QString& texte, QByteArray& octets);

// True when every character of the text has a byte in the code page.
bool peutCoder(const QString& texte);

}

#include "Windows1252.h"

#include <array>

namespace {

// Characters of the bytes 0x80..0x9F; the undefined ones keep their C1 value.
constexpr std::array<char16_t, 32> haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t caractere(unsigned char octet)
{
    if (octet >= 0x80 && octet <= 0x9F)
        return haut[octet - 0x80];
    return octet;
}

bool octetDe(char16_t c, char& octet)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        octet = static_cast<char>(c);
        return true;
    }
    for (std::size_t i = 0; i < haut.size(); ++i) {
        if (haut[i] == c) {
            octet = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

}

namespace Windows1252 {

QString decode(const QByteArray& octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* sortie = texte.data();
    for (qsizetype i = 0; i < octets.size(); ++i)
        sortie[i] = QChar(caractere(static_cast<unsigned char>(octets[i])));
    return texte;
}

bool encode(const QString& texte, QByteArray& octets)
{
    octets.reserve(octets.size() + texte.size());
    for (QChar c : texte) {
        char octet;
        if (!octetDe(c.unicode(), octet))
            return false;
        octets.append(octet);
    }
    return true;
}

bool peutCoder(const QString& texte)
{
    char octet;
    for (QChar c : texte)
        if (!octetDe(c.unicode(), octet))
            return false;
    return true;
}

}

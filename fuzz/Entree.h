#pragma once

// What every fuzz program makes of its input: the bytes of a file, read in
// memory exactly as ListeTexte::charge reads them from disk, and, for the
// rules that also take a character, a character drawn from the first bytes.
//
// A reader may throw Echec, its expected failure. Anything else (another
// exception, a crash, undefined behaviour, a hang, memory without end) is a
// fault, and so is a broken VERIFIE.

#include "Classes.h"
#include "Echec.h"
#include "ListeTexte.h"
#include "Personnage.h"
#include "Spheres.h"
#include "Windows1252.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// AddressSanitizer keeps freed memory aside to catch its later use; by
// default 256 MB, a pool that, over millions of runs, the allocator's size
// classes fill one after the other, so that the program's memory grows
// long after the first minute. A run of the readers frees far less than 64
// MB before it ends, so a smaller pool still catches every late use within
// a run and the memory stays flat. Leaks are still checked at each new input.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=64";
}

// Stops the program on a broken property: libFuzzer keeps the input.
#define VERIFIE(condition)                                                                     \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d : propriété fausse : %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

inline QByteArray OctetsDe(const uint8_t* donnees, size_t taille)
{
    return QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
}

// The lines of a file of these bytes.
inline ListeTexte ListeDepuisOctets(const QByteArray& octets)
{
    return ListeTexte(ListeTexte::decoupe(Windows1252::decode(octets)));
}

// The bytes a save writes for these lines (each line, then CR LF), built in
// memory; false when a line cannot be written.
inline bool OctetsDeListe(const ListeTexte& liste, QByteArray& octets)
{
    for (const QString& ligne : liste.lignes()) {
        if (!Windows1252::encode(ligne, octets))
            return false;
        octets.append("\r\n", 2);
    }
    return true;
}

// Two files in one input: the bytes before the first separator, and those
// after it (none when there is no separator).
inline const QByteArray SeparateurFichiers = QByteArrayLiteral("#####");

inline std::pair<QByteArray, QByteArray> DeuxFichiers(const QByteArray& octets)
{
    const qsizetype p = octets.indexOf(SeparateurFichiers);
    if (p < 0)
        return {octets, QByteArray()};
    return {octets.left(p), octets.mid(p + SeparateurFichiers.size())};
}

// The character header: TailleEntete bytes, each read modulo its range so
// that every byte value means something.
//   0        class: one of the 24 of Classes::Liste(), or none
//   1 .. 3   Niveau 1, 2, 3 (TexteNombre, 0 to 25)
//   4        race: one of the six, or none
//   5 .. 11  Force, Intelligence, Sagesse, Dextérité, Constitution,
//            Charisme, Beauté (TexteNombre, 0 to 25)
//   12       Extra (TexteNombre, 0 to 100)
//   13 .. 16 the sixteen sphere choices, two bits each, low bits first
//   17 .. 19 three bytes for the program's own choices
// The file's bytes follow. An input shorter than the header reads its
// missing bytes as 0.
inline constexpr std::size_t TailleEntete = 20;

// A number from 0 to `max`, or one of the texts a field may hold that are
// not such a number: empty, negative, at either end of 32 bits, not a number.
inline QString TexteNombre(uint8_t octet, int max)
{
    static const char* const autres[] = {"", "-1", "2147483647", "-2147483648", "x"};
    const int v = octet % (max + 1 + 5);
    return v <= max ? QString::number(v) : QString::fromLatin1(autres[v - max - 1]);
}

struct Entree {
    Personnage personnage;
    ChoixSpheres spheres{};
    std::array<uint8_t, 3> choix{};
    QByteArray fichier;   // the rest of the input
};

inline Entree LitEntree(const uint8_t* donnees, size_t taille)
{
    std::array<uint8_t, TailleEntete> e{};
    for (std::size_t i = 0; i < TailleEntete && i < taille; ++i)
        e[i] = donnees[i];

    Entree entree;
    Personnage& p = entree.personnage;
    const QStringList& classes = Classes::Liste();
    const int c = e[0] % (classes.size() + 1);
    p.classe = c < classes.size() ? classes[c] : QString();
    for (std::size_t k = 0; k < 3; ++k)
        p.niveaux[k] = TexteNombre(e[1 + k], 25);
    const QStringList& races = Classes::Races();
    const int r = e[4] % (races.size() + 1);
    p.race = r < races.size() ? races[r] : QString();
    QString* caracteristiques[] = {&p.force, &p.intelligence, &p.sagesse, &p.dexterite,
                                   &p.constitution, &p.charisme, &p.beaute};
    for (std::size_t k = 0; k < 7; ++k)
        *caracteristiques[k] = TexteNombre(e[5 + k], 25);
    p.extra = TexteNombre(e[12], 100);
    for (std::size_t s = 0; s < NombreSpheres; ++s)
        entree.spheres[s] = static_cast<AccesSphere>((e[13 + s / 4] >> (2 * (s % 4))) & 3);
    entree.choix = {e[17], e[18], e[19]};
    if (taille > TailleEntete)
        entree.fichier = OctetsDe(donnees + TailleEntete, taille - TailleEntete);
    return entree;
}

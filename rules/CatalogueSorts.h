#pragma once

#include "FichePersonnage.h"
#include "ListeTexte.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>

// The catalogue of known mage spells and the character's choice among them,
// as values.
//
// A catalogue record is one known spell: name, casting time, duration,
// range, area of effect and components joined by "&" (the components are
// all that follows the fifth "&"). A spell entry of the character is the
// name, "&" and the percentage as typed.

// Nine lists of records, for the levels 1 to 9.
using CatalogueSorts = std::array<QStringList, NombreNiveauxSorts>;

// The details given to a level-1 spell of a character file that the
// catalogue does not know, after its name.
inline const QString DetailsSortInconnu = QStringLiteral("&Vitesse&Durée&Portée&Zone&Composants");

// The names of a level's spell entries, to tell in constant time whether a
// record is chosen.
QSet<QString> NomsChoisis(const QStringList& sortsDuNiveau);

// The catalogue once a character's spells are read, the lists kept in the
// order of Collation: at level 1 each name the catalogue lacks is added as
// that name followed by DetailsSortInconnu, in its sorted place; then each
// spell entry marks the last record of its name, exactly and with case (at
// levels 2 to 9 a name the catalogue lacks marks nothing). Returns the
// marked positions of each level, ascending. In time n log n, whatever the
// number of spells.
using MarquesSorts = std::array<QList<int>, NombreNiveauxSorts>;
MarquesSorts MarqueSortsDuPersonnage(CatalogueSorts& catalogue, const std::array<QStringList, NombreNiveauxSorts>& sorts);

// The spell catalogue as its dialog shows it, while the dialog is closed:
// the known spells in the order of Collation, the marks (the character's
// spells as the catalogue last marked them), the box "Pourcentage", the
// changes not saved to a spell file, and the names its two file dialogs
// propose.
struct EtatCatalogue {
    CatalogueSorts catalogue;
    MarquesSorts marques;
    bool pourcent = false;
    bool modifies = false;
    QString nomOuverture = QStringLiteral("Mage.mag");
    QString nomSauvegarde = QStringLiteral("Mage.mag");
    bool operator==(const EtatCatalogue&) const = default;
};

// The position of the last record of a level whose name (field 1) is
// `nom`, exactly; -1 when there is none.
int ChercheSort(const QStringList& niveau, const QString& nom);

// The positions of the records of a level whose name the character holds
// among `sortsDuNiveau`: every record of such a name alike, so that the
// spellbook keeps the character's spells after the catalogue changed under
// them.
QList<int> PlacesChoisies(const QStringList& niveau, const QStringList& sortsDuNiveau);

// The records at the marked positions of one level (1 to 9), in list order.
QStringList SortsMarques(const EtatCatalogue& etat, int niveau);

// Where `ligne` goes in a list kept in the order of Collation: after the
// lines equal to it, before the first that comes after it.
qsizetype PlaceTriee(const QStringList& liste, const QString& ligne);

// The five details of a record (fields 2 to 6) and the record made of a
// name and five details.
struct DetailsSort {
    QString vitesse, duree, portee, zoneDEffet, composants;
    bool operator==(const DetailsSort&) const = default;
};
DetailsSort DetailsDe(const QString& enregistrement);
QString EnregistrementSort(const QString& nom, const DetailsSort& details);

// A percentage as typed is accepted when it is empty (no spell) or reads,
// leniently (EntierOuDefaut), as a whole number from 1 to 100.
bool PourcentageAccepte(const QString& pourcentage);

// How a catalogue spell stands for the character: not chosen; chosen and
// learned; or chosen and failed, its percentage above the chance to learn
// spells of the Intelligence (as typed, read leniently). A percentage that
// is no number reads as -32767 and so counts as learned.
enum class EtatSort { NonChoisi, Appris, Rate };
EtatSort EtatDuSort(const QStringList& sortsDuNiveau, const QString& nom, const QString& intelligence);

// The percentage drawn before a catalogue spell's name: the character's
// (then " % ") for a chosen spell while "Pourcentage" is ticked, nothing
// otherwise.
QString PourcentageAffiche(const QStringList& sortsDuNiveau, const QString& nom, EtatSort etat, bool pourcent);

// What the percentage field holds when a spell is acted upon. With
// "Pourcentage" ticked: empty for a spell just chosen or one the character
// lacks, else the character's percentage (all after the first "&"). With
// it unticked: "1" for a spell just chosen, empty for one given up.
QString PourcentagePropose(const QStringList& sortsDuNiveau, const QString& nom, bool pourcent,
                           bool vientDEtreChoisi);

// The answer of the percentage dialog applied to the character's spells of
// one level: the last entry of that name (IndexSortDeMage) takes the new
// percentage, or is removed when it is empty; without such an entry a
// non-empty percentage appends "nom&pourcentage". The percentage must be
// accepted (PourcentageAccepte) before.
void FixePourcentage(QStringList& sortsDuNiveau, const QString& nom, const QString& pourcentage);

#pragma once

#include <QString>
#include <QStringList>

// The class vocabulary every rule is written against.
namespace Classes {

// The 24 classes of the class list, in list order.
const QStringList& Liste();
// The nine single classes, in the order of the experience table:
// Guerrier, Paladin, Ranger, Mage, Illusioniste, Clerc, Druide, Voleur, Barde.
const QStringList& ClassesDeBase();

const QStringList& Races();
const QStringList& Sexes();
const QStringList& Alignements();

// The parts of a class name, split at each "-" (an empty name gives one
// empty part).
QStringList Parties(const QString& classe);

}

// The class groups, passed around as these texts.
inline const QString COMBATTANT = QStringLiteral("COMBATTANT");
inline const QString MAGICIEN = QStringLiteral("MAGICIEN");
inline const QString PRETRE = QStringLiteral("PRETRE");
inline const QString LARRON = QStringLiteral("LARRON");

// The group of a single class; the empty text for anything else.
QString GroupeDeClasse(const QString& classeDeBase);
// The single classes of a group, in the order of the experience table.
QStringList ClassesDuGroupe(const QString& groupe);

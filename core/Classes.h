#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// The nine single classes every class name is made of, in the order of the
// experience table. Rules name a class through this type, so that a
// misspelt class cannot compile.
enum class ClasseDeBase { Guerrier, Paladin, Ranger, Mage, Illusioniste, Clerc, Druide, Voleur, Barde };

inline constexpr std::array<ClasseDeBase, 9> ClassesDeBase = {
    ClasseDeBase::Guerrier, ClasseDeBase::Paladin, ClasseDeBase::Ranger,
    ClasseDeBase::Mage, ClasseDeBase::Illusioniste, ClasseDeBase::Clerc,
    ClasseDeBase::Druide, ClasseDeBase::Voleur, ClasseDeBase::Barde};

// Its name, as the class list, the files and the sheet write it.
QString NomDeClasse(ClasseDeBase classe);
// The single class of that exact name (a data file's text), if any.
std::optional<ClasseDeBase> ClasseDeNom(const QString& nom);

// The class vocabulary every rule is written against.
namespace Classes {

// The 24 classes of the class list, in list order.
const QStringList& Liste();
// The names of the nine single classes, in the order of ClassesDeBase.
const QStringList& NomsDesClassesDeBase();

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

// The group of a single class.
const QString& GroupeDeClasse(ClasseDeBase classe);
// The group of a single class named so; the empty text for anything else.
QString GroupeDeClasse(const QString& nomDeClasse);
// The single classes of a group, in the order of the experience table; none
// for a text that is no group.
std::vector<ClasseDeBase> ClassesDuGroupe(const QString& groupe);

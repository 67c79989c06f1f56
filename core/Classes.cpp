#include "Classes.h"

namespace Classes {

const QStringList& Liste()
{
    static const QStringList liste = {
        "Clerc", "Druide", "Guerrier", "Paladin", "Ranger", "Mage", "Illusioniste", "Voleur", "Barde",
        "Clerc-Guerrier", "Clerc-Ranger", "Clerc-Mage", "Clerc-Voleur", "Clerc-Illusioniste",
        "Druide-Mage", "Druide-Guerrier", "Guerrier-Mage", "Guerrier-Voleur", "Guerrier-Illusioniste",
        "Mage-Voleur", "Voleur-Illusioniste", "Guerrier-Mage-Voleur", "Clerc-Guerrier-Mage",
        "Druide-Guerrier-Mage"};
    return liste;
}

const QStringList& NomsDesClassesDeBase()
{
    static const QStringList liste = {"Guerrier", "Paladin", "Ranger", "Mage", "Illusioniste",
                                      "Clerc", "Druide", "Voleur", "Barde"};
    return liste;
}

const QStringList& Races()
{
    static const QStringList liste = {"Humain", "Elfe", "Demi-Elfe", "Hobbit", "Nain", "Gnome"};
    return liste;
}

const QStringList& Sexes()
{
    static const QStringList liste = {"Masculin", "Féminin"};
    return liste;
}

const QStringList& Alignements()
{
    static const QStringList liste = {"Loyal Bon", "Loyal Neutre", "Loyal Mauvais",
                                      "Neutre Bon", "Neutre Neutre", "Neutre Mauvais",
                                      "Chaotique Bon", "Chaotique Neutre", "Chaotique Mauvais"};
    return liste;
}

QStringList Parties(const QString& classe)
{
    return classe.split(u'-');
}

}

QString NomDeClasse(ClasseDeBase classe)
{
    return Classes::NomsDesClassesDeBase()[static_cast<qsizetype>(classe)];
}

const QString& GroupeDeClasse(ClasseDeBase classe)
{
    switch (classe) {
    case ClasseDeBase::Guerrier:
    case ClasseDeBase::Paladin:
    case ClasseDeBase::Ranger:
        return COMBATTANT;
    case ClasseDeBase::Mage:
    case ClasseDeBase::Illusioniste:
        return MAGICIEN;
    case ClasseDeBase::Clerc:
    case ClasseDeBase::Druide:
        return PRETRE;
    case ClasseDeBase::Voleur:
    case ClasseDeBase::Barde:
        break;
    }
    return LARRON;
}

std::optional<ClasseDeBase> ClasseDeNom(const QString& nom)
{
    for (ClasseDeBase c : ClassesDeBase)
        if (NomDeClasse(c) == nom)
            return c;
    return std::nullopt;
}

QString GroupeDeClasse(const QString& nomDeClasse)
{
    const std::optional<ClasseDeBase> c = ClasseDeNom(nomDeClasse);
    return c ? GroupeDeClasse(*c) : QString();
}

std::vector<ClasseDeBase> ClassesDuGroupe(const QString& groupe)
{
    std::vector<ClasseDeBase> resultat;
    for (ClasseDeBase c : ClassesDeBase)
        if (GroupeDeClasse(c) == groupe)
            resultat.push_back(c);
    return resultat;
}

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

const QStringList& ClassesDeBase()
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

QString GroupeDeClasse(const QString& c)
{
    if (c == u"Guerrier" || c == u"Paladin" || c == u"Ranger")
        return COMBATTANT;
    if (c == u"Mage" || c == u"Illusioniste")
        return MAGICIEN;
    if (c == u"Clerc" || c == u"Druide")
        return PRETRE;
    if (c == u"Voleur" || c == u"Barde")
        return LARRON;
    return {};
}

QStringList ClassesDuGroupe(const QString& groupe)
{
    QStringList resultat;
    for (const QString& c : Classes::ClassesDeBase())
        if (GroupeDeClasse(c) == groupe)
            resultat.append(c);
    return resultat;
}

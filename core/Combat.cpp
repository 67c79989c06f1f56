#include "Combat.h"

#include "Champs.h"
#include "Classes.h"

#include <algorithm>

namespace {

// Computed in 64 bits: an empty level reads -32767 and must simply lose.
long long valeurTHACO(const QString& classe, long long L)
{
    if (classe == u"Guerrier" || classe == u"Paladin" || classe == u"Ranger")
        return 21 - L;
    if (classe == u"Voleur" || classe == u"Barde")
        return 21 - (L + 1) / 2;
    if (classe == u"Clerc" || classe == u"Druide")
        return 20 - (2 * (L - 1)) / 3;
    return 20 - (L - 1) / 3;   // Mage, Illusioniste
}

}

QString CalculeTHACO(const Personnage& p)
{
    long long thaco = 21;
    for (const QString& c : Classes::ClassesDeBase())
        if (p.EstDeClasse(c))
            thaco = std::min(thaco, valeurTHACO(c, p.NiveauParClasse(c)));
    return QString::number(thaco);
}

QString AttaquesParRound(const Personnage& p)
{
    for (const QString& c : ClassesDuGroupe(COMBATTANT)) {
        if (!p.EstDeClasse(c))
            continue;
        const int L = p.NiveauParClasse(c);
        if (L <= 6)
            return QStringLiteral("1");
        if (L <= 12)
            return QStringLiteral("3/2");
        return QStringLiteral("2");
    }
    return QStringLiteral("1");
}

void CalculeJetsDeProtection(const Personnage& p, const ListeTexte& st, std::array<QString, 5>& jets)
{
    const int barde = p.NiveauParClasse("Barde");
    // Priest, rogue, warrior, wizard: the columns of a row.
    const int niveaux[4] = {
        p.NiveauParClasse("Clerc") + p.NiveauParClasse("Druide"),
        p.NiveauParClasse("Voleur") + barde,
        p.NiveauParClasse("Guerrier") + p.NiveauParClasse("Paladin") + p.NiveauParClasse("Ranger") + barde,
        p.NiveauParClasse("Mage") + p.NiveauParClasse("Illusioniste") + barde,
    };
    qsizetype ligne = 0;
    for (QString& jet : jets) {
        ++ligne;   // the block's heading
        int valeurs[4] = {20, 20, 20, 20};
        for (int rang = 1; rang <= 21; ++rang) {
            for (int k = 0; k < 4; ++k) {
                const QString& texte = st.at(ligne++);
                if (niveaux[k] >= rang)
                    valeurs[k] = EntierOuDefaut(texte);
            }
        }
        jet = QString::number(*std::min_element(std::begin(valeurs), std::end(valeurs)));
    }
}

#include "Combat.h"

#include "Champs.h"
#include "Classes.h"

#include <algorithm>

namespace {

// Computed in 64 bits: an empty level reads -32767 and must simply lose.
long long valeurTHACO(ClasseDeBase classe, long long L)
{
    const QString& groupe = GroupeDeClasse(classe);
    if (groupe == COMBATTANT)
        return 21 - L;
    if (groupe == LARRON)
        return 21 - (L + 1) / 2;
    if (groupe == PRETRE)
        return 20 - (2 * (L - 1)) / 3;
    return 20 - (L - 1) / 3;   // MAGICIEN
}

}

QString CalculeTHACO(const Personnage& p)
{
    long long thaco = 21;
    for (ClasseDeBase c : ClassesDeBase)
        if (p.EstDeClasse(c))
            thaco = std::min(thaco, valeurTHACO(c, p.NiveauParClasse(c)));
    return QString::number(thaco);
}

QString AttaquesParRound(const Personnage& p)
{
    for (ClasseDeBase c : ClassesDuGroupe(COMBATTANT)) {
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
    // A bard reads the warrior and wizard columns too.
    const int barde = p.NiveauParClasse(ClasseDeBase::Barde);
    // Priest, rogue, warrior, wizard: the columns of a row.
    const int niveaux[4] = {
        p.NiveauParGroupe(PRETRE),
        p.NiveauParGroupe(LARRON),
        p.NiveauParGroupe(COMBATTANT) + barde,
        p.NiveauParGroupe(MAGICIEN) + barde,
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

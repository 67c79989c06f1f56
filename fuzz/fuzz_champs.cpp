// The field records: Champ1 .. Champ6, ChampsDepuis2/6/7, and the lenient
// integer EntierOuDefaut with EstEntierEntre. The first eight bytes are the
// bounds given to EstEntierEntre (two 32-bit integers); every line of the
// rest is a record, and also a number to read.

#include "Champs.h"
#include "Entree.h"

#include <array>
#include <cstring>

namespace {

// EntierOuDefaut read another way: the digits checked first, then the
// value counted without its leading zeros.
int entierAttendu(const QString& texte)
{
    QStringView reste(texte);
    while (reste.startsWith(u' '))
        reste = reste.mid(1);
    bool negatif = false;
    if (reste.startsWith(u'+') || reste.startsWith(u'-')) {
        negatif = reste.front() == u'-';
        reste = reste.mid(1);
    }
    const bool hexa = reste.startsWith(u'$');
    if (hexa)
        reste = reste.mid(1);
    if (reste.isEmpty())
        return PasUnNombre;
    for (QChar c : reste) {
        const char16_t u = c.unicode();
        const bool chiffre = (u >= u'0' && u <= u'9')
                          || (hexa && ((u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F')));
        if (!chiffre)
            return PasUnNombre;
    }
    while (reste.size() > 1 && reste.front() == u'0')
        reste = reste.mid(1);
    if (reste.size() > (hexa ? 8 : 10))
        return PasUnNombre;
    const quint64 valeur = reste.toULongLong(nullptr, hexa ? 16 : 10);
    if (hexa) {
        const auto brut = static_cast<quint32>(valeur);
        return static_cast<int>(negatif ? 0u - brut : brut);
    }
    if (valeur > (negatif ? 2147483648ull : 2147483647ull))
        return PasUnNombre;
    return static_cast<int>(negatif ? -static_cast<qint64>(valeur) : static_cast<qint64>(valeur));
}

void verifieChamps(const QString& ligne)
{
    // Field k exists when k "&" are there; the tails start after as many
    // "&" as there are, up to the count asked. The pieces are read as views
    // of the line: nothing is copied but the fields under test.
    std::array<qsizetype, 8> debuts{};   // where pieces 1 .. 8 start
    qsizetype morceaux = 1;
    for (qsizetype p = ligne.indexOf(u'&'); p >= 0 && morceaux < qsizetype(debuts.size());
         p = ligne.indexOf(u'&', p + 1))
        debuts[static_cast<std::size_t>(morceaux++)] = p + 1;
    const QStringView vue(ligne);
    auto champ = [&](qsizetype k) {
        if (morceaux <= k)
            return QStringView();
        const qsizetype d = debuts[static_cast<std::size_t>(k - 1)];
        return vue.mid(d, debuts[static_cast<std::size_t>(k)] - 1 - d);
    };
    auto depuis = [&](qsizetype k) { return vue.mid(debuts[static_cast<std::size_t>(std::min(k, morceaux) - 1)]); };
    VERIFIE(Champ1(ligne) == champ(1));
    VERIFIE(Champ2(ligne) == champ(2));
    VERIFIE(Champ3(ligne) == champ(3));
    VERIFIE(Champ4(ligne) == champ(4));
    VERIFIE(Champ5(ligne) == champ(5));
    VERIFIE(Champ6(ligne) == champ(6));
    VERIFIE(ChampsDepuis2(ligne) == depuis(2));
    VERIFIE(ChampsDepuis6(ligne) == depuis(6));
    VERIFIE(ChampsDepuis7(ligne) == depuis(7));
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    int32_t bornes[2] = {0, 0};
    std::memcpy(bornes, donnees, std::min(taille, sizeof bornes));
    const size_t debut = std::min(taille, sizeof bornes);
    const ListeTexte liste = ListeDepuisOctets(OctetsDe(donnees + debut, taille - debut));

    for (const QString& ligne : liste.lignes()) {
        verifieChamps(ligne);
        const int valeur = EntierOuDefaut(ligne);
        VERIFIE(valeur == entierAttendu(ligne));
        VERIFIE(EstEntierEntre(ligne, bornes[0], bornes[1]) == (valeur >= bornes[0] && valeur <= bornes[1]));
    }

    // Every 32-bit value reads back from its decimal and hexadecimal texts.
    for (int32_t n : bornes) {
        VERIFIE(EntierOuDefaut(QString::number(n)) == n);
        VERIFIE(EntierOuDefaut(QStringLiteral("$") + QString::number(static_cast<quint32>(n), 16)) == n);
        if (n >= 0)
            VERIFIE(EntierOuDefaut(QStringLiteral("  +") + QString::number(n)) == n);
    }
    return 0;
}

#include "Champs.h"

#include <array>
#include <cstdint>

namespace {

// Everything after the n-th "&" of the line; a removal that finds no "&"
// leaves the text as it is.
QString apresSeparateurs(const QString& ligne, int n)
{
    qsizetype debut = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype p = ligne.indexOf(u'&', debut);
        if (p < 0)
            break;
        debut = p + 1;
    }
    return ligne.mid(debut);
}

QString champ(const QString& ligne, int k)
{
    const QString reste = apresSeparateurs(ligne, k - 1);
    const qsizetype p = reste.indexOf(u'&');
    return p < 0 ? QString() : reste.left(p);
}

int valeurChiffre(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (base == 16 && u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (base == 16 && u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v;
}

}

QString Champ1(const QString& l) { return champ(l, 1); }
QString Champ2(const QString& l) { return champ(l, 2); }
QString Champ3(const QString& l) { return champ(l, 3); }
QString Champ4(const QString& l) { return champ(l, 4); }
QString Champ5(const QString& l) { return champ(l, 5); }
QString Champ6(const QString& l) { return champ(l, 6); }
QString ChampsDepuis2(const QString& l) { return apresSeparateurs(l, 1); }
QString ChampsDepuis6(const QString& l) { return apresSeparateurs(l, 5); }
QString ChampsDepuis7(const QString& l) { return apresSeparateurs(l, 6); }

int EntierOuDefaut(const QString& texte)
{
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && texte[i] == u' ')
        ++i;
    bool negatif = false;
    if (i < n && (texte[i] == u'+' || texte[i] == u'-')) {
        negatif = texte[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && texte[i] == u'$') {
        base = 16;
        ++i;
    }
    if (i >= n)
        return PasUnNombre;
    // Hexadecimal reads the 32 bits as they stand ("$FFFFFFFF" is -1);
    // decimal must fit the signed range.
    const std::int64_t limite = base == 16 ? 0xFFFFFFFFLL : (negatif ? 2147483648LL : 2147483647LL);
    std::int64_t valeur = 0;
    for (; i < n; ++i) {
        const int v = valeurChiffre(texte[i], base);
        if (v < 0)
            return PasUnNombre;
        valeur = valeur * base + v;
        if (valeur > limite)
            return PasUnNombre;
    }
    if (base == 16) {
        const auto brut = static_cast<std::uint32_t>(valeur);
        return static_cast<int>(negatif ? 0u - brut : brut);
    }
    return static_cast<int>(negatif ? -valeur : valeur);
}

bool EstEntierEntre(const QString& texte, int min, int max)
{
    const int v = EntierOuDefaut(texte);
    return v >= min && v <= max;
}

QString TexteIlReste(int n)
{
    return QStringLiteral("Il reste ") + QString::number(n) + (n > 1 ? QStringLiteral(" points") : QStringLiteral(" point"));
}

int ChanceApprendreSort(int intelligence)
{
    static constexpr std::array<int, 17> chances = {35, 40, 45, 50, 55, 60, 65, 70, 75, 85, 95, 96, 97, 98, 99, 100, 100};
    if (intelligence < 9 || intelligence > 25)
        return 0;
    return chances[static_cast<std::size_t>(intelligence - 9)];
}

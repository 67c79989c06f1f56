#include "TalentsVoleur.h"

#include "Champs.h"

#include <limits>

namespace {

struct AjustementRacial {
    const char16_t* race;
    ValeursTalentsVoleur ajustements;
};

// Characters were made with these figures: they stay as they are, also
// where a published table differs (hiding in shadows, for one).
constexpr std::array<AjustementRacial, 5> AjustementsRaciaux = {{
    {u"Demi-Elfe", {+10, 0, 0, 0, +5, 0, 0, 0}},
    {u"Elfe", {+5, -5, 0, +5, +10, +5, 0, 0}},
    {u"Gnome", {0, +5, +10, +5, 0, +10, -15, 0}},
    {u"Nain", {0, +10, +15, 0, +5, 0, -10, -5}},
    {u"Hobbit", {+5, +5, +5, +10, +10, +5, -15, -5}},
}};

// Dextérité adjustments of skills 1 to 5, by score from 1 to 25.
std::array<int, 5> ajustementDexterite(int dexterite)
{
    if (dexterite >= 1 && dexterite <= 9)
        return {-15, -10, -10, -20, -10};
    switch (dexterite) {
    case 10: return {-10, -5, -10, -15, -5};
    case 11: return {-5, 0, -5, -10, 0};
    case 12: return {0, 0, 0, -5, 0};
    case 16: return {0, +5, 0, 0, 0};
    case 17: return {+5, +10, 0, +5, +5};
    case 18: return {+10, +15, +5, +10, +10};
    default: break;
    }
    if (dexterite >= 19 && dexterite <= 25)
        return {+15, +20, +10, +15, +15};
    return {0, 0, 0, 0, 0};   // 13 to 15, and any score outside 1..25
}

}

const std::array<TalentVoleur, NombreTalentsVoleur>& TalentsDeVoleur()
{
    static const std::array<TalentVoleur, NombreTalentsVoleur> talents = {{
        {QStringLiteral("Pickpocket"), QStringLiteral("Pickpocket"), 15},
        {QStringLiteral("Crocheter des serrures"), QStringLiteral("Serrures"), 10},
        {QStringLiteral("Trouver/désamorcer des pièges"), QStringLiteral("Pièges"), 5},
        {QStringLiteral("Se déplacer silencieusement"), QStringLiteral("Déplacement silencieux"), 10},
        {QStringLiteral("Se cacher dans l'ombre"), QStringLiteral("Se cacher dans l'ombre"), 5},
        {QStringLiteral("Détecter des bruits"), QStringLiteral("Ecouter"), 15},
        {QStringLiteral("Grimper"), QStringLiteral("Grimper"), 60},
        {QStringLiteral("Lire des langues inconnues"), QStringLiteral("Lire des langues inconnues"), 0},
    }};
    return talents;
}

ValeursTalentsVoleur BasesTalentsVoleur(const QString& race, const QString& dexterite)
{
    ValeursTalentsVoleur valeurs{};
    for (std::size_t i = 0; i < NombreTalentsVoleur; ++i)
        valeurs[i] = TalentsDeVoleur()[i].base;
    for (const AjustementRacial& a : AjustementsRaciaux)
        if (race == QStringView(a.race))
            for (std::size_t i = 0; i < NombreTalentsVoleur; ++i)
                valeurs[i] += a.ajustements[i];
    const std::array<int, 5> dex = ajustementDexterite(EntierOuDefaut(dexterite));
    for (std::size_t i = 0; i < dex.size(); ++i)
        valeurs[i] += dex[i];
    return valeurs;
}

qint64 PointsTalentsVoleur(int niveau)
{
    return 60 + 30 * (qint64{niveau} - 1);
}

qint64 CalculeTalentsVoleur(const Personnage& p, bool deBase, ValeursTalentsVoleur& talentsVoleur)
{
    const ValeursTalentsVoleur bases = BasesTalentsVoleur(p.race, p.dexterite);
    if (deBase)
        talentsVoleur = bases;
    qint64 points = PointsTalentsVoleur(p.NiveauParClasse(ClasseDeBase::Voleur));
    for (std::size_t i = 0; i < NombreTalentsVoleur; ++i)
        points -= qint64{talentsVoleur[i]} - bases[i];
    return points;
}

QString TexteTalentsRestants(qint64 points)
{
    if (points >= std::numeric_limits<int>::min() && points <= std::numeric_limits<int>::max())
        return TexteIlReste(static_cast<int>(points));
    return QStringLiteral("Il reste ") + QString::number(points)
         + (points > 1 ? QStringLiteral(" points") : QStringLiteral(" point"));
}

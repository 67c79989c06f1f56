#include "TalentsBarde.h"

#include "Champs.h"

namespace {

struct AjustementRacial {
    const char16_t* race;
    ValeursTalentsBarde ajustements;
};

constexpr std::array<AjustementRacial, 5> AjustementsRaciaux = {{
    {u"Demi-Elfe", {0, 0, +10, 0}},
    {u"Elfe", {0, +5, +5, 0}},
    {u"Gnome", {-15, +10, 0, 0}},
    {u"Nain", {-10, 0, 0, -5}},
    {u"Hobbit", {-15, +5, +5, -5}},
}};

constexpr std::size_t Pickpocket = 2;

// The Dextérité adjustment to Pickpocket.
int ajustementDexterite(int dexterite)
{
    if (dexterite >= 1 && dexterite <= 9)
        return -15;
    switch (dexterite) {
    case 10: return -10;
    case 11: return -5;
    case 17: return +5;
    case 18: return +10;
    default: break;
    }
    if (dexterite >= 19 && dexterite <= 25)
        return +15;
    return 0;   // 12 to 16, and any score outside 1..25
}

}

const std::array<TalentBarde, NombreTalentsBarde>& TalentsDeBarde()
{
    static const std::array<TalentBarde, NombreTalentsBarde> talents = {{
        {QStringLiteral("Grimper"), 50},
        {QStringLiteral("Détecter des bruits"), 20},
        {QStringLiteral("Pickpocket"), 10},
        {QStringLiteral("Lire des langues inconnues"), 5},
    }};
    return talents;
}

ValeursTalentsBarde BasesTalentsBarde(const QString& race, const QString& dexterite)
{
    ValeursTalentsBarde valeurs{};
    for (std::size_t i = 0; i < NombreTalentsBarde; ++i)
        valeurs[i] = TalentsDeBarde()[i].base;
    for (const AjustementRacial& a : AjustementsRaciaux)
        if (race == QStringView(a.race))
            for (std::size_t i = 0; i < NombreTalentsBarde; ++i)
                valeurs[i] += a.ajustements[i];
    valeurs[Pickpocket] += ajustementDexterite(EntierOuDefaut(dexterite));
    return valeurs;
}

qint64 PointsTalentsBarde(int niveau)
{
    return 20 + 15 * (qint64{niveau} - 1);
}

ChoixTalentsBarde CalculeTalentsBarde(const Personnage& p)
{
    return {BasesTalentsBarde(p.race, p.dexterite), PointsTalentsBarde(p.NiveauParClasse(ClasseDeBase::Barde))};
}

QString TexteIlResteBarde(qint64 points)
{
    return QStringLiteral("Il reste ") + QString::number(points) + QStringLiteral(" points");
}

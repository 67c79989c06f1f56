#include "Ajustements.h"

#include "Champs.h"

namespace {

constexpr std::size_t NombreClesDeForce = 6;

}

const std::array<QString, NombreAjustements>& ClesAjustements()
{
    static const std::array<QString, NombreAjustements> cles = {
        QStringLiteral("Toucher"), QStringLiteral("Degats"), QStringLiteral("PoidsAutorise"),
        QStringLiteral("Charge"), QStringLiteral("Portes"), QStringLiteral("Barreaux"),
        QStringLiteral("NombreLangues"), QStringLiteral("NiveauMaxSorts"), QStringLiteral("ConnaitreLesSorts"),
        QStringLiteral("NombreMaxDeSorts"), QStringLiteral("ImmuniteIllusions"),
        QStringLiteral("DefenseMagie"), QStringLiteral("BonusSorts"), QStringLiteral("EchecSorts"),
        QStringLiteral("ImmuniteSorts"),
        QStringLiteral("ReactionProjectiles"), QStringLiteral("Defense"),
        QStringLiteral("AjustementPV"), QStringLiteral("ChocMetabolique"), QStringLiteral("Resurrection"),
        QStringLiteral("Poison"), QStringLiteral("Regeneration"),
        QStringLiteral("Reaction"), QStringLiteral("MaxSuivants"), QStringLiteral("Loyaute"),
    };
    return cles;
}

QString ChercheAjustement(const ListeTexte& table, const QString& cle, const QString& score)
{
    const QStringList& lignes = table.lignes();
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (QString::compare(lignes[i], cle, Qt::CaseInsensitive) == 0)
            return table.at(i + EntierOuDefaut(score));
    }
    return AjustementNonTrouve;
}

void CalculeAjustements(const Personnage& p, const ListeTexte& table,
                        std::array<QString, NombreAjustements>& Ajustements)
{
    const bool extra = p.ForceExceptionnelle();
    const std::array<QString, NombreAjustements>& cles = ClesAjustements();
    auto score = [&](std::size_t slot) -> const QString& {
        if (slot < NombreClesDeForce)
            return extra ? p.extra : p.force;
        if (slot <= Ajustement::ImmuniteIllusions)
            return p.intelligence;
        if (slot <= Ajustement::ImmuniteSorts)
            return p.sagesse;
        if (slot <= Ajustement::Defense)
            return p.dexterite;
        if (slot <= Ajustement::Regeneration)
            return p.constitution;
        return p.charisme;
    };
    for (std::size_t slot = 0; slot < NombreAjustements; ++slot) {
        const QString cle = (extra && slot < NombreClesDeForce) ? QStringLiteral("ExtraForce") + cles[slot] : cles[slot];
        Ajustements[slot] = ChercheAjustement(table, cle, score(slot));
    }
}

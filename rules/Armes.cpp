#include "Armes.h"

#include "Champs.h"

#include <climits>

int EmplacementsArme(qsizetype position, const QString& ligne, const QString& specialisation)
{
    if (ligne != specialisation)
        return 1;
    return position < ArmesSpecialisationCouteuse ? 3 : 2;
}

int PointsRestants(int pointsArmes, const QStringList& lignes, const QList<qsizetype>& marquees,
                   const QString& specialisation)
{
    qint64 pris = 0;
    for (qsizetype i : marquees)
        if (i >= 0 && i < lignes.size())
            pris += EmplacementsArme(i, lignes[i], specialisation);
    const qint64 reste = qint64(pointsArmes) - pris;
    return reste < INT_MIN ? INT_MIN : static_cast<int>(reste);
}

QString QuestionSpecialisation(const QString& ligne)
{
    return QStringLiteral("Se spécialiser dans cette arme (") + Champ1(ligne) + QStringLiteral(") ?");
}

QString QuestionAbandonSpecialisation(const QString& ligne)
{
    return QStringLiteral("Abandonner la spécialisation dans cette arme (") + Champ1(ligne) + QStringLiteral(") ?");
}

QString NomAffiche(const QString& nom, bool specialisee)
{
    return specialisee ? QStringLiteral("S ") + nom : nom;
}

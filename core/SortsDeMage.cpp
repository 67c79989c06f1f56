#include "SortsDeMage.h"

#include "Champs.h"

int IndexSortDeMage(const QStringList& sorts, const QString& nom)
{
    int index = -1;
    for (qsizetype i = 0; i < sorts.size(); ++i)
        if (Champ1(sorts[i]) == nom)
            index = static_cast<int>(i);
    return index;
}

QString PourcentageSortDeMage(const QStringList& sorts, const QString& nom)
{
    const int i = IndexSortDeMage(sorts, nom);
    return i < 0 ? QStringLiteral("?") : ChampsDepuis2(sorts[i]);
}

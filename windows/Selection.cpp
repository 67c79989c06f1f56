#include "Selection.h"

#include <QAbstractItemView>
#include <QItemSelection>
#include <algorithm>

void SelectionneExactement(QAbstractItemView& vue, QList<int> rangees)
{
    std::sort(rangees.begin(), rangees.end());
    rangees.erase(std::unique(rangees.begin(), rangees.end()), rangees.end());
    const QAbstractItemModel* modele = vue.model();
    QItemSelection selection;
    for (qsizetype k = 0; k < rangees.size();) {
        qsizetype fin = k + 1;
        while (fin < rangees.size() && rangees[fin] == rangees[fin - 1] + 1)
            ++fin;
        selection.append(QItemSelectionRange(modele->index(rangees[k], 0), modele->index(rangees[fin - 1], 0)));
        k = fin;
    }
    vue.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

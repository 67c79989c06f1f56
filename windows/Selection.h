#pragma once

#include <QList>

class QAbstractItemView;

// Makes exactly these rows the view's selection (its marks), in one change:
// runs of rows as single ranges, so that any number of marks is set in one
// pass. Rows in any order, repeated or not.
void SelectionneExactement(QAbstractItemView& vue, QList<int> rangees);

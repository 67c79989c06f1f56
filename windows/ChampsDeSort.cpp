#include "ChampsDeSort.h"

#include <QLineEdit>

ValidateurChampDeSort::ValidateurChampDeSort(bool refuseEtCommercial, QObject* parent)
    : ValidateurWindows1252(parent), refuseEtCommercial_(refuseEtCommercial)
{
}

QValidator::State ValidateurChampDeSort::validate(QString& texte, int& position) const
{
    if (refuseEtCommercial_ && texte.contains(u'&'))
        return Invalid;
    return ValidateurWindows1252::validate(texte, position);
}

void ValideChampDeSort(QLineEdit* champ, bool refuseEtCommercial)
{
    champ->setValidator(new ValidateurChampDeSort(refuseEtCommercial, champ));
}

#pragma once

#include "ValidateurWindows1252.h"

class QLineEdit;

// What the detail fields of a spell accept: any text the spell file can
// hold; the fields that a later "&" ends (the name and the first four
// details) refuse "&", which would cut the record into other fields.
class ValidateurChampDeSort : public ValidateurWindows1252 {
    Q_OBJECT
public:
    ValidateurChampDeSort(bool refuseEtCommercial, QObject* parent);
    State validate(QString& texte, int& position) const override;

private:
    bool refuseEtCommercial_;
};

void ValideChampDeSort(QLineEdit* champ, bool refuseEtCommercial);

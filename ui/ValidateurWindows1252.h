#pragma once

#include <QValidator>

// Refuses any text holding a character that Windows-1252 cannot hold, so
// that nothing typed or pasted into a field can be lost when the character
// is saved. Every other text is accepted as typed: the checks judge it.
class ValidateurWindows1252 : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
};

#pragma once

#include <QValidator>

// What a single-line field accepts. A line end typed or pasted becomes a
// space and any other control character is dropped (UneLigne), so that no
// value can ever shift the lines of a file. A text holding a character that
// Windows-1252 cannot hold is refused, so that nothing typed or pasted can
// be lost when the character is saved. Every other text is accepted as
// typed: the checks judge it.
class ValidateurWindows1252 : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& position) const override;
};

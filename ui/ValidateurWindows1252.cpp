#include "ValidateurWindows1252.h"

#include "Windows1252.h"

QValidator::State ValidateurWindows1252::validate(QString& texte, int&) const
{
    return Windows1252::peutCoder(texte) ? Acceptable : Invalid;
}

#include "ValidateurWindows1252.h"

#include "UneLigne.h"
#include "Windows1252.h"

QValidator::State ValidateurWindows1252::validate(QString& texte, int& position) const
{
    texte = UneLigne(texte, &position);
    return Windows1252::peutCoder(texte) ? Acceptable : Invalid;
}

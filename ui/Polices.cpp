#include "Polices.h"

#include <QFont>
#include <QStringList>

void InstallePolices()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList{QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), QStringList{QStringLiteral("Liberation Serif")});
}

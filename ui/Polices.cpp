#include "Polices.h"

#include <QFont>
#include <QStringList>
#include <QWidget>

void InstallePolices()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList{QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), QStringList{QStringLiteral("Liberation Serif")});
}

void PrepareFenetre(QWidget& fenetre, const char* nom, const QString& titre)
{
    fenetre.setObjectName(QString::fromLatin1(nom));
    fenetre.setWindowTitle(titre);
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPixelSize(13);
    fenetre.setFont(police);
}

#include "Fichiers.h"

#include <QFile>

QString DossierTemporaire::ecrit(const QString& nom, const QByteArray& octets) const
{
    const QString c = chemin(nom);
    QFile f(c);
    if (f.open(QIODevice::WriteOnly))
        f.write(octets);
    return c;
}

QByteArray DossierTemporaire::lit(const QString& nom) const
{
    QFile f(chemin(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString DossierDonnees()
{
    return QStringLiteral(VARDEL_DONNEES);
}

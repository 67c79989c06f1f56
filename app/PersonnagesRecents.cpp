#include "PersonnagesRecents.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString Cle = QStringLiteral("personnagesRecents");

}

QStringList AjouteRecent(const QStringList& recents, const QString& fichier)
{
    const QString absolu = QFileInfo(fichier).absoluteFilePath();
    QStringList liste{absolu};
    for (const QString& r : recents)
        if (r != absolu && liste.size() < NombreRecents)
            liste.append(r);
    return liste;
}

QStringList LitRecents(const QSettings& reglages)
{
    QStringList liste;
    for (const QString& r : reglages.value(Cle).toStringList())
        if (!r.isEmpty() && !liste.contains(r) && liste.size() < NombreRecents)
            liste.append(r);
    return liste;
}

void EcritRecents(QSettings& reglages, const QStringList& recents)
{
    reglages.setValue(Cle, recents);
    reglages.sync();
}

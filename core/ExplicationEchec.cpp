#include "ExplicationEchec.h"

#include <QDir>
#include <QFileInfo>

QString RaisonLecture(const QString& nom)
{
    const QFileInfo info(nom);
    if (!info.exists())
        return QStringLiteral("Fichier introuvable");
    if (info.isDir())
        return QStringLiteral("C'est un dossier, pas un fichier");
    if (!info.isReadable())
        return QStringLiteral("Permission refusée");
    return QStringLiteral("Le fichier ne peut être lu");
}

QString RaisonEcriture(const QString& nom)
{
    const QFileInfo info(nom);
    if (info.isDir())
        return QStringLiteral("C'est un dossier, pas un fichier");
    const QFileInfo dossier(info.absolutePath());
    if (!dossier.exists())
        return QStringLiteral("Dossier introuvable : ") + QDir::toNativeSeparators(dossier.absoluteFilePath());
    if (!dossier.isDir())
        return QStringLiteral("« ") + QDir::toNativeSeparators(dossier.absoluteFilePath()) +
               QStringLiteral(" » n'est pas un dossier");
    if (!dossier.isWritable() || (info.exists() && !info.isWritable()))
        return QStringLiteral("Permission refusée");
    return QStringLiteral("Le disque est peut-être plein, ou en lecture seule");
}

Echec Explique(const Echec& echec, const QString& nom, const QString& quoi)
{
    const QString& texte = echec.texte();
    if (texte.contains(u'\n'))
        return echec;
    QString raison;
    if (texte == Messages::nePeutOuvrir(nom))
        raison = RaisonLecture(nom);
    else if (texte == Messages::nePeutCreer(nom))
        raison = RaisonEcriture(nom);
    else if (texte == Messages::indexHorsBornes())
        raison = QStringLiteral("« ") + QDir::toNativeSeparators(nom) + QStringLiteral(" » n'est pas ") + quoi +
                 QStringLiteral(", ou il est abîmé.");
    else
        return echec;   // it already says what is wrong with which value
    return Echec(texte + u'\n' + raison);
}

#include "ListeTexte.h"

#include "Echec.h"
#include "UneLigne.h"
#include "Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QStringList ListeTexte::decoupe(const QString& texte)
{
    QStringList lignes;
    qsizetype debut = 0;
    const qsizetype n = texte.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texte[i];
        if (c == u'\r' || c == u'\n') {
            lignes.append(texte.mid(debut, i - debut));
            if (c == u'\r' && i + 1 < n && texte[i + 1] == u'\n')
                ++i;
            debut = i + 1;
        }
    }
    if (debut < n)
        lignes.append(texte.mid(debut));
    return lignes;
}

ListeTexte ListeTexte::charge(const QString& nom)
{
    QFile fichier(nom);
    if (QFileInfo(nom).isDir() || !fichier.open(QIODevice::ReadOnly))
        throw Echec(Messages::nePeutOuvrir(nom));
    const QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        throw Echec(Messages::nePeutOuvrir(nom));
    return ListeTexte(decoupe(Windows1252::decode(octets)));
}

void ListeTexte::sauve(const QString& nom) const
{
    QSaveFile fichier(nom);
    sauve(fichier);
}

void ListeTexte::sauve(QSaveFile& fichier) const
{
    const QString nom = fichier.fileName();
    QByteArray octets;
    for (const QString& ligne : lignes_) {
        // A value holding a line end would shift every line after it.
        if (ContientFinDeLigne(ligne))
            throw Echec(Messages::valeurSurPlusieursLignes(nom, FinsDeLigneVisibles(ligne)));
        if (!Windows1252::encode(ligne, octets))
            throw Echec(Messages::caractereImpossible(nom, ligne));
        octets.append("\r\n", 2);
    }
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() || !fichier.commit())
        throw Echec(Messages::nePeutCreer(nom));
}

const QString& ListeTexte::at(qsizetype i) const
{
    if (i < 0 || i >= lignes_.size())
        throw Echec(Messages::indexHorsBornes());
    return lignes_[i];
}

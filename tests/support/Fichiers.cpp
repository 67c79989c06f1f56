#include "Fichiers.h"

#include "Echec.h"

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

QString echecDe(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Echec& e) {
        return e.texte();
    }
    return {};
}

ListeTexte fichierXP()
{
    QStringList lignes = {"Table d'expérience", ""};
    const QStringList classes = {"Guerrier", "Paladin", "Ranger", "Mage", "Illusioniste", "Clerc", "Druide", "Voleur", "Barde"};
    for (int s = 0; s < classes.size(); ++s) {
        lignes.append(classes[s]);
        for (int j = 1; j <= 20; ++j)
            lignes.append(QString::number(1000 * (s + 1) + j));
        lignes.append("---");
    }
    return ListeTexte(lignes);
}

QStringList lignesUtf8(std::initializer_list<const char*> lignes)
{
    QStringList l;
    for (const char* x : lignes)
        l.append(QString::fromUtf8(x));
    return l;
}

#pragma once

#include <QString>
#include <exception>

// The one failure type of the program: a failure the program does not test
// for (a file that cannot be opened or created, a list read past its end).
// It carries the French text shown to the user and is caught at the edge of
// the command that was running (see ExecuteCommande).
class Echec : public std::exception {
public:
    explicit Echec(QString texte) : texte_(std::move(texte)), utf8_(texte_.toUtf8()) {}
    const QString& texte() const noexcept { return texte_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString texte_;
    QByteArray utf8_;
};

namespace Messages {
inline QString nePeutOuvrir(const QString& nom) { return QStringLiteral("Ne peut ouvrir le fichier ") + nom; }
inline QString nePeutCreer(const QString& nom) { return QStringLiteral("Ne peut créer le fichier ") + nom; }
// A value that would take more than one line of a file (shown with its
// line ends made visible, see FinsDeLigneVisibles).
inline QString valeurSurPlusieursLignes(const QString& nom, const QString& valeurMontree)
{
    return nePeutCreer(nom) + QStringLiteral(" : la valeur « ") + valeurMontree +
           QStringLiteral(" » tient sur plusieurs lignes");
}
// A value holding a character that Windows-1252 cannot hold.
inline QString caractereImpossible(const QString& nom, const QString& valeur)
{
    return nePeutCreer(nom) + QStringLiteral("\nLa valeur « ") + valeur +
           QStringLiteral(" » contient un caractère qu'un fichier de Vardel ne peut garder.");
}
inline QString indexHorsBornes() { return QStringLiteral("Index liste hors bornes"); }
}

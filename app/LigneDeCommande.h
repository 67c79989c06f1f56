#pragma once

#include <QString>
#include <QStringList>

// What the command line asks: "vardel [fichier.vdl]", "vardel --help",
// "vardel --version". Read before the application starts, so that the help
// and the version answer on a terminal without any display.
struct LigneDeCommande {
    enum class Demande { Lancer, Aide, Version, Erreur };
    Demande demande = Demande::Lancer;
    QString fichier;   // the character to open at start, or empty
    QString message;   // for Erreur: what was wrong, in French
};

// `arguments` without the program's own name.
LigneDeCommande LitLigneDeCommande(const QStringList& arguments);

// The texts printed on the terminal.
QString TexteAide(const QString& programme);
QString TexteVersion();

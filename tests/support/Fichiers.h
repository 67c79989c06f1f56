#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>

#include "ListeTexte.h"

// A scratch folder for the files a test writes.
class DossierTemporaire {
public:
    QString chemin(const QString& nom) const { return dir_.filePath(nom); }
    QString racine() const { return dir_.path(); }
    QString ecrit(const QString& nom, const QByteArray& octets) const;
    QByteArray lit(const QString& nom) const;

private:
    QTemporaryDir dir_;
};

// The data folder shipped with the program.
QString DossierDonnees();

// The text of the failure that `f` throws; empty when it throws none.
QString echecDe(const std::function<void()>& f);

// An experience file whose figure for level j of section s (in the order
// Guerrier, Paladin, Ranger, Mage, Illusioniste, Clerc, Druide, Voleur,
// Barde) is 1000 * s + j, with stray lines before and between the sections.
ListeTexte fichierXP();

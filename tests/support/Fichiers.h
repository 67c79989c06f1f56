#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>
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

// Lines written in the test's own (UTF-8) source.
QStringList lignesUtf8(std::initializer_list<const char*> lignes);

// The text of the failure that `f` throws; empty when it throws none.
QString echecDe(const std::function<void()>& f);

// An experience file whose figure for level j of section s (in the order
// Guerrier, Paladin, Ranger, Mage, Illusioniste, Clerc, Druide, Voleur,
// Barde) is 1000 * s + j, with stray lines before and between the sections.
ListeTexte fichierXP();

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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

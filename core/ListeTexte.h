#pragma once

#include <QString>
#include <QStringList>

class QSaveFile;

// An ordered list of text lines, loaded whole from a text file and saved
// whole to one. On disk: Windows-1252, CR LF after every line; CR LF, a lone
// CR and a lone LF all end a line when reading.
class ListeTexte {
public:
    ListeTexte() = default;
    explicit ListeTexte(QStringList lignes) : lignes_(std::move(lignes)) {}

    // Throws Echec "Ne peut ouvrir le fichier " + nom when the file cannot be read.
    static ListeTexte charge(const QString& nom);

    // Replaces the file atomically: a failed save leaves the previous file
    // whole and throws Echec "Ne peut créer le fichier " + nom. A character
    // that Windows-1252 cannot hold fails the save the same way, before
    // anything is written; so does a line holding a line end, with
    // Messages::valeurSurPlusieursLignes.
    void sauve(const QString& nom) const;
    // The same through a file of the caller's (its name is the file's).
    void sauve(QSaveFile& fichier) const;

    // Throws Echec "Index liste hors bornes" outside 0..count()-1.
    const QString& at(qsizetype i) const;
    qsizetype count() const { return lignes_.size(); }
    bool isEmpty() const { return lignes_.isEmpty(); }
    void append(const QString& ligne) { lignes_.append(ligne); }

    const QStringList& lignes() const { return lignes_; }
    QStringList& lignes() { return lignes_; }

    static QStringList decoupe(const QString& texte);

private:
    QStringList lignes_;
};

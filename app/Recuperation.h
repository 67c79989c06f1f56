#pragma once

#include "Fenetres.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

// The recovery file: while the character holds unsaved changes, the whole
// character is written, a few seconds after a change and never on the
// keystroke itself, to a file of its own in the user's state folder, so
// that a crash loses only those seconds. Each running copy of Vardel keeps
// its own file, locked while it runs.
class Recuperation : public QObject {
    Q_OBJECT
public:
    // The delay between a change and the writing, in milliseconds.
    static constexpr int Delai = 3000;

    // The folder of the recovery files: "vardel" in the user's state folder
    // ($XDG_STATE_HOME, by default ~/.local/state).
    static QString DossierParDefaut();

    Recuperation(const Fenetres& f, const QString& dossier, QObject* parent = nullptr);
    ~Recuperation() override;

    // The character changed: it is written once the delay has passed, with
    // whatever changed meanwhile.
    void Signale();
    // Writes now when the character holds unsaved changes, and removes the
    // file otherwise. A file that cannot be written is left as it was: the
    // next change tries again.
    void Ecrit();
    // The character was saved or given up: no file any more.
    void Supprime();

    const QString& Fichier() const { return fichier_; }
    bool Programme() const { return minuteur_.isActive(); }

private:
    Fenetres f_;
    QString fichier_;
    std::unique_ptr<QLockFile> verrou_;
    QTimer minuteur_;
};

// At start: the recovery files that copies of Vardel left behind when they
// ended without saving (their lock free), offered one by one with "Un
// personnage non sauvé a été retrouvé. Le reprendre ?". "&Non" removes the
// file; "&Oui" brings the character back, still modified, with no file name,
// and the files not yet offered wait for the next start. A file that cannot
// be read is set aside (renamed, ending in ".abime") with a message. Returns
// true when a character was brought back.
bool ProposeRecuperations(const Fenetres& f, const QString& dossier);

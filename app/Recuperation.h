#pragma once

#include "Fenetres.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class VerrouDeCopie;

// The recovery file: while the character holds unsaved changes, the whole
// character is written, a few seconds after a change and never on the
// keystroke itself, to a file of its own in the user's state folder, so
// that a crash loses only those seconds. What an open dialog shows counts
// (PersonnageOuvert::FicheEnCours). Each running copy of Vardel keeps its
// own file, named at random and locked while it runs (VerrouDeCopie).
//
// The file is a character file followed by what a restore needs beside the
// character: whether the thief values are still to be built from their
// bases, and the name of the character's file. A character file reader
// ignores those lines.
class Recuperation : public QObject {
    Q_OBJECT
public:
    // The delay between a change and the writing, in milliseconds.
    static constexpr int Delai = 3000;
    // Larger than any character could be: such a file is set aside unread.
    static constexpr qint64 TailleMaximale = 64 * 1024 * 1024;

    // The folder of the recovery files: "vardel" in the user's state folder
    // ($XDG_STATE_HOME, by default ~/.local/state).
    static QString DossierParDefaut();

    Recuperation(const Fenetres& f, const QString& dossier, QObject* parent = nullptr);
    ~Recuperation() override;

    // The character changed: it is written once the delay has passed, with
    // whatever changed meanwhile.
    void Signale();
    // Writes now when the character holds unsaved changes, and removes the
    // file otherwise. False when the file could not be written: it is left
    // as it was, the user is warned (once a run), and the next change tries
    // again.
    bool Ecrit();
    // The character was saved or given up: no file any more.
    void Supprime();

    // This copy holds a file of its own in the folder. Without one (a
    // folder that cannot be created or written) nothing can be kept.
    bool Disponible() const;
    // Once a run: a warning box, and the same words on the standard error,
    // that a crash would lose the unsaved changes.
    void AvertitSiIndisponible();

    const QString& Fichier() const { return fichier_; }
    const QString& Dossier() const { return dossier_; }
    bool Programme() const { return minuteur_.isActive(); }

private:
    void avertit();

    Fenetres f_;
    QString dossier_;
    QString fichier_;
    std::unique_ptr<VerrouDeCopie> verrou_;
    QTimer minuteur_;
    bool averti_ = false;
};

// The warning when recovery cannot work in that folder.
QString MessageRecuperationImpossible(const QString& dossier);

// At start: the recovery files that copies of Vardel left behind when they
// ended without saving (their lock free), newest first. The first is
// offered with "Un personnage non sauvé a été retrouvé. Le reprendre ?":
// "&Non" removes it and the next one is offered; "&Oui" brings the
// character back, still modified, with its file name and its thief values
// as they were, and writes it at once into this copy's own file before the
// old one goes. Only one character fits in the sheet: the files left once
// one is taken back are named in one box, and wait for the next start. A
// file that cannot be read, or larger than any character, is set aside
// (renamed, ending in ".abime") with a message. Returns true when a
// character was brought back.
bool ProposeRecuperations(const Fenetres& f, Recuperation& recuperation, const QString& dossier);

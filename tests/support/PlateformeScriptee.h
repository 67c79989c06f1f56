#pragma once

#include "Plateforme.h"

#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <vector>

// The platform double of the tests: answers boxes from a queue (the box's
// first button when the queue is empty), file dialogs from another (the
// empty name, a cancel, when it is empty) and print dialogs from a third
// (confirmed when it is empty), and records every box and every dialog
// shown. Its printer writes an A4 PDF file in a scratch folder.
class PlateformeScriptee : public Plateforme {
public:
    struct BoiteMontree {
        GenreBoite genre;
        QString texte;
        std::vector<Bouton> boutons;
    };

    struct DialogueMontre {
        bool sauvegarde;   // a save dialog (else an open dialog)
        DialogueFichier dialogue;
    };

    PlateformeScriptee();
    ~PlateformeScriptee() override;

    Bouton boite(GenreBoite genre, const QString& texte, const std::vector<Bouton>& boutons) override;
    QString fichierAOuvrir(const DialogueFichier& dialogue) override;
    QString fichierASauver(const DialogueFichier& dialogue) override;
    bool dialogueImpression() override;
    QPrinter& imprimante() override;

    std::deque<Bouton> reponses;
    std::vector<BoiteMontree> boites;
    std::deque<QString> fichiers;
    std::vector<DialogueMontre> dialogues;
    std::deque<bool> reponsesImpression;
    int dialoguesImpression = 0;
    // How many new pages the printer begins before it refuses the next
    // ones; -1: all of them.
    int nouvellesPagesAccordees = -1;
    // The PDF file the printer writes (it exists once a document began).
    QString fichierImprime() const;

    // The scripted platform installed for the whole test program.
    static PlateformeScriptee& courante();
    // Forgets the boxes and dialogs shown and the answers left, and
    // removes the printed file.
    static PlateformeScriptee& remiseAZero();

private:
    QTemporaryDir dossierImpression_;
    std::unique_ptr<QPrinter> imprimante_;
};

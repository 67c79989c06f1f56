#pragma once

#include "Plateforme.h"

#include <deque>
#include <vector>

// The platform double of the tests: answers boxes from a queue (the box's
// first button when the queue is empty) and file dialogs from another (the
// empty name, a cancel, when it is empty), and records every box and every
// file dialog shown.
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

    Bouton boite(GenreBoite genre, const QString& texte, const std::vector<Bouton>& boutons) override;
    QString fichierAOuvrir(const DialogueFichier& dialogue) override;
    QString fichierASauver(const DialogueFichier& dialogue) override;

    std::deque<Bouton> reponses;
    std::vector<BoiteMontree> boites;
    std::deque<QString> fichiers;
    std::vector<DialogueMontre> dialogues;

    // The scripted platform installed for the whole test program.
    static PlateformeScriptee& courante();
    // Forgets the boxes and dialogs shown and the answers left.
    static PlateformeScriptee& remiseAZero();
};

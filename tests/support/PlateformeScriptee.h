#pragma once

#include "Plateforme.h"

#include <deque>
#include <vector>

// The platform double of the tests: answers boxes from a queue (the box's
// first button when the queue is empty) and records every box shown.
class PlateformeScriptee : public Plateforme {
public:
    struct BoiteMontree {
        GenreBoite genre;
        QString texte;
        std::vector<Bouton> boutons;
    };

    Bouton boite(GenreBoite genre, const QString& texte, const std::vector<Bouton>& boutons) override;

    std::deque<Bouton> reponses;
    std::vector<BoiteMontree> boites;

    // The scripted platform installed for the whole test program.
    static PlateformeScriptee& courante();
    // Forgets the boxes shown and the answers left.
    static PlateformeScriptee& remiseAZero();
};

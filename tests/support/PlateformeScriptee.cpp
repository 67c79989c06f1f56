#include "PlateformeScriptee.h"

Bouton PlateformeScriptee::boite(GenreBoite genre, const QString& texte, const std::vector<Bouton>& boutons)
{
    boites.push_back({genre, texte, boutons});
    if (!reponses.empty()) {
        const Bouton b = reponses.front();
        reponses.pop_front();
        return b;
    }
    return boutons.empty() ? Bouton::OK : boutons.front();
}

PlateformeScriptee& PlateformeScriptee::courante()
{
    return static_cast<PlateformeScriptee&>(plateforme());
}

PlateformeScriptee& PlateformeScriptee::remiseAZero()
{
    auto& p = courante();
    p.reponses.clear();
    p.boites.clear();
    return p;
}

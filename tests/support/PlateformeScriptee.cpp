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

namespace {

QString prochain(std::deque<QString>& fichiers)
{
    if (fichiers.empty())
        return {};
    QString nom = fichiers.front();
    fichiers.pop_front();
    return nom;
}

}

QString PlateformeScriptee::fichierAOuvrir(const DialogueFichier& dialogue)
{
    dialogues.push_back({false, dialogue});
    return prochain(fichiers);
}

QString PlateformeScriptee::fichierASauver(const DialogueFichier& dialogue)
{
    dialogues.push_back({true, dialogue});
    return prochain(fichiers);
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
    p.fichiers.clear();
    p.dialogues.clear();
    return p;
}

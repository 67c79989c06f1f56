#include "Impression.h"

#include "ListeTexte.h"
#include "PageDeDessin.h"
#include "Pages.h"
#include "Spheres.h"

bool OffreSortsDeMage(const Personnage& p)
{
    return p.EstDeClasse(ClasseDeBase::Mage) || p.EstDeClasse(ClasseDeBase::Illusioniste);
}

bool ApercuSortsDeMage(const Personnage& p)
{
    return OffreSortsDeMage(p)
        || (p.EstDeClasse(ClasseDeBase::Barde) && p.NiveauParClasse(ClasseDeBase::Barde) >= 2);
}

bool OffreSortsDePretre(const Personnage& p)
{
    return p.EstDeClasse(ClasseDeBase::Clerc) || p.EstDeClasse(ClasseDeBase::Druide)
        || (p.EstDeClasse(ClasseDeBase::Paladin) && p.NiveauParClasse(ClasseDeBase::Paladin) >= 9)
        || (p.EstDeClasse(ClasseDeBase::Ranger) && p.NiveauParClasse(ClasseDeBase::Ranger) >= 8);
}

void ConstruitSortsDePretre(DonneesImpression& donnees)
{
    const auto fichier = [&donnees](const char* nom) {
        return [&donnees, nom] { return ListeTexte::charge(donnees.FichierDonnees(QString::fromLatin1(nom))); };
    };
    ConstruitSortsDePretre(donnees.Perso, donnees.Spheres, fichier("sorts2.dat"), fichier("Clercs5.dat"),
                           donnees.SortsDeClercParNiveau);
}

void ImprimePages(const PagesChoisies& pages, DonneesImpression& donnees, Canevas& canevas,
                  Pagination& pagination, const std::function<QSize()>& taille)
{
    // Draws one kind on a page of the size the printer gives now, then
    // begins a new page when a later kind follows.
    const auto dessine = [&](bool choisie, bool suite, const std::function<void(PageDeDessin&)>& dessin) {
        if (!choisie)
            return;
        const QSize t = taille();
        PageDeDessin page(canevas, t.width(), t.height());
        dessin(page);
        if (suite)
            pagination.NouvellePage(page);
    };
    dessine(pages.Page1, pages.Page2 || pages.SortsMage || pages.SortsPretre,
            [&](PageDeDessin& page) { DessineFiche(page, donnees); });
    dessine(pages.Page2, pages.SortsMage || pages.SortsPretre,
            [&](PageDeDessin& page) { DessinePossessions(page, donnees); });
    dessine(pages.SortsMage, pages.SortsPretre,
            [&](PageDeDessin& page) { DessineLivreDeSorts(page, donnees, pagination); });
    dessine(pages.SortsPretre, false, [&](PageDeDessin& page) {
        ConstruitSortsDePretre(donnees);
        DessineSortsDePretre(page, donnees, pagination);
    });
}

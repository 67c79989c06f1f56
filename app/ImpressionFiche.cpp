#include "ImpressionFiche.h"

#include "CanevasPeintre.h"
#include "Plateforme.h"
#include "UnitFormChoixImpression.h"

#include <QPainter>
#include <QPrinter>

std::optional<PagesChoisies> ChoisitPages(TFormChoixImpression& choix, const Personnage& personnage)
{
    const std::optional<PagesChoisies> pages =
        choix.Choisit(OffreSortsDeMage(personnage), OffreSortsDePretre(personnage));
    if (!pages || pages->Aucune())
        return std::nullopt;
    return pages;
}

void ImprimeDocument(QPrinter& imprimante, const PagesChoisies& pages, DonneesImpression& donnees)
{
    QPainter peintre;
    CommenceDocument(peintre, imprimante, QStringLiteral("Personnage de Vardel"));
    CanevasPeintre canevas(peintre);
    PaginationPeripherique pagination(imprimante, EchecImpression(imprimante));
    ImprimePages(pages, donnees, canevas, pagination,
                 [&imprimante] { return QSize(imprimante.width(), imprimante.height()); });
    FinitDocument(peintre, imprimante);
}

void ImprimeFiche(TFormChoixImpression& choix, DonneesImpression& donnees)
{
    if (const std::optional<PagesChoisies> pages = ChoisitPages(choix, donnees.Perso))
        ImprimeDocument(plateforme().imprimante(), *pages, donnees);
}

#include "ImpressionFiche.h"

#include "CanevasPeintre.h"
#include "Impression.h"
#include "Plateforme.h"
#include "UnitFormChoixImpression.h"

#include <QPainter>
#include <QPrinter>

void ImprimeFiche(TFormChoixImpression& choix, DonneesImpression& donnees)
{
    choix.OffreSorts(OffreSortsDeMage(donnees.Perso), OffreSortsDePretre(donnees.Perso));
    if (choix.exec() != QDialog::Accepted)
        return;
    const PagesChoisies pages = choix.Choix();
    if (pages.Aucune())
        return;

    QPrinter& imprimante = plateforme().imprimante();
    QPainter peintre;
    CommenceDocument(peintre, imprimante, QStringLiteral("Personnage de Vardel"));
    CanevasPeintre canevas(peintre);
    PaginationPeripherique pagination(imprimante, EchecImpression(imprimante));
    ImprimePages(pages, donnees, canevas, pagination,
                 [&imprimante] { return QSize(imprimante.width(), imprimante.height()); });
    FinitDocument(peintre, imprimante);
}

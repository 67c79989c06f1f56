#include "Apercu.h"

#include "Impression.h"
#include "PageDeDessin.h"
#include "Pages.h"

namespace {

// The preview's page breaks in the spell pages. Counting, every break is one
// more page. Drawing, the pages before the one shown are cleared and passed
// over; the break that ends the page shown stops the drawing.
class PaginationApercu : public Pagination {
public:
    PaginationApercu(Apercu& apercu, bool mage) : apercu_(apercu), mage_(mage) {}

    bool NouvellePage(PageDeDessin& page) override
    {
        if (apercu_.Comptage) {
            ++apercu_.NombreDePages;
            if (mage_)
                ++apercu_.PagesMage;
        } else if (apercu_.SousPage + 2 < apercu_.PageCourante) {
            ++apercu_.SousPage;
        } else {
            return false;
        }
        page.Efface();
        return true;
    }

private:
    Apercu& apercu_;
    bool mage_;
};

}

void Apercu::Ouvre(const DonneesImpression& donnees, Canevas& mesure)
{
    Donnees = donnees;
    PageCourante = 1;
    ChanceApprentissage = ChanceApprentissageDe(Donnees.Perso);
    Donnees.ChanceApprentissage = ChanceApprentissage;
    CompteLesPages(mesure);
    PageDeDessin page(mesure, LargeurApercu, HauteurApercu);
    DessineFiche(page, Donnees, Cible::Apercu);
}

void Apercu::CompteLesPages(Canevas& mesure)
{
    NombreDePages = 2;
    PagesMage = 0;
    Comptage = true;
    struct FinDuComptage {
        bool& comptage;
        ~FinDuComptage() { comptage = false; }
    } fin{Comptage};
    if (ApercuSortsDeMage(Donnees.Perso)) {
        NombreDePages += 1;
        PagesMage = 1;
        PageDeDessin page(mesure, LargeurApercu, HauteurApercu);
        PaginationApercu pagination(*this, true);
        DessineLivreDeSorts(page, Donnees, pagination, Cible::Apercu);
    }
    if (OffreSortsDePretre(Donnees.Perso)) {
        ConstruitSortsDePretre(Donnees);
        NombreDePages += 1;
        PageDeDessin page(mesure, LargeurApercu, HauteurApercu);
        PaginationApercu pagination(*this, false);
        DessineSortsDePretre(page, Donnees, pagination);
    }
}

void Apercu::DessinePage(Canevas& canevas)
{
    PageDeDessin page(canevas, LargeurApercu, HauteurApercu);
    if (PageCourante == 1) {
        DessineFiche(page, Donnees, Cible::Apercu);
    } else if (PageCourante == 2) {
        DessinePossessions(page, Donnees);
    } else if (PageCourante > PagesMage + 2) {
        SousPage = PagesMage + 1;
        PaginationApercu pagination(*this, false);
        DessineSortsDePretre(page, Donnees, pagination);
    } else {
        SousPage = 1;
        PaginationApercu pagination(*this, true);
        DessineLivreDeSorts(page, Donnees, pagination, Cible::Apercu);
    }
}

QString Apercu::Titre() const
{
    return QStringLiteral("Aperçu avant Impression --- Page ") + QString::number(PageCourante);
}

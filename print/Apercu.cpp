#include "Apercu.h"

#include "Impression.h"
#include "PageDeDessin.h"
#include "Pages.h"

namespace {

// The canvas the preview's spell pages go through: the font and the
// measuring always reach the canvas beneath, the drawing only while the
// page is shown. The pages that are counted or passed over are laid out
// exactly as when they are shown, but nothing of them is painted.
class CanevasMasquable : public Canevas {
public:
    CanevasMasquable(Canevas& dessous, bool visible) : Visible(visible), dessous_(dessous) {}

    bool Visible;

    void Police(const QString& nom, int taille, StylePolice style) override { dessous_.Police(nom, taille, style); }
    void CouleurPinceau(const QColor& couleur) override { dessous_.CouleurPinceau(couleur); }
    void CouleurPlume(const QColor& couleur) override { dessous_.CouleurPlume(couleur); }
    void Rectangle(int x1, int y1, int x2, int y2) override
    {
        if (Visible)
            dessous_.Rectangle(x1, y1, x2, y2);
    }
    void DeplaceA(int x, int y) override { dessous_.DeplaceA(x, y); }
    // Hidden, the pen still moves to the end point.
    void LigneA(int x, int y) override
    {
        if (Visible)
            dessous_.LigneA(x, y);
        else
            dessous_.DeplaceA(x, y);
    }
    void Ecrit(int x, int y, const QString& texte) override
    {
        if (Visible)
            dessous_.Ecrit(x, y, texte);
    }
    int LargeurTexte(const QString& texte) override { return dessous_.LargeurTexte(texte); }
    int HauteurTexte(const QString& texte) override { return dessous_.HauteurTexte(texte); }

private:
    Canevas& dessous_;
};

// The preview's page breaks in the spell pages. Counting, every break is one
// more page. Drawing, the pages before the one shown are passed over hidden,
// the box cleared when the page shown begins; the break that ends the page
// shown stops the drawing.
class PaginationApercu : public Pagination {
public:
    PaginationApercu(Apercu& apercu, bool mage, CanevasMasquable& canevas)
        : apercu_(apercu), mage_(mage), canevas_(canevas) {}

    bool NouvellePage(PageDeDessin& page) override
    {
        if (apercu_.Comptage) {
            ++apercu_.NombreDePages;
            if (mage_)
                ++apercu_.PagesMage;
        } else if (apercu_.SousPage + 2 < apercu_.PageCourante) {
            ++apercu_.SousPage;
            canevas_.Visible = apercu_.SousPage + 2 == apercu_.PageCourante;
        } else {
            return false;
        }
        page.Efface();
        return true;
    }

private:
    Apercu& apercu_;
    bool mage_;
    CanevasMasquable& canevas_;
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
    CanevasMasquable cache(mesure, false);
    if (ApercuSortsDeMage(Donnees.Perso)) {
        NombreDePages += 1;
        PagesMage = 1;
        PageDeDessin page(cache, LargeurApercu, HauteurApercu);
        PaginationApercu pagination(*this, true, cache);
        DessineLivreDeSorts(page, Donnees, pagination, Cible::Apercu);
    }
    if (OffreSortsDePretre(Donnees.Perso)) {
        ConstruitSortsDePretre(Donnees);
        NombreDePages += 1;
        PageDeDessin page(cache, LargeurApercu, HauteurApercu);
        PaginationApercu pagination(*this, false, cache);
        DessineSortsDePretre(page, Donnees, pagination);
    }
}

void Apercu::DessinePage(Canevas& canevas)
{
    if (PageCourante <= 2) {
        PageDeDessin page(canevas, LargeurApercu, HauteurApercu);
        if (PageCourante == 1)
            DessineFiche(page, Donnees, Cible::Apercu);
        else
            DessinePossessions(page, Donnees);
        return;
    }
    const bool pretre = PageCourante > PagesMage + 2;
    SousPage = pretre ? PagesMage + 1 : 1;
    CanevasMasquable masque(canevas, SousPage + 2 == PageCourante);
    PageDeDessin page(masque, LargeurApercu, HauteurApercu);
    PaginationApercu pagination(*this, !pretre, masque);
    if (pretre)
        DessineSortsDePretre(page, Donnees, pagination);
    else
        DessineLivreDeSorts(page, Donnees, pagination, Cible::Apercu);
}

QString Apercu::Titre() const
{
    return QStringLiteral("Aperçu avant Impression --- Page ") + QString::number(PageCourante);
}

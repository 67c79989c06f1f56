#include "Champs.h"
#include "Pages.h"
#include "TablesDeSorts.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <optional>

namespace {

QString titreLivre(const DonneesImpression& d)
{
    return QStringLiteral("Livre de sorts de ") + d.Perso.nom;
}

// The name of a spell record: the text before its first "&" (Champ1),
// none without one.
QStringView nomDuSort(const QString& ligne)
{
    const qsizetype p = ligne.indexOf(u'&');
    return p < 0 ? QStringView() : QStringView(ligne).left(p);
}

// The roll of each catalogue spell of one level, found by its name among
// the recorded rolls (the last record of a name winning as in
// PourcentageSortDeMage), and whether it is learned. Worked out once per
// drawing of the book, so that each marked spell finds its roll in constant
// time however often it is looked at. The names and rolls are read in
// place in the records, which outlive the drawing.
class JetsDuNiveau {
public:
    struct Jet {
        QStringView texte;   // "?" without record
        bool appris = true;
    };

    JetsDuNiveau(const DonneesImpression& d, int niveau)
    {
        const QStringList& enregistres = d.SortsDeMageParNiveau[std::size_t(niveau - 1)];
        QHash<QStringView, QStringView> parNom;
        parNom.reserve(enregistres.size());
        for (const QString& s : enregistres) {
            // The roll is everything after the first "&" (ChampsDepuis2).
            const qsizetype p = s.indexOf(u'&');
            parNom.insert(nomDuSort(s), p < 0 ? QStringView(s) : QStringView(s).mid(p + 1));
        }
        const QStringList& sorts = d.SortsDeMage[std::size_t(niveau - 1)];
        jets_.reserve(sorts.size());
        for (const QString& ligne : sorts) {
            const auto i = parNom.constFind(nomDuSort(ligne));
            Jet j;
            j.texte = i == parNom.constEnd() ? QStringView(u"?") : *i;
            // A roll of "?" reads as no number at all, below any chance: learned.
            j.appris = EntierOuDefaut(j.texte.toString()) <= d.ChanceApprentissage;
            jets_.append(j);
        }
    }

    // The roll of the level's catalogue line i.
    const Jet& operator[](qsizetype i) const { return jets_[i]; }

    // Whether the level has learned spells, or failed ones when `rates`.
    bool aDesSorts(bool rates) const
    {
        return std::any_of(jets_.begin(), jets_.end(), [rates](const Jet& j) { return j.appris != rates; });
    }

private:
    QList<Jet> jets_;
};

// The rolls of the nine levels, each worked out when its level is first drawn.
class JetsDuLivre {
public:
    explicit JetsDuLivre(const DonneesImpression& d) : d_(d) {}
    const JetsDuNiveau& operator[](int niveau)
    {
        auto& j = jets_[std::size_t(niveau - 1)];
        if (!j)
            j.emplace(d_, niveau);
        return *j;
    }

private:
    const DonneesImpression& d_;
    std::array<std::optional<JetsDuNiveau>, 9> jets_;
};

double limiteDePage(const PageDeDessin& page, Cible cible)
{
    return cible == Cible::Apercu ? double(page.H) : 0.9 * page.H;
}

bool tableDeSorts(PageDeDessin& page, const DonneesImpression& donnees, const JetsDuNiveau& jets, int niveau,
                  bool rates, Pagination& pagination, Cible cible)
{
    const QStringList& sorts = donnees.SortsDeMage[niveau - 1];
    qsizetype i = 0;
    const auto suivante = [&](RangeeDeSorts& r) {
        while (i < sorts.size()) {
            const JetsDuNiveau::Jet& jet = jets[i];
            const QString& ligne = sorts[i++];
            if (jet.appris == rates)
                continue;
            r.cellules = QStringList{Champ1(ligne), jet.texte.toString() + QStringLiteral(" %"), Champ2(ligne),
                                     Champ3(ligne), Champ4(ligne), Champ5(ligne), ChampsDepuis6(ligne)};
            // A failed spell keeps its name and roll readable; its details are struck out.
            r.barreeDes = rates ? 2 : -1;
            return true;
        }
        return false;
    };
    static const QStringList entete{QStringLiteral("Sort"),    QStringLiteral("Dé %"),
                                    QStringLiteral("Vitesse"), QStringLiteral("Durée"),
                                    QStringLiteral("Portée"),  QStringLiteral("Zone d'effet"),
                                    QStringLiteral("Composants")};
    return DessineTable(page, GrilleLivreDeSorts(page.W, cible), suivante, limiteDePage(page, cible), entete,
                        pagination, titreLivre(donnees));
}

}

bool TableDeSorts(PageDeDessin& page, const DonneesImpression& donnees, int niveau, bool rates,
                  Pagination& pagination, Cible cible)
{
    return tableDeSorts(page, donnees, JetsDuNiveau(donnees, niveau), niveau, rates,
                        pagination, cible);
}

bool DessineLivreDeSorts(PageDeDessin& page, const DonneesImpression& donnees, Pagination& pagination, Cible cible)
{
    page.Y = 10;
    page.ChoisitPolice(Arial, 14, Gras | Italique);
    page.EcritCentre(0, page.Y, page.W, titreLivre(donnees));
    page.Y += 2 * page.HauteurLigne();
    JetsDuLivre jets(donnees);
    for (bool rates : {false, true}) {
        for (int niveau = 1; niveau <= 9; ++niveau) {
            const JetsDuNiveau& jetsDuNiveau = jets[niveau];
            if (!jetsDuNiveau.aDesSorts(rates))
                continue;
            page.ChoisitPolice(TimesNewRoman, 12, Gras);
            page.EcritCentre(0, page.Y, page.W,
                             (rates ? QStringLiteral("Sorts ratés de niveau ") : QStringLiteral("Sorts de niveau "))
                                 + QString::number(niveau));
            page.Y += 2 * page.HauteurLigne();
            if (!tableDeSorts(page, donnees, jetsDuNiveau, niveau, rates, pagination, cible))
                return false;
            page.Y += page.HauteurLigne();
        }
    }
    // On screen a book that ends below the box gets one more page, its title alone.
    if (cible == Cible::Apercu && page.Y > page.H)
        return NouvellePageDeSorts(page, pagination, titreLivre(donnees));
    return true;
}

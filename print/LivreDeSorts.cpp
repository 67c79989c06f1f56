#include "Champs.h"
#include "Pages.h"
#include "TablesDeSorts.h"

#include <QHash>
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

// The rolls of one level's spells by name, the last record of a name
// winning as in PourcentageSortDeMage. Built once per drawing of the book,
// so that each marked spell finds its roll in constant time. The names and
// rolls are read in place in the records, which outlive the drawing.
class JetsDuNiveau {
public:
    explicit JetsDuNiveau(const QStringList& sorts)
    {
        jets_.reserve(sorts.size());
        for (const QString& s : sorts) {
            // The roll is everything after the first "&" (ChampsDepuis2).
            const qsizetype p = s.indexOf(u'&');
            jets_.insert(nomDuSort(s), p < 0 ? QStringView(s) : QStringView(s).mid(p + 1));
        }
    }

    // The roll recorded for the spell of that catalogue line, "?" without record.
    QString jet(const QString& ligne) const
    {
        const auto i = jets_.constFind(nomDuSort(ligne));
        return i == jets_.constEnd() ? QStringLiteral("?") : i->toString();
    }

private:
    QHash<QStringView, QStringView> jets_;
};

// The rolls of the nine levels, each built when its level is first drawn.
class JetsDuLivre {
public:
    explicit JetsDuLivre(const DonneesImpression& d) : d_(d) {}
    const JetsDuNiveau& operator[](int niveau)
    {
        auto& j = jets_[std::size_t(niveau - 1)];
        if (!j)
            j.emplace(d_.SortsDeMageParNiveau[std::size_t(niveau - 1)]);
        return *j;
    }

private:
    const DonneesImpression& d_;
    std::array<std::optional<JetsDuNiveau>, 9> jets_;
};

// A roll of "?" reads as no number at all, below any chance: learned.
bool appris(const DonneesImpression& d, const QString& jet)
{
    return EntierOuDefaut(jet) <= d.ChanceApprentissage;
}

bool aDesSorts(const DonneesImpression& d, const JetsDuNiveau& jets, int niveau, bool rates)
{
    for (const QString& ligne : d.SortsDeMage[niveau - 1])
        if (appris(d, jets.jet(ligne)) != rates)
            return true;
    return false;
}

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
            const QString& ligne = sorts[i++];
            const QString jet = jets.jet(ligne);
            if (appris(donnees, jet) == rates)
                continue;
            r.cellules = QStringList{Champ1(ligne), jet + QStringLiteral(" %"), Champ2(ligne),
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
    return tableDeSorts(page, donnees, JetsDuNiveau(donnees.SortsDeMageParNiveau[niveau - 1]), niveau, rates,
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
            if (!aDesSorts(donnees, jetsDuNiveau, niveau, rates))
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

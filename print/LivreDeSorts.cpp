#include "Champs.h"
#include "Pages.h"
#include "TablesDeSorts.h"

#include <QHash>
#include <array>

namespace {

QString titreLivre(const DonneesImpression& d)
{
    return QStringLiteral("Livre de sorts de ") + d.Perso.nom;
}

// The rolls of one level's spells by name, the last record of a name
// winning as in PourcentageSortDeMage. Built once per drawing of the book,
// so that each marked spell finds its roll in constant time.
class JetsDuNiveau {
public:
    explicit JetsDuNiveau(const QStringList& sorts)
    {
        jets_.reserve(sorts.size());
        for (const QString& s : sorts)
            jets_.insert(Champ1(s), ChampsDepuis2(s));
    }

    // The roll recorded for the spell of that catalogue line, "?" without record.
    QString jet(const QString& ligne) const { return jets_.value(Champ1(ligne), QStringLiteral("?")); }

private:
    QHash<QString, QString> jets_;
};

using JetsDuLivre = std::array<JetsDuNiveau, 9>;

JetsDuLivre jetsDuLivre(const DonneesImpression& d)
{
    const auto& s = d.SortsDeMageParNiveau;
    return {JetsDuNiveau(s[0]), JetsDuNiveau(s[1]), JetsDuNiveau(s[2]), JetsDuNiveau(s[3]), JetsDuNiveau(s[4]),
            JetsDuNiveau(s[5]), JetsDuNiveau(s[6]), JetsDuNiveau(s[7]), JetsDuNiveau(s[8])};
}

// A roll of "?" reads as no number at all, below any chance: learned.
bool appris(const DonneesImpression& d, const JetsDuNiveau& jets, const QString& ligne)
{
    return EntierOuDefaut(jets.jet(ligne)) <= d.ChanceApprentissage;
}

bool aDesSorts(const DonneesImpression& d, const JetsDuNiveau& jets, int niveau, bool rates)
{
    for (const QString& ligne : d.SortsDeMage[niveau - 1])
        if (appris(d, jets, ligne) != rates)
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
    QList<RangeeDeSorts> rangees;
    for (const QString& ligne : donnees.SortsDeMage[niveau - 1]) {
        if (appris(donnees, jets, ligne) == rates)
            continue;
        RangeeDeSorts r;
        r.cellules = QStringList{Champ1(ligne), jets.jet(ligne) + QStringLiteral(" %"), Champ2(ligne),
                                 Champ3(ligne), Champ4(ligne), Champ5(ligne), ChampsDepuis6(ligne)};
        // A failed spell keeps its name and roll readable; its details are struck out.
        r.barreeDes = rates ? 2 : -1;
        rangees.append(r);
    }
    static const QStringList entete{QStringLiteral("Sort"),    QStringLiteral("Dé %"),
                                    QStringLiteral("Vitesse"), QStringLiteral("Durée"),
                                    QStringLiteral("Portée"),  QStringLiteral("Zone d'effet"),
                                    QStringLiteral("Composants")};
    return DessineTable(page, GrilleLivreDeSorts(page.W, cible), rangees, limiteDePage(page, cible), entete,
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
    const JetsDuLivre jets = jetsDuLivre(donnees);
    for (bool rates : {false, true}) {
        for (int niveau = 1; niveau <= 9; ++niveau) {
            const JetsDuNiveau& jetsDuNiveau = jets[std::size_t(niveau - 1)];
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

#include "Spheres.h"

#include "Champs.h"

namespace {

const QString FinDeBloc = QStringLiteral("***");

// The index of the next "***" line from `debut`; throws Echec "Index liste
// hors bornes" when the file ends first.
qsizetype finDeBloc(const ListeTexte& lignes, qsizetype debut)
{
    qsizetype i = debut;
    while (lignes.at(i) != FinDeBloc)
        ++i;
    return i;
}

}

const std::array<Sphere, NombreSpheres>& Spheres()
{
    using enum AccesSphere;
    static const std::array<Sphere, NombreSpheres> spheres = {{
        {QStringLiteral("Animale"), QStringLiteral("GroupBoxAnimale"), PasDAcces},
        {QStringLiteral("Astrale"), QStringLiteral("GroupBoxAstrale"), Majeur},
        {QStringLiteral("Charme"), QStringLiteral("GroupBoxCharme"), Majeur},
        {QStringLiteral("Climat"), QStringLiteral("GroupBoxClimat"), PasDAcces},
        {QStringLiteral("Combat"), QStringLiteral("GroupBoxCombat"), Majeur},
        {QStringLiteral("Conjuration"), QStringLiteral("GroupBoxConjuration"), Majeur},
        {QStringLiteral("Création"), QStringLiteral("GroupBoxCreation"), Majeur},
        {QStringLiteral("Divination"), QStringLiteral("GroupBoxDivination"), Majeur},
        {QStringLiteral("Elémentaire"), QStringLiteral("GroupBoxElementaire"), Mineur},
        {QStringLiteral("Garde"), QStringLiteral("GroupBoxGarde"), Majeur},
        {QStringLiteral("Générale"), QStringLiteral("GroupBoxGenerale"), Majeur},
        {QStringLiteral("Nécromantique"), QStringLiteral("GroupBoxNecromantique"), Majeur},
        {QStringLiteral("Protection"), QStringLiteral("GroupBoxProtection"), Majeur},
        {QStringLiteral("Soins"), QStringLiteral("GroupBoxSoins"), Majeur},
        {QStringLiteral("Soleil"), QStringLiteral("GroupBoxSoleil"), Majeur},
        {QStringLiteral("Végétale"), QStringLiteral("GroupBoxVegetale"), PasDAcces},
    }};
    return spheres;
}

ChoixSpheres ChoixStandard()
{
    ChoixSpheres choix{};
    for (std::size_t i = 0; i < NombreSpheres; ++i)
        choix[i] = Spheres()[i].standard;
    return choix;
}

bool SortAccessible(const ChoixSpheres& choix, const QString& spheres, int niveau)
{
    bool accessible = false;
    for (std::size_t i = 0; i < NombreSpheres; ++i) {
        if (!spheres.contains(Spheres()[i].nom, Qt::CaseSensitive))
            continue;
        if (choix[i] == AccesSphere::Majeur || (choix[i] == AccesSphere::Mineur && niveau <= 3))
            accessible = true;
    }
    return accessible;
}

QString ProgressionPretre(const Personnage& p, const ListeTexte& sorts2)
{
    QString resultat;
    qsizetype debut = 0;
    while (debut < sorts2.count()) {
        const qsizetype fin = finDeBloc(sorts2, debut);
        // A header line that the block does not hold reads as empty.
        auto entete = [&](qsizetype k) { return debut + k < fin ? sorts2.at(debut + k) : QString(); };
        const std::optional<ClasseDeBase> classe = ClasseDeNom(entete(0));
        if (classe && p.EstDeClasse(*classe) && entete(1) == u"OUI") {
            const qint64 niveau = p.NiveauParClasse(*classe);
            const qint64 premier = EntierOuDefaut(entete(3));
            if (niveau >= premier) {
                // Rows from line 5 up to the "***": the (L - M + 1)-th, or the
                // last when the table stops earlier.
                const qsizetype premiereRangee = debut + 4;
                const qint64 rangees = fin - premiereRangee;
                QString texte = QStringLiteral("??");
                if (rangees > 0) {
                    const qint64 lue = std::min(niveau - premier + 1, rangees);
                    const QString& rangee = sorts2.at(premiereRangee + static_cast<qsizetype>(lue) - 1);
                    const qsizetype plus = rangee.indexOf(u'+');
                    texte = plus < 0 ? rangee : rangee.mid(plus + 1);
                }
                if (entete(2) == u"Prêtre")
                    resultat = texte;
            }
        }
        debut = fin + 1;
    }
    return resultat;
}

namespace {

void listeSorts(const ChoixSpheres& choix, qsizetype niveauxAccessibles, const ListeTexte& clercs5,
                std::array<QStringList, 7>& listes)
{
    qsizetype i = 0;
    while (i < clercs5.count()) {
        const int niveau = EntierOuDefaut(clercs5.at(i++));
        while (clercs5.at(i) != FinDeBloc) {
            // Nine lines per spell: name, spheres, range, -, duration,
            // casting time, area of effect, -, components.
            QString l[9];
            for (QString& ligne : l)
                ligne = clercs5.at(i++);
            if (niveau >= 1 && niveau <= 7 && niveau <= niveauxAccessibles && SortAccessible(choix, l[1], niveau)) {
                const QStringList record = {l[0], l[5], l[4], l[2], l[6], l[8]};
                listes[static_cast<std::size_t>(niveau - 1)].append(record.join(u'&'));
            }
        }
        ++i;
    }
}

qsizetype niveauxAccessibles(const QString& progression)
{
    // One character per spell level: "3/3/2/1" gives 4, "" gives 0.
    return (progression.size() + 1) / 2;
}

}

void ConstruitSortsDePretre(const Personnage& p, const ChoixSpheres& choix, const ListeTexte& sorts2,
                            const ListeTexte& clercs5, std::array<QStringList, 7>& listes)
{
    for (QStringList& l : listes)
        l.clear();
    listeSorts(choix, niveauxAccessibles(ProgressionPretre(p, sorts2)), clercs5, listes);
}

void ConstruitSortsDePretre(const Personnage& p, const ChoixSpheres& choix, const ChargeurListe& sorts2,
                            const ChargeurListe& clercs5, std::array<QStringList, 7>& listes)
{
    for (QStringList& l : listes)
        l.clear();
    const qsizetype n = niveauxAccessibles(ProgressionPretre(p, sorts2()));
    listeSorts(choix, n, clercs5(), listes);
}

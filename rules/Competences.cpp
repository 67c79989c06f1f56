#include "Competences.h"

#include "Champs.h"
#include "Classes.h"
#include "Colonnes.h"

#include <QSet>
#include <algorithm>
#include <functional>
#include <limits>

namespace {

const QString GENERAL = QStringLiteral("GENERAL");
const QString FIN = QStringLiteral("FIN");

void ajoute(QStringList& groupes, const QString& groupe)
{
    const auto ou = std::lower_bound(groupes.begin(), groupes.end(), groupe);
    if (ou == groupes.end() || *ou != groupe)
        groupes.insert(ou, groupe);
}

}

int BonusIntelligenceCompetences(const QString& intelligence)
{
    const int i = EntierOuDefaut(intelligence);
    if (i >= 2 && i <= 8)
        return 1;
    if (i >= 9 && i <= 11)
        return 2;
    if (i >= 12 && i <= 13)
        return 3;
    if (i >= 14 && i <= 15)
        return 4;
    switch (i) {
    case 16: return 5;
    case 17: return 6;
    case 18: return 7;
    case 19: return 8;
    case 20: return 9;
    case 21: return 10;
    case 22: return 11;
    case 23: return 12;
    case 24: return 15;
    case 25: return 20;
    default: return 0;
    }
}

BudgetCompetences CalculeCompetences(const Personnage& p)
{
    BudgetCompetences b;
    b.GroupesAutorises.append(GENERAL);

    // A word found anywhere in the class text opens its groups.
    struct Mot { const char* mot; QStringList groupes; };
    const Mot mots[] = {
        {"Guerrier", {COMBATTANT}},
        {"Paladin", {COMBATTANT, PRETRE}},
        {"Ranger", {MAGICIEN, COMBATTANT}},
        {"Clerc", {PRETRE}},
        {"Druide", {PRETRE, COMBATTANT}},
        {"Mage", {MAGICIEN}},
        {"Illusioniste", {MAGICIEN}},
        {"Voleur", {LARRON}},
        {"Barde", {MAGICIEN, LARRON, COMBATTANT}},
    };
    for (const Mot& m : mots)
        if (p.classe.contains(QLatin1String(m.mot), Qt::CaseSensitive))
            for (const QString& g : m.groupes)
                ajoute(b.GroupesAutorises, g);

    // The budget follows the levels of the groups alone, whatever groups
    // the class opens.
    struct Pas { const QString& groupe; int base; int pas; };
    const Pas table[] = {{COMBATTANT, 3, 3}, {MAGICIEN, 4, 3}, {PRETRE, 4, 3}, {LARRON, 3, 4}};
    for (const Pas& t : table) {
        const int niveau = p.NiveauParGroupe(t.groupe);
        if (niveau != 0)
            b.PointsCompetences = PlusGrand(b.PointsCompetences, t.base + niveau / t.pas);
    }
    b.PointsCompetences += BonusIntelligenceCompetences(p.intelligence);
    return b;
}

namespace {

// Walks the names of the blocks whose group is open, in the file's order,
// until `voit` answers true (then true).
bool parcourtNomsAutorises(const QStringList& categories, const QStringList& groupesAutorises,
                           const std::function<bool(const QString&)>& voit)
{
    // Blank lines after the last block mean nothing.
    qsizetype n = categories.size();
    while (n > 0 && categories[n - 1].trimmed().isEmpty())
        --n;

    qsizetype i = 0;
    while (i < n) {
        // Blank lines between blocks separate them, as after the last one:
        // where a group line is awaited, a blank line is no group.
        if (categories[i].trimmed().isEmpty()) {
            ++i;
            continue;
        }
        const bool groupeOuvert = groupesAutorises.contains(categories[i], Qt::CaseInsensitive);
        ++i;
        // The line after the group line is a name, whatever it says.
        do {
            if (i >= n)
                return false;
            if (groupeOuvert && voit(categories[i]))
                return true;
            ++i;
        } while (i < n && categories[i] != FIN);
        ++i;   // past "FIN"
    }
    return false;
}

qint64 coutSelon(const QString& ligne, const std::function<bool(const QString&)>& autorisee)
{
    const QStringList colonnes = DecoupeColonnes(ligne, 4);
    const qint64 cout = EntierOuDefaut(colonnes[1]);
    return autorisee(colonnes[0]) ? cout : cout + 1;
}

}

bool CompetenceAutorisee(const QStringList& categories, const QStringList& groupesAutorises, const QString& nom)
{
    return parcourtNomsAutorises(categories, groupesAutorises, [&nom](const QString& n) { return n == nom; });
}

QSet<QString> CompetencesAutorisees(const QStringList& categories, const QStringList& groupesAutorises)
{
    QSet<QString> noms;
    parcourtNomsAutorises(categories, groupesAutorises, [&noms](const QString& n) {
        noms.insert(n);
        return false;
    });
    return noms;
}

qint64 CoutCompetence(const QString& ligne, const QStringList& categories, const QStringList& groupesAutorises)
{
    return coutSelon(ligne, [&](const QString& nom) { return CompetenceAutorisee(categories, groupesAutorises, nom); });
}

int BornePoints(qint64 points)
{
    return static_cast<int>(std::clamp<qint64>(points, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int PointsRestants(int pointsCompetences, const QStringList& lignesMarquees, const QStringList& categories,
                   const QStringList& groupesAutorises)
{
    // 64 bits: a file may hold costs near the limits of an int, and any
    // number of them.
    // The allowed names gathered once: one pass over the categories, then
    // one lookup a line, whatever the sizes of both.
    const QSet<QString> autorisees = CompetencesAutorisees(categories, groupesAutorises);
    qint64 reste = pointsCompetences;
    for (const QString& l : lignesMarquees)
        reste -= coutSelon(l, [&autorisees](const QString& nom) { return autorisees.contains(nom); });
    return BornePoints(reste);
}

#include "Niveaux.h"

#include "Champs.h"
#include "Classes.h"

#include <QRandomGenerator>

#include <algorithm>
#include <climits>

namespace {

std::uint32_t etatHasard = 0;

struct DeDeGroupe {
    const QString& groupe;
    int de;
    int parNiveauAuDelaDe9;
};

}

int AjustementPVConstitution(const QString& constitution, const QString& groupe)
{
    const int c = EntierOuDefaut(constitution);
    if (c < 1 || c > 25)
        return 0;
    if (c >= 16 && groupe != COMBATTANT)
        return 2;
    if (c == 1) return -3;
    if (c <= 3) return -2;
    if (c <= 6) return -1;
    if (c <= 14) return 0;
    if (c == 15) return 1;
    if (c == 16) return 2;
    if (c == 17) return 3;
    if (c == 18) return 4;
    if (c <= 20) return 5;
    if (c <= 23) return 6;
    return 7;
}

int Hasard::Lance(int n)
{
    etatHasard = etatHasard * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(etatHasard) * static_cast<std::uint32_t>(n)) >> 32) + 1;
}

void Hasard::Seme()
{
    etatHasard = QRandomGenerator::system()->generate();
}

std::uint32_t Hasard::Etat() { return etatHasard; }
void Hasard::FixeEtat(std::uint32_t etat) { etatHasard = etat; }

std::optional<int> TirePointsDeVie(const Personnage& p, const std::function<int(int)>& lance)
{
    const int classes = p.NombreDeClasses();
    if (classes == 0)
        return std::nullopt;
    const DeDeGroupe des[] = {{COMBATTANT, 10, 3}, {MAGICIEN, 4, 1}, {LARRON, 6, 2}, {PRETRE, 8, 2}};
    // Wide enough for any level a field can hold, checked or not.
    qint64 total = 0;
    for (const DeDeGroupe& d : des) {
        const int niveau = p.NiveauParGroupe(d.groupe);
        if (niveau <= 0)
            continue;
        const int ajustement = AjustementPVConstitution(p.constitution, d.groupe);
        for (int i = 0; i < PlusPetit(9, niveau); ++i)
            total += lance(d.de) + ajustement;
        if (niveau >= 10)
            total += d.parNiveauAuDelaDe9 * (qint64{niveau} - 9);
    }
    return static_cast<int>(std::clamp<qint64>(total / classes, INT_MIN, INT_MAX));
}

QString XPNiveauSuivant(const Personnage& p, const ListeTexte& xp)
{
    int c = 0;
    for (ClasseDeBase classe : ClassesDeBase)
        if (p.EstDeClasse(classe))
            ++c;

    qsizetype position = 0;
    // A figure of the file times the number of classes: 64 bits hold it
    // whatever the file says.
    bool trouve = false;
    qint64 valeur = 0;
    QStringList egalites;
    for (ClasseDeBase classe : ClassesDeBase) {
        const QString nom = NomDeClasse(classe);
        while (xp.at(position) != nom)
            ++position;
        qsizetype derniere = position++;
        if (!p.EstDeClasse(classe))
            continue;
        const int niveau = p.NiveauParClasse(classe);
        const int lues = niveau >= 20 ? 20 : (niveau >= 1 ? niveau : 0);
        for (int i = 0; i < lues; ++i)
            derniere = position++;
        const qint64 candidat = qint64{EntierOuDefaut(xp.at(derniere))} * c;
        if (!trouve || candidat < valeur) {
            trouve = true;
            valeur = candidat;
            egalites = {nom};
        } else if (candidat == valeur) {
            egalites.append(nom);
        }
    }
    QString texte = QStringLiteral("XP pour niveau suivant : ") + QString::number(valeur);
    for (const QString& nom : egalites)
        texte += QStringLiteral(" ( ") + nom + QStringLiteral(" )");
    return texte;
}

int CalculeEmplacementsArmes(const Personnage& p)
{
    struct Ligne { const QString& groupe; int d; int b; };
    const Ligne table[] = {{COMBATTANT, 3, 4}, {MAGICIEN, 6, 1}, {PRETRE, 4, 2}, {LARRON, 4, 2}};
    int points = 0;
    for (const Ligne& l : table) {
        const int niveau = p.NiveauParGroupe(l.groupe);
        if (niveau != 0)
            points = PlusGrand(points, niveau / l.d + l.b);
    }
    return points;
}

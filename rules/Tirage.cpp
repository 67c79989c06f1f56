#include "Tirage.h"

#include <algorithm>
#include <numeric>

namespace {

Lancer lanceDes(int nombre, const std::function<int(int)>& lance)
{
    Lancer l;
    for (int i = 0; i < nombre; ++i)
        l.des.append(lance(6));
    return l;
}

// 4d6: the first of the lowest dice is dropped.
Lancer lanceQuatreSansLePlusFaible(const std::function<int(int)>& lance)
{
    Lancer l = lanceDes(4, lance);
    l.ecarte = std::min_element(l.des.cbegin(), l.des.cend()) - l.des.cbegin();
    return l;
}

bool uneDestinationParValeur(const JetsDeMethode& jets, const QList<int>& destinations)
{
    return destinations.size() == jets.Valeurs().size();
}

}

const QStringList& NomsDesCaracteristiques()
{
    static const QStringList noms = {QStringLiteral("Force"), QStringLiteral("Dextérité"),
                                     QStringLiteral("Constitution"), QStringLiteral("Intelligence"),
                                     QStringLiteral("Sagesse"), QStringLiteral("Charisme")};
    return noms;
}

const QStringList& NomsDesMethodes()
{
    static const QStringList noms = {
        QStringLiteral("Méthode I : 3d6 dans l'ordre"),
        QStringLiteral("Méthode II : 3d6 deux fois, le meilleur, dans l'ordre"),
        QStringLiteral("Méthode III : 3d6 six fois, à répartir"),
        QStringLiteral("Méthode IV : 3d6 douze fois, les six meilleurs, à répartir"),
        QStringLiteral("Méthode V : 4d6 sans le plus faible, six fois, à répartir"),
        QStringLiteral("Méthode VI : 8 partout et 7d6 à répartir")};
    return noms;
}

bool EstARepartir(MethodeTirage methode)
{
    return methode != MethodeTirage::I && methode != MethodeTirage::II;
}

int Lancer::Total() const
{
    int total = 0;
    for (qsizetype i = 0; i < des.size(); ++i)
        if (i != ecarte)
            total += des[i];
    return total;
}

QString Lancer::Texte() const
{
    if (des.size() == 1 && ecarte < 0)
        return QString::number(des[0]);
    QStringList textes;
    for (qsizetype i = 0; i < des.size(); ++i)
        textes.append(i == ecarte ? QStringLiteral("(%1)").arg(des[i]) : QString::number(des[i]));
    return textes.join(u' ') + QStringLiteral(" = ") + QString::number(Total());
}

QList<int> JetsDeMethode::Valeurs() const
{
    QList<int> valeurs;
    for (qsizetype i = 0; i < lancers.size(); ++i)
        if (gardes.value(i))
            valeurs.append(lancers[i].Total());
    return valeurs;
}

QString JetsDeMethode::Texte(qsizetype i) const
{
    const QString texte = lancers.value(i).Texte();
    return gardes.value(i) ? texte : QStringLiteral("(") + texte + QStringLiteral(")");
}

JetsDeMethode LanceMethode(MethodeTirage methode, const std::function<int(int)>& lance)
{
    JetsDeMethode j;
    j.methode = methode;
    switch (methode) {
    case MethodeTirage::I:
    case MethodeTirage::III:
        for (int i = 0; i < NombreCaracteristiques; ++i)
            j.lancers.append(lanceDes(3, lance));
        j.gardes = QList<bool>(j.lancers.size(), true);
        break;
    case MethodeTirage::II:
        for (int i = 0; i < NombreCaracteristiques; ++i) {
            const Lancer premier = lanceDes(3, lance);
            const Lancer second = lanceDes(3, lance);
            const bool premierGarde = premier.Total() >= second.Total();
            j.lancers << premier << second;
            j.gardes << premierGarde << !premierGarde;
        }
        break;
    case MethodeTirage::IV: {
        for (int i = 0; i < 2 * NombreCaracteristiques; ++i)
            j.lancers.append(lanceDes(3, lance));
        // The six best: by total, the earlier first on a tie.
        QList<qsizetype> ordre(j.lancers.size());
        std::iota(ordre.begin(), ordre.end(), 0);
        std::stable_sort(ordre.begin(), ordre.end(),
                         [&](qsizetype a, qsizetype b) { return j.lancers[a].Total() > j.lancers[b].Total(); });
        j.gardes = QList<bool>(j.lancers.size(), false);
        for (int i = 0; i < NombreCaracteristiques; ++i)
            j.gardes[ordre[i]] = true;
        break;
    }
    case MethodeTirage::V:
        for (int i = 0; i < NombreCaracteristiques; ++i)
            j.lancers.append(lanceQuatreSansLePlusFaible(lance));
        j.gardes = QList<bool>(j.lancers.size(), true);
        break;
    case MethodeTirage::VI:
        for (int i = 0; i < 7; ++i)
            j.lancers.append(lanceDes(1, lance));
        j.gardes = QList<bool>(j.lancers.size(), true);
        break;
    }
    j.beaute = lanceDes(3, lance);
    return j;
}

QList<int> DestinationsDansLOrdre(const JetsDeMethode& jets)
{
    QList<int> destinations(jets.Valeurs().size(), -1);
    if (!EstARepartir(jets.methode))
        std::iota(destinations.begin(), destinations.end(), 0);
    return destinations;
}

Scores ScoresRepartis(const JetsDeMethode& jets, const QList<int>& destinations)
{
    const bool sixieme = jets.methode == MethodeTirage::VI;
    Scores scores;
    scores.fill(sixieme ? ScoreDeDepartMethodeVI : 0);
    const QList<int> valeurs = jets.Valeurs();
    for (qsizetype i = 0; i < valeurs.size() && i < destinations.size(); ++i) {
        const int c = destinations[i];
        if (c < 0 || c >= NombreCaracteristiques)
            continue;
        scores[c] = sixieme ? scores[c] + valeurs[i] : valeurs[i];
    }
    return scores;
}

std::optional<Scores> ScoresComplets(const JetsDeMethode& jets, const QList<int>& destinations)
{
    if (!uneDestinationParValeur(jets, destinations))
        return std::nullopt;
    std::array<int, NombreCaracteristiques> recues{};
    for (int c : destinations) {
        if (c < 0 || c >= NombreCaracteristiques)
            return std::nullopt;
        ++recues[c];
    }
    const Scores scores = ScoresRepartis(jets, destinations);
    for (int c = 0; c < NombreCaracteristiques; ++c) {
        if (jets.methode == MethodeTirage::VI ? scores[c] > ScoreMaximumMethodeVI : recues[c] != 1)
            return std::nullopt;
    }
    return scores;
}

bool PeutRecevoir(const JetsDeMethode& jets, const QList<int>& destinations, qsizetype valeur, int caracteristique)
{
    if (caracteristique == -1)
        return true;
    const QList<int> valeurs = jets.Valeurs();
    if (caracteristique < 0 || caracteristique >= NombreCaracteristiques || valeur < 0 || valeur >= valeurs.size() ||
        !uneDestinationParValeur(jets, destinations))
        return false;
    if (!EstARepartir(jets.methode))
        return caracteristique == valeur;
    QList<int> autres = destinations;
    autres[valeur] = -1;
    if (jets.methode == MethodeTirage::VI)
        return ScoresRepartis(jets, autres)[caracteristique] + valeurs[valeur] <= ScoreMaximumMethodeVI;
    return !autres.contains(caracteristique);
}

bool TireForceExceptionnelle(int forceAjustee, const QString& classe, const QString& race)
{
    Personnage p;
    p.classe = classe;
    return forceAjustee == 18 && race != QStringLiteral("Hobbit") &&
           (p.EstDeClasse(ClasseDeBase::Guerrier) || p.EstDeClasse(ClasseDeBase::Paladin) ||
            p.EstDeClasse(ClasseDeBase::Ranger));
}

int LancePourcentage(const std::function<int(int)>& lance)
{
    return lance(100);
}

QString TexteForceExceptionnelle(int pourcentage)
{
    return QStringLiteral("18/") + QStringLiteral("%1").arg(pourcentage % 100, 2, 10, QChar(u'0'));
}

void AppliqueTirage(const Tirage& t, Personnage& p)
{
    p.force = t.force;
    p.dexterite = t.dexterite;
    p.constitution = t.constitution;
    p.intelligence = t.intelligence;
    p.sagesse = t.sagesse;
    p.charisme = t.charisme;
    p.beaute = t.beaute;
    p.extra = t.extra;
    if (t.race)
        p.race = *t.race;
    if (t.classe)
        p.classe = *t.classe;
}

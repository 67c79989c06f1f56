#include "ResumeClasseRace.h"

#include "Champs.h"
#include "Niveaux.h"

namespace {

// The level a table is read with: 0 for a level that is not a positive
// number (no line), 20 for the levels above.
int niveauDeTable(int niveau)
{
    if (niveau <= 0)
        return 0;
    return niveau > 20 ? 20 : niveau;
}

// The piece of a table indexed by level from `premier`, the last piece
// serving the levels above it.
QString piece(const QStringList& table, int premier, int niveau)
{
    const qsizetype i = qMin<qsizetype>(niveau - premier, table.size() - 1);
    return table[i];
}

void ajouteRace(const Personnage& p, const ListeTexte& comprace, QStringList& lignes)
{
    if (p.race.isEmpty())
        return;
    qsizetype i = 0;
    while (i < comprace.count() && QString::compare(comprace.at(i), p.race, Qt::CaseInsensitive) != 0)
        ++i;
    if (i == comprace.count())
        return;
    for (++i; !comprace.at(i).isEmpty(); ++i)
        lignes.append(comprace.at(i));
}

void ajouteBonusXP(const Personnage& p, QStringList& lignes)
{
    const int force = EntierOuDefaut(p.force);
    const int intelligence = EntierOuDefaut(p.intelligence);
    const int sagesse = EntierOuDefaut(p.sagesse);
    const int dexterite = EntierOuDefaut(p.dexterite);
    struct Bonus { ClasseDeBase classe; bool merite; const char* ligne; };
    const Bonus bonus[] = {
        {ClasseDeBase::Guerrier, force >= 16, "+ 10% XP Guerrier"},
        {ClasseDeBase::Paladin, force >= 16, "+ 10% XP Paladin"},
        {ClasseDeBase::Ranger, force >= 16 && dexterite >= 16 && sagesse >= 16, "+10% XP Ranger "},
        {ClasseDeBase::Clerc, sagesse >= 16, "+10% XP Clerc "},
        {ClasseDeBase::Mage, intelligence >= 16, "+10% XP Mage "},
        {ClasseDeBase::Illusioniste, intelligence >= 16, "+10% XP Illusioniste "},
        {ClasseDeBase::Voleur, dexterite >= 16, "+10% XP Voleur "},
    };
    for (const Bonus& b : bonus)
        if (p.EstDeClasse(b.classe) && b.merite)
            lignes.append(QString::fromUtf8(b.ligne));
}

void ajouteImmunite(const Personnage& p, QStringList& lignes)
{
    static const QStringList pieces = {
        "Amis, Charme-personnes, Effroi, Injonction, Hypnotisme",
        ", Immobilisation des personnes, Peur, Oubli",
        ", Rayon d'affaiblissement, Terreur",
        ", Charme-monstres, Confusion, Emotion, Maladresse, Suggestion",
        ", Chaos, Débilité mentale, Immobilisation des monstres, Quête religieuse, Réceptacle magique",
        ", Bâtonnet de suzeraineté, Quête magique, Suggestion de masse",
        ", Antipathie/sympathie, Charme de masse, Sort de mort",
    };
    const int sagesse = EntierOuDefaut(p.sagesse);
    QString liste;
    for (int seuil = 19; seuil <= 25; ++seuil)
        if (sagesse >= seuil)
            liste += pieces[seuil - 19];
    if (!liste.isEmpty())
        lignes.append(QStringLiteral("Immunité aux sorts : ") + liste + QStringLiteral("."));
}

void ajouteRanger(const Personnage& p, QStringList& lignes)
{
    if (!p.EstDeClasse(ClasseDeBase::Ranger))
        return;
    // The tracking bonus follows the level itself; the table stops at 16.
    const int niveau = p.NiveauParClasse(ClasseDeBase::Ranger);
    if (niveauDeTable(niveau) == 0)
        return;
    static const QStringList table = {
        "10%), se déplacer silencieusement (15%)",
        "15%), se déplacer silencieusement (21%)",
        "20%), se déplacer silencieusement (27%)",
        "25%), se déplacer silencieusement (33%)",
        "31%), se déplacer silencieusement (40%)",
        "37%), se déplacer silencieusement (47%)",
        "43%), se déplacer silencieusement (55%)",
        "49%), se déplacer silencieusement (62%), sorts de clerc/jour : 1 (niveau de maîtrise 1)",
        "56%), se déplacer silencieusement (70%), sorts de clerc/jour : 2 (niveau de maîtrise 2)",
        "63%), se déplacer silencieusement (78%), sorts de clerc/jour : 2/1 (niveau de maîtrise 3)",
        "70%), se déplacer silencieusement (86%), sorts de clerc/jour : 2/2 (niveau de maîtrise 4)",
        "77%), se déplacer silencieusement (94%), sorts de clerc/jour : 2/2/1 (niveau de maîtrise 5)",
        "85%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/2/1 (niveau de maîtrise 6)",
        "93%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/2/2 (niveau de maîtrise 7)",
        "99%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/3/2 (niveau de maîtrise 8)",
        "99%), se déplacer silencieusement (99%), sorts de clerc/jour : 3/3/3 (niveau de maîtrise 9)",
    };
    lignes.append(QStringLiteral("Capacités de Ranger : possibilité d'influencer les réactions des animaux, ")
                  + QStringLiteral("Compétence en PISTAGE : sagesse à + ") + QString::number(niveau / 3)
                  + QStringLiteral(", se cacher dans l'ombre (") + piece(table, 1, niveauDeTable(niveau)));
}

void ajoutePaladin(const Personnage& p, QStringList& lignes)
{
    if (!p.EstDeClasse(ClasseDeBase::Paladin))
        return;
    // The healing, the cure and the turning follow the level itself (in 64
    // bits: twice a level near the 32-bit limit must not overflow); only the
    // spells table stops at 20.
    const qint64 niveau = p.NiveauParClasse(ClasseDeBase::Paladin);
    if (niveau <= 0)
        return;
    static const QStringList sorts = {
        "1 (niveau de maîtrise 1)",
        "2 (niveau de maîtrise 2)",
        "2/1 (niveau de maîtrise 3)",
        "2/2 (niveau de maîtrise 4)",
        "2/2/1 (niveau de maîtrise 5)",
        "3/2/1 (niveau de maîtrise 6)",
        "3/2/1/1 (niveau de maîtrise 7)",
        "3/3/2/1 (niveau de maîtrise 8)",
        "3/3/3/1 (niveau de maîtrise 9)",
        "3/3/3/1 (niveau de maîtrise 9)",
        "3/3/3/2 (niveau de maîtrise 9)",
        "3/3/3/3 (niveau de maîtrise 9)",
    };
    QString ligne = QStringLiteral("Capacités de Paladin : ")
                  + QStringLiteral("détection du mal à 18m (en se concentrant), +2 à tous les jets de protection, "
                                   "immunité contre toutes les maladies, soin en imposant les mains (")
                  + QString::number(2 * niveau) + QStringLiteral(" PV/jour), guérison des maladies (")
                  + QString::number((niveau - 1) / 5 + 1) + QStringLiteral(" fois/semaine), aura de protection sur 3m");
    if (niveau >= 3)
        ligne += QStringLiteral(", pouvoir de repousser les morts-vivants comme un clerc de niveau ") + QString::number(niveau - 2);
    if (niveau >= 4)
        ligne += QStringLiteral(", possibilité d'appeler son cheval de bataille");
    if (niveau >= 9)
        ligne += QStringLiteral(", sorts de clerc/jour : ") + piece(sorts, 9, static_cast<int>(qMin<qint64>(niveau, 20)));
    lignes.append(ligne + QStringLiteral("."));
}

void ajouteMage(const Personnage& p, QStringList& lignes)
{
    if (!p.EstDeClasse(ClasseDeBase::Mage) && !p.EstDeClasse(ClasseDeBase::Illusioniste))
        return;
    const int niveau = niveauDeTable(p.NiveauParClasse(ClasseDeBase::Mage) + p.NiveauParClasse(ClasseDeBase::Illusioniste));
    if (niveau == 0)
        return;
    static const QStringList table = {
        "1 (niveau de maîtrise 1)",
        "2 (niveau de maîtrise 2)",
        "2/1 (niveau de maîtrise 3)",
        "3/2 (niveau de maîtrise 4)",
        "4/2/1 (niveau de maîtrise 5)",
        "4/2/2 (niveau de maîtrise 6)",
        "4/3/2/1 (niveau de maîtrise 7)",
        "4/3/3/2 (niveau de maîtrise 8)",
        "4/3/3/2/1 (niveau de maîtrise 9)",
        "4/4/3/2/2 (niveau de maîtrise 10)",
        "4/4/4/3/3 (niveau de maîtrise 11)",
        "4/4/4/4/4/1 (niveau de maîtrise 12)",
        "5/5/5/4/4/2 (niveau de maîtrise 13)",
        "5/5/5/4/4/2/1 (niveau de maîtrise 14)",
        "5/5/5/5/5/2/1 (niveau de maîtrise 15)",
        "5/5/5/5/5/3/2/1 (niveau de maîtrise 16)",
        "5/5/5/5/5/3/3/2 (niveau de maîtrise 17)",
        "5/5/5/5/5/3/3/2/1 (niveau de maîtrise 18)",
        "5/5/5/5/5/3/3/3/1 (niveau de maîtrise 19)",
        "5/5/5/5/5/4/3/3/2 (niveau de maîtrise 20)",
    };
    lignes.append(QStringLiteral("Sorts de mage/jour : ") + piece(table, 1, niveau));
}

void ajoutePretre(const Personnage& p, QStringList& lignes)
{
    if (!p.EstDeClasse(ClasseDeBase::Clerc) && !p.EstDeClasse(ClasseDeBase::Druide))
        return;
    const int niveau = niveauDeTable(p.NiveauParClasse(ClasseDeBase::Clerc) + p.NiveauParClasse(ClasseDeBase::Druide));
    if (niveau == 0)
        return;
    static const QStringList jusquA10 = {
        "1 (niveau de maîtrise 1)",
        "2 (niveau de maîtrise 2)",
        "2/1 (niveau de maîtrise 3)",
        "3/2 (niveau de maîtrise 4)",
        "3/3/1 (niveau de maîtrise 5)",
        "3/3/2 (niveau de maîtrise 6)",
        "3/3/2/1 (niveau de maîtrise 7)",
        "3/3/3/2 (niveau de maîtrise 8)",
        "4/4/3/2/1 (niveau de maîtrise 9)",
        "4/4/3/3/2 (niveau de maîtrise 10)",
    };
    // From level 11: Sagesse 18 or more, Sagesse 17, Sagesse below 17.
    static const QStringList sagesse18 = {
        "5/4/4/3/2/1 (niveau de maîtrise 11)",
        "6/5/5/3/2/2 (niveau de maîtrise 12)",
        "6/6/6/4/2/2 (niveau de maîtrise 13)",
        "6/6/6/5/3/2/1 (niveau de maîtrise 14)",
        "6/6/6/6/4/2/1 (niveau de maîtrise 15)",
        "7/7/7/6/4/3/1 (niveau de maîtrise 16)",
        "7/7/7/7/5/3/2 (niveau de maîtrise 17)",
        "8/8/8/8/6/4/2 (niveau de maîtrise 18)",
        "9/9/8/8/6/4/2 (niveau de maîtrise 19)",
        "9/9/9/8/7/5/2 (niveau de maîtrise 20)",
    };
    static const QStringList sagesse17 = {
        "5/4/4/3/2/1 (niveau de maîtrise 11)",
        "6/5/5/3/2/2 (niveau de maîtrise 12)",
        "6/6/6/4/2/2 (niveau de maîtrise 13)",
        "6/6/6/5/3/2 (niveau de maîtrise 14)",
        "6/6/6/6/4/2 (niveau de maîtrise 15)",
        "7/7/7/6/4/3 (niveau de maîtrise 16)",
        "7/7/7/7/5/3 (niveau de maîtrise 17)",
        "8/8/8/8/6/4 (niveau de maîtrise 18)",
        "9/9/8/8/6/4 (niveau de maîtrise 19)",
        "9/9/9/8/7/5 (niveau de maîtrise 20)",
    };
    static const QStringList sagesseMoins = {
        "5/4/4/3/2 (niveau de maîtrise 11)",
        "6/5/5/3/2 (niveau de maîtrise 12)",
        "6/6/6/4/2 (niveau de maîtrise 13)",
        "6/6/6/5/3 (niveau de maîtrise 14)",
        "6/6/6/6/4 (niveau de maîtrise 15)",
        "7/7/7/6/4 (niveau de maîtrise 16)",
        "7/7/7/7/5 (niveau de maîtrise 17)",
        "8/8/8/8/6 (niveau de maîtrise 18)",
        "9/9/8/8/6 (niveau de maîtrise 19)",
        "9/9/9/8/7 (niveau de maîtrise 20)",
    };
    const int sagesse = EntierOuDefaut(p.sagesse);
    QString texte;
    if (niveau <= 10)
        texte = piece(jusquA10, 1, niveau);
    else if (sagesse >= 18)
        texte = piece(sagesse18, 11, niveau);
    else if (sagesse == 17)
        texte = piece(sagesse17, 11, niveau);
    else
        texte = piece(sagesseMoins, 11, niveau);
    lignes.append(QStringLiteral("Sorts de clerc/jour : ") + texte);
}

void ajouteVoleur(const Personnage& p, QStringList& lignes)
{
    if (!p.EstDeClasse(ClasseDeBase::Voleur))
        return;
    const int niveau = niveauDeTable(p.NiveauParClasse(ClasseDeBase::Voleur));
    if (niveau == 0)
        return;
    QString ligne = QStringLiteral("Compétences de Voleur : ");
    if (niveau <= 4)
        ligne += QStringLiteral("Attaque dans le dos x2");
    else if (niveau <= 8)
        ligne += QStringLiteral("Attaque dans le dos x3");
    else if (niveau <= 12)
        ligne += QStringLiteral("Attaque dans le dos x4");
    else
        ligne += QStringLiteral("Attaque dans le dos x5");
    if (niveau >= 10)
        ligne += QStringLiteral(", utilisation de parchemins magiques et cléricaux (75%)");
    lignes.append(ligne);
}

void ajouteBarde(const Personnage& p, QStringList& lignes)
{
    if (!p.EstDeClasse(ClasseDeBase::Barde))
        return;
    const int niveau = niveauDeTable(p.NiveauParClasse(ClasseDeBase::Barde));
    if (niveau == 0)
        return;
    static const QStringList sorts = {
        ", sorts de mage/jour : 1 (niveau de maîtrise 1)",
        ", sorts de mage/jour : 2 (niveau de maîtrise 2)",
        ", sorts de mage/jour : 2/1 (niveau de maîtrise 3)",
        ", sorts de mage/jour : 3/1 (niveau de maîtrise 4)",
        ", sorts de mage/jour : 3/2 (niveau de maîtrise 5)",
        ", sorts de mage/jour : 3/2/1 (niveau de maîtrise 6)",
        ", sorts de mage/jour : 3/3/1 (niveau de maîtrise 7)",
        ", sorts de mage/jour : 3/3/2 (niveau de maîtrise 8)",
        ", sorts de mage/jour : 3/3/2/1 (niveau de maîtrise 9)",
        ", sorts de mage/jour : 3/3/3/1 (niveau de maîtrise 10)",
        ", sorts de mage/jour : 3/3/3/2 (niveau de maîtrise 11)",
        ", sorts de mage/jour : 3/3/3/2/1 (niveau de maîtrise 12)",
        ", sorts de mage/jour : 3/3/3/3/1 (niveau de maîtrise 13)",
        ", sorts de mage/jour : 3/3/3/3/2 (niveau de maîtrise 14)",
        ", sorts de mage/jour : 4/3/3/3/2/1 (niveau de maîtrise 15)",
        ", sorts de mage/jour : 4/4/3/3/3/1 (niveau de maîtrise 16)",
        ", sorts de mage/jour : 4/4/4/3/3/2 (niveau de maîtrise 17)",
        ", sorts de mage/jour : 4/4/4/4/3/2 (niveau de maîtrise 18)",
        ", sorts de mage/jour : 4/4/4/4/4/3 (niveau de maîtrise 19)",
    };
    QString ligne = QStringLiteral("Compétences de Barde : ")
                  + QStringLiteral("possibilité d'influencer les réactions, de contrer les effets des attaques "
                                   "magiques sur 9m, connaissances générales");
    if (niveau >= 2)
        ligne += piece(sorts, 2, niveau);
    lignes.append(ligne);
}

void ajouteSpheres(const Personnage& p, const ChoixSpheres& choix, QStringList& lignes)
{
    if (!p.LanceSortsDePretre())
        return;
    QString ligne = QStringLiteral("Sphères d'influence : ");
    for (std::size_t i = 0; i < NombreSpheres; ++i) {
        if (choix[i] == AccesSphere::Majeur)
            ligne += Spheres()[i].nom + QStringLiteral(" ");
        else if (choix[i] == AccesSphere::Mineur)
            ligne += Spheres()[i].nom + QStringLiteral(" [mineur] ");
    }
    ligne.chop(1);
    lignes.append(ligne);
}

}

void ResumeClasseRace(const Personnage& p, const ChoixSpheres& spheres, const ChargeurListe& comprace,
                      const ChargeurListe& xp, QStringList& lignes)
{
    lignes.clear();
    ajouteRace(p, comprace(), lignes);
    ajouteBonusXP(p, lignes);
    ajouteImmunite(p, lignes);
    ajouteRanger(p, lignes);
    ajoutePaladin(p, lignes);
    ajouteMage(p, lignes);
    ajoutePretre(p, lignes);
    ajouteVoleur(p, lignes);
    ajouteBarde(p, lignes);
    lignes.append(XPNiveauSuivant(p, xp()));
    ajouteSpheres(p, spheres, lignes);
}

void ResumeClasseRace(const Personnage& p, const ChoixSpheres& spheres, const ListeTexte& comprace,
                      const ListeTexte& xp, QStringList& lignes)
{
    ResumeClasseRace(p, spheres, [&] { return comprace; }, [&] { return xp; }, lignes);
}

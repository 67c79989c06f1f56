#include "Champs.h"
#include "Combat.h"
#include "ListeTexte.h"
#include "Pages.h"
#include "ResumeClasseRace.h"

#include <algorithm>

namespace {

// A value in a box stands clear of its edges: a space on each side.
QString encadre(const QString& valeur)
{
    return QLatin1Char(' ') + valeur + QLatin1Char(' ');
}

// Everything after the n-th "&" of the line (empty when it has fewer).
QString apres(const QString& ligne, int n)
{
    qsizetype debut = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype p = ligne.indexOf(u'&', debut);
        if (p < 0)
            return QString();
        debut = p + 1;
    }
    return ligne.mid(debut);
}

QString niveaux(const Personnage& p)
{
    QStringList n;
    for (int i = 0; i < std::min(p.NombreDeClasses(), 3); ++i)
        n.append(p.niveaux[std::size_t(i)]);
    return n.join(u'-');
}

QString valeurForce(const Personnage& p)
{
    if (p.ForceExceptionnelle())
        return QStringLiteral("18 (") + p.extra + QStringLiteral(" %)");
    return p.force;
}

void identite(PageDeDessin& page, const Personnage& p)
{
    page.LigneDeLegendes(10, page.Y, page.W - 10,
                         {QStringLiteral("NOM"), QStringLiteral("RACE"), QStringLiteral("SEXE"), QStringLiteral("AGE"),
                          QStringLiteral("TAILLE"), QStringLiteral("POIDS")},
                         {encadre(p.nom), encadre(p.race), encadre(p.sexe), encadre(p.age), encadre(p.taille),
                          encadre(p.poids)});
    page.Y += page.HauteurPaire();
    page.Y += page.HauteurLigne();
    page.LigneDeLegendes(10, page.Y, page.W - 10,
                         {QStringLiteral("CLASSE"), QStringLiteral("NIVEAU"), QStringLiteral("EXPERIENCE"),
                          QStringLiteral("Points de Vie"), QStringLiteral("Alignement"),
                          QStringLiteral("Classe d'armure")},
                         {encadre(p.classe), encadre(niveaux(p)), QString(24, u' '), encadre(p.pointsDeVie),
                          encadre(p.alignement), QString(16, u' ')});
    page.Y += page.HauteurPaire();
    page.Y += page.HauteurLigne();

    page.ChoisitPolice(TimesNewRoman, 12, Italique);
    page.X = 10;
    page.EcritEtAvance(page.Y, QStringLiteral("Langues parlées "));
    page.TexteEncadre(page.X + 3, page.Y, encadre(p.langues));
}

void caracteristiques(PageDeDessin& page, const DonneesImpression& d)
{
    const Personnage& p = d.Perso;
    const int h = page.W / 8;
    page.ChoisitPolice(TimesNewRoman, 12, Gras);
    page.Y += 2 * page.HauteurLigne();
    const QStringList legendes{QStringLiteral("Force"),     QStringLiteral("Intelligence"), QStringLiteral("Sagesse"),
                               QStringLiteral("Dextérité"), QStringLiteral("Constitution"), QStringLiteral("Charisme"),
                               QStringLiteral("Beauté")};
    const QStringList scores{valeurForce(p),  p.intelligence, p.sagesse, p.dexterite,
                             p.constitution, p.charisme,     p.beaute};
    for (int i = 0; i < 7; ++i)
        page.CaseCaracteristique((i + 1) * h, page.Y, encadre(scores[i]), legendes[i]);
    page.Y += 2 * page.HauteurLigne() + page.HauteurLigne() / 4;

    // Six rows of adjustments under their abilities: (column, legend, slot).
    struct Case {
        int colonne;
        const char* legende;
        std::size_t slot;
        bool montre;
    };
    const bool mage = p.EstDeClasse(ClasseDeBase::Mage) || p.EstDeClasse(ClasseDeBase::Illusioniste);
    const bool pretre = p.EstDeClasse(ClasseDeBase::Clerc) || p.EstDeClasse(ClasseDeBase::Druide);
    const bool regeneration = EntierOuDefaut(p.constitution) > 19;
    const bool immunite = EntierOuDefaut(p.intelligence) > 18;
    using namespace Ajustement;
    const QList<QList<Case>> rangees{
        {{1, "Toucher", Toucher, true},
         {2, "Nombre langues", NombreLangues, true},
         {3, "Défense magie", DefenseMagie, true},
         {4, "Réaction projectiles", ReactionProjectiles, true},
         {5, "Ajustement PV", AjustementPV, true},
         {6, "Réaction", Reaction, true}},
        {{1, "Dégâts", Degats, true},
         {2, "Niveau max sorts", NiveauMaxSorts, mage},
         {3, "Echec sort", EchecSorts, pretre},
         {4, "Défense", Defense, true},
         {5, "Choc métabolique", ChocMetabolique, true},
         {6, "Max suivants", MaxSuivants, true}},
        {{1, "Poids autorisé", PoidsAutorise, true},
         {2, "Connaître les sorts", ConnaitreLesSorts, mage},
         {5, "Résurrection", Resurrection, true},
         {6, "Loyauté", Loyaute, true}},
        {{1, "Charge", Charge, true},
         {2, "Nombre max de sorts", NombreMaxDeSorts, mage},
         {5, "Poison", Poison, true}},
        {{1, "Portes", Portes, true},
         {3, "Bonus sorts de clerc", BonusSorts, pretre},
         {5, "Régénération", Regeneration, regeneration}},
        {{1, "Barreaux", Barreaux, true},
         // Under Dextérité, not under Intelligence.
         {4, "Immunité aux illusions", ImmuniteIllusions, immunite}},
    };
    page.ChoisitPolice(TimesNewRoman, 8);
    page.Y += page.HauteurLigne() / 2;
    for (const QList<Case>& rangee : rangees) {
        for (const Case& c : rangee)
            if (c.montre)
                page.CaseCaracteristique(c.colonne * h, page.Y, encadre(d.Ajustements[c.slot]),
                                         QString::fromUtf8(c.legende));
        page.Y += 2 * page.HauteurLigne() + page.HauteurLigne() / 4;
        page.Y += page.HauteurLigne() / 2;
    }
    page.Trait(10, page.Y, page.W - 10, page.Y);
    page.Y += page.HauteurLigne() / 4;
}

void competences(PageDeDessin& page, const DonneesImpression& d)
{
    const int W = page.W;
    page.ChoisitPolice(Arial, 12, Gras);
    page.EcritCentre(0, page.Y, W, QStringLiteral("Compétences"));
    page.Y += page.HauteurLigne() / 4;
    page.ChoisitPolice(TimesNewRoman, 9);
    int k = 0;
    for (const QString& ligne : d.Competences) {
        ++k;
        if (k % 2 == 1)
            page.Y += page.HauteurLigne() + page.HauteurLigne() / 4;
        const int decalage = k % 2 == 1 ? 0 : W / 2;
        page.EcritADroite(decalage + W / 4, page.Y, Champ1(ligne));
        page.EcritADroite(decalage + W / 4 + W / 8, page.Y, Champ3(ligne));
        page.EcritADroite(decalage + (7 * W) / 16, page.Y, apres(ligne, 3));
    }
    page.Y += page.HauteurLigne();
    page.Y += page.HauteurLigne() / 2;
    page.ChoisitPolice(TimesNewRoman, 9, Italique);
    page.canevas.Ecrit(10, page.Y, TexteIlReste(d.PointsCompetences) + QStringLiteral(" pour les compétences"));
    page.Y += 4 * page.HauteurLigne();
}

void armes(PageDeDessin& page, const DonneesImpression& d, Cible cible)
{
    const Personnage& p = d.Perso;
    const int W = page.W;
    const int c1 = (W / 3 + W / 6) / 2;
    const int c2 = c1 + W / 8;
    const int c3 = c2 + W / 8;
    const int c4 = c3 + W / 8;
    const int c5 = c4 + W / 8;

    page.ChoisitPolice(TimesNewRoman, 12, Gras);
    const int wm = page.Largeur(QStringLiteral("m"));
    // On screen the box reaches wm further to the right.
    const int V = cible == Cible::Apercu ? W / 4 + c5 : W / 4 + c5 - wm;
    const int xv = c5 + page.Largeur(QStringLiteral("Autres Bonus")) + 2 * page.Largeur(QStringLiteral("mm"));
    const int u = page.HauteurLigne();

    const int t = page.Y;
    page.EcritCentre(10, page.Y, c1, QStringLiteral("ARME"));
    page.EcritCentre(c1, page.Y, c2, QStringLiteral("FACTEUR"));
    page.EcritCentre(c2, page.Y, c4, QStringLiteral("DEGATS"));
    page.EcritCentre(c4, page.Y, c5, QStringLiteral("Cadence"));
    page.EcritCentre(c5, page.Y, V, QStringLiteral("Attaques/Round : ") + AttaquesParRound(p));
    page.Y += u;
    const int b = page.Y;
    page.EcritCentre(c1, b, c2, QStringLiteral("VITESSE"));
    page.EcritCentre(c2, b, c3, QStringLiteral("P-M"));
    page.EcritCentre(c3, b, c4, QStringLiteral("G"));
    page.EcritCentre(c4, b, c5, QStringLiteral("de tir"));
    const int sousTitres = b + page.Hauteur(QStringLiteral("D"));
    page.Trait(10, sousTitres, c5, sousTitres);

    // The THACO box beside the table.
    int z = b;
    page.Trait(c5 + wm, z, V, z);
    z += u / 6;
    page.EcritCentre(c5, z, V, QStringLiteral("THACO"));
    z += u;
    const int r = z;
    page.Trait(c5 + wm, z, V, z);
    const QList<std::pair<QString, QString>> lignesTHACO{
        {QStringLiteral("Base"), CalculeTHACO(p)},
        {QStringLiteral("Bonus Force"), d.Ajustements[Ajustement::Toucher]},
        {QStringLiteral("Bonus Magie"), QString()},
        {QStringLiteral("Autres Bonus"), QString()},
        {QStringLiteral("THACO"), QString()},
    };
    for (const auto& [libelle, valeur] : lignesTHACO) {
        z += u / 6;
        page.canevas.Ecrit(c5 + 2 * wm, z, libelle);
        if (!valeur.isEmpty())
            page.EcritCentre(xv, z, V, valeur);
        z += u;
        page.Trait(c5 + wm, z, V, z);
    }
    page.Trait(c5 + wm, b, c5 + wm, z);
    page.Trait(xv - wm, z, xv - wm, r);
    page.Trait(V, b, V, z);

    page.Y = b + u / 8;
    page.ChoisitPolice(TimesNewRoman, 9);
    for (const QString& ligne : d.Armes) {
        page.Y += page.HauteurLigne() + page.HauteurLigne() / 4;
        page.EcritADroite(c1 - W / 32, page.Y, Champ1(ligne));
        page.EcritCentre(c1, page.Y, c2, Champ2(ligne));
        page.EcritCentre(c2, page.Y, c3, Champ3(ligne));
        page.EcritCentre(c3, page.Y, c4, Champ4(ligne));
        page.EcritCentre(c4, page.Y, c5, apres(ligne, 4));
    }
    page.Y += page.HauteurLigne() + page.HauteurLigne() / 4;
    page.Trait(10, t, c5, t);
    page.Trait(10, page.Y, c5, page.Y);
    for (int x : {10, c1, c2, c4, c5})
        page.Trait(x, t, x, page.Y);
    page.Trait(c3, b, c3, page.Y);
    page.Y = std::max(page.Y, z);
    page.Y += page.HauteurLigne() / 2;

    page.ChoisitPolice(TimesNewRoman, 9, Italique);
    page.X = 10;
    page.EcritEtAvance(page.Y, TexteIlReste(d.PointsArmes) + QStringLiteral(" pour les armes"));
    page.X += page.Largeur(QStringLiteral("mm"));
    if (!d.Specialisation.isEmpty())
        page.canevas.Ecrit(page.X, page.Y,
                           QStringLiteral("Spécialiste : ") + d.Specialisation.section(u'&', 0, 0));
    page.Y += 2 * page.HauteurLigne();
}

void talentsDeVoleur(PageDeDessin& page, const DonneesImpression& d)
{
    page.ChoisitPolice(Arial, 12, Gras);
    page.EcritCentre(0, page.Y, page.W, QStringLiteral("Talents de Voleur"));
    page.Y += page.HauteurLigne();
    page.ChoisitPolice(TimesNewRoman, 9);
    QStringList valeurs;
    for (int v : d.TalentsVoleur)
        valeurs.append(QLatin1Char(' ') + QString::number(v) + QStringLiteral("% "));
    page.LigneDeLegendes(10, page.Y, page.W - 10,
                         {QStringLiteral("Pickpocket"), QStringLiteral("Serrures"), QStringLiteral("Pièges"),
                          QStringLiteral("Déplacement silencieux"), QStringLiteral("Se cacher dans l'ombre"),
                          QStringLiteral("Ecouter"), QStringLiteral("Grimper"),
                          QStringLiteral("Lire des langues inconnues")},
                         valeurs);
    page.Y += page.HauteurPaire();
    page.Y += page.HauteurLigne();
}

void notesEtJets(PageDeDessin& page, DonneesImpression& d)
{
    const Personnage& p = d.Perso;
    const int xs = (2 * page.W) / 3;
    ResumeClasseRace(p, d.Spheres, [&] { return ListeTexte::charge(d.FichierDonnees(QStringLiteral("comprace.dat"))); },
                     [&] { return ListeTexte::charge(d.FichierDonnees(QStringLiteral("XP.dat"))); }, d.NotesStandard);
    page.ChoisitPolice(Arial, 12, Gras);
    const int n = page.Y;
    page.EcritCentre(0, page.Y, xs, QStringLiteral("Notes"));
    page.Y += page.HauteurLigne();
    page.ChoisitPolice(TimesNewRoman, 9, Italique);
    for (const QStringList* lignes : {&d.NotesStandard, &d.Notes})
        for (const QString& ligne : *lignes) {
            page.EcritParagraphe(10, xs, ligne);
            page.Y += page.HauteurLigne();
        }

    page.Y = n;
    page.ChoisitPolice(Arial, 12, Gras);
    page.EcritCentre(xs, page.Y, page.W, QStringLiteral("Jets de protection"));
    page.Y += page.HauteurLigne();
    page.ChoisitPolice(TimesNewRoman, 9);
    CalculeJetsDeProtection(p, ListeTexte::charge(d.FichierDonnees(QStringLiteral("ST.dat"))), d.JetsDeProtection);
    const int xl = xs + 10;
    const int xb = xl + page.Largeur(QStringLiteral("Paralysie, Poison, Mort magique : m"));
    const QStringList libelles{QStringLiteral("Paralysie, Poison, Mort magique : "),
                               QStringLiteral("Bâton, Bâtonnet, Baguette : "),
                               QStringLiteral("Pétrification, Métamorphose : "), QStringLiteral("Souffle : "),
                               QStringLiteral("Sort : ")};
    for (int i = 0; i < 5; ++i) {
        page.canevas.Ecrit(xl, page.Y, libelles[i]);
        page.TexteEncadre(xb, page.Y, encadre(d.JetsDeProtection[std::size_t(i)]));
        page.Y += page.HauteurLigne() + page.HauteurLigne() / 2;
    }
}

}

void DessineFiche(PageDeDessin& page, DonneesImpression& donnees, Cible cible)
{
    CalculeAjustements(donnees.Perso, ListeTexte::charge(donnees.FichierDonnees(QStringLiteral("Vardel.Aju"))),
                       donnees.Ajustements);
    page.Efface();
    page.ChoisitPolice(TimesNewRoman, 12, Gras);
    page.Y = 10;
    identite(page, donnees.Perso);
    caracteristiques(page, donnees);
    competences(page, donnees);
    armes(page, donnees, cible);
    if (donnees.Perso.EstDeClasse(ClasseDeBase::Voleur))
        talentsDeVoleur(page, donnees);
    page.Y += page.HauteurLigne();
    page.Trait(10, page.Y, page.W - 10, page.Y);
    page.Y += page.HauteurLigne() / 2;
    notesEtJets(page, donnees);
}

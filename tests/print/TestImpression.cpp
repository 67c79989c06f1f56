#include "Apercu.h"
#include "Exemples.h"
#include "Impression.h"
#include "Pages.h"
#include "Perso.h"

#include <gtest/gtest.h>

namespace {

TEST(Impression, SpellPagesOfferedByClassAndLevel)
{
    struct Cas {
        const char* classe;
        QStringList niveaux;
        bool mage, apercuMage, pretre;
    };
    const Cas cas[] = {
        {"Guerrier", {"9"}, false, false, false},
        {"Mage", {"1"}, true, true, false},
        {"Illusioniste-Voleur", {"3", "3"}, true, true, false},
        {"Barde", {"1"}, false, false, false},
        {"Barde", {"2"}, false, true, false},
        {"Clerc", {"1"}, false, false, true},
        {"Druide", {"1"}, false, false, true},
        {"Paladin", {"8"}, false, false, false},
        {"Paladin", {"9"}, false, false, true},
        {"Ranger", {"7"}, false, false, false},
        {"Ranger", {"8"}, false, false, true},
        {"Guerrier-Clerc", {"9", "1"}, false, false, true},
    };
    for (const Cas& c : cas) {
        const Personnage p = perso(c.classe, c.niveaux);
        EXPECT_EQ(OffreSortsDeMage(p), c.mage) << c.classe << " " << c.niveaux.join("-");
        EXPECT_EQ(ApercuSortsDeMage(p), c.apercuMage) << c.classe << " " << c.niveaux.join("-");
        EXPECT_EQ(OffreSortsDePretre(p), c.pretre) << c.classe << " " << c.niveaux.join("-");
    }
}

// A cleric-mage with one spell in the book and the standard spheres: each
// kind holds on one page of 2000 × 3000.
DonneesImpression clercMage()
{
    DonneesImpression d = donneesGuerrier();
    d.Perso.classe = "Clerc-Mage";
    d.Perso.niveaux = {"1", "1", ""};
    d.Spheres = ChoixStandard();
    d.SortsDeMage[0] = {"Projectile magique&1&Instantané&60 m&1 créature&V, S"};
    return d;
}

// The first text of every page of the document.
QStringList debutsDePage(const CanevasEnregistreur& c)
{
    QStringList debuts;
    for (int n = 1; n <= c.nombreDePages(); ++n) {
        const QStringList textes = c.textesDeLaPage(n);
        debuts.append(textes.isEmpty() ? QString() : textes.first());
    }
    return debuts;
}

TEST(Impression, ChosenKindsInTheirOrderWithOneNewPageBetweenKinds)
{
    const QString fiche = "NOM", possessions = "Possessions de Arthur", livre = "Livre de sorts de Arthur",
                  pretre = "Sorts de prêtre de Arthur";
    struct Cas {
        PagesChoisies pages;
        QStringList debuts;
    };
    const Cas cas[] = {
        {{true, false, false, false}, {fiche}},
        {{false, false, false, true}, {pretre}},
        {{true, false, false, true}, {fiche, pretre}},
        {{false, true, true, false}, {possessions, livre}},
        {{false, false, true, true}, {livre, pretre}},
        {{true, true, true, true}, {fiche, possessions, livre, pretre}},
    };
    for (const Cas& c : cas) {
        DonneesImpression d = clercMage();
        CanevasEnregistreur canevas;
        PaginationEnregistree pagination(canevas);
        int lectures = 0;
        ImprimePages(c.pages, d, canevas, pagination, [&] {
            ++lectures;
            return QSize(2000, 3000);
        });
        EXPECT_EQ(debutsDePage(canevas), c.debuts) << c.debuts.join(", ");
        // The size is read again before each kind.
        EXPECT_EQ(lectures, c.debuts.size()) << c.debuts.join(", ");
        // The priest lists are built just before their pages.
        EXPECT_EQ(d.SortsDeClercParNiveau[0].isEmpty(), !c.pages.SortsPretre) << c.debuts.join(", ");
    }
}

// A mage with `n` spells of level 1, none with a roll. On the recording
// canvas (u = 16 in Times New Roman 8, 24 in 12, 28 in Arial 14) each row is
// 40 high ("? %" takes three lines of the narrow "Dé %" column): the first
// preview page takes the rows whose top is at 130, 170, ... 1210 (28 rows),
// a later one those from 82 to 1202 (29 rows).
DonneesImpression mage(int n)
{
    DonneesImpression d = donneesGuerrier();
    d.Perso.classe = "Mage";
    d.Perso.intelligence = "18";
    for (int i = 1; i <= n; ++i)
        d.SortsDeMage[0].append(QStringLiteral("S%1&1&1&1&1&1").arg(i, 3, 10, QLatin1Char('0')));
    return d;
}

// The texts drawn since the paint box was last cleared: what the page shows.
QStringList textesVisibles(const CanevasEnregistreur& c)
{
    QStringList textes;
    for (const auto& t : c.traces) {
        if (t.genre == CanevasEnregistreur::Genre::Rectangle && t.x1 == 0 && t.y1 == 0 && t.x2 == LargeurApercu
            && t.y2 == HauteurApercu)
            textes.clear();
        else if (t.genre == CanevasEnregistreur::Genre::Texte)
            textes.append(t.texte);
    }
    return textes;
}

TEST(Apercu, CountsThePagesOfTheSpellbook)
{
    struct Cas {
        int sorts, pagesMage;
    };
    // 28 rows end at 1250, and the space after the table passes the box: a
    // last page with the title alone; likewise 29 more on the next page.
    const Cas cas[] = {{0, 1}, {27, 1}, {28, 2}, {29, 2}, {56, 2}, {57, 3}, {58, 3}};
    for (const Cas& c : cas) {
        Apercu a;
        CanevasEnregistreur mesure;
        a.Ouvre(mage(c.sorts), mesure);
        EXPECT_EQ(a.PagesMage, c.pagesMage) << c.sorts;
        EXPECT_EQ(a.NombreDePages, 2 + c.pagesMage) << c.sorts;
        EXPECT_FALSE(a.Comptage);
        EXPECT_EQ(a.PageCourante, 1);
    }
}

TEST(Apercu, NoSpellPagesForAFighterAndTheChanceTakenAtOpening)
{
    Apercu a;
    a.PagesMage = 5;
    a.PageCourante = 3;
    CanevasEnregistreur mesure;
    DonneesImpression d = donneesGuerrier();
    d.ChanceApprentissage = 0;
    d.Perso.intelligence = "17";
    a.Ouvre(d, mesure);
    EXPECT_EQ(a.NombreDePages, 2);
    EXPECT_EQ(a.PagesMage, 0);
    EXPECT_EQ(a.PageCourante, 1);
    EXPECT_EQ(a.ChanceApprentissage, ChanceApprendreSort(17));
    EXPECT_EQ(a.Donnees.ChanceApprentissage, ChanceApprendreSort(17));
    // Opening drew the sheet once: its figures are refreshed.
    EXPECT_FALSE(a.Donnees.Ajustements[0].isEmpty());
    EXPECT_FALSE(a.Donnees.JetsDeProtection[0].isEmpty());
    EXPECT_EQ(a.Titre(), "Aperçu avant Impression --- Page 1");
}

TEST(Apercu, EachSpellbookPageShowsItsOwnRowsAndStopsAtItsEnd)
{
    Apercu a;
    CanevasEnregistreur mesure;
    a.Ouvre(mage(70), mesure);
    ASSERT_EQ(a.PagesMage, 3);
    struct Cas {
        int page;
        QString premier, dernier;
    };
    const Cas cas[] = {{3, "S001", "S028"}, {4, "S029", "S057"}, {5, "S058", "S070"}};
    for (const Cas& c : cas) {
        a.PageCourante = c.page;
        CanevasEnregistreur boite;
        a.DessinePage(boite);
        QStringList sorts;
        for (const QString& t : textesVisibles(boite))
            if (t.startsWith("S0"))
                sorts.append(t);
        ASSERT_FALSE(sorts.isEmpty()) << c.page;
        EXPECT_EQ(sorts.first(), c.premier) << c.page;
        EXPECT_EQ(sorts.last(), c.dernier) << c.page;
        EXPECT_EQ(textesVisibles(boite).first(), "Livre de sorts de Arthur") << c.page;
        EXPECT_EQ(a.SousPage + 2, c.page);
    }
}

// A mage with 120 spells at each of the first three levels: names of every
// length (many wrap in the name column, so rows differ in height), a roll
// for ten spells in eleven, of which those above the chance fail.
DonneesImpression grandLivre()
{
    DonneesImpression d = mage(0);
    const QStringList noms{"Projectile magique", "Lumière", "Boule de feu", "Toile d'araignée",
                           "Un sort dont le nom ne tient jamais sur une seule ligne de sa colonne"};
    for (std::size_t niveau = 0; niveau < 3; ++niveau) {
        for (int i = 0; i < 120; ++i) {
            const QString nom = noms[i % noms.size()] + QStringLiteral(" %1").arg(i);
            d.SortsDeMage[niveau].append(nom + "&1&1 round/niv.&30 m&Spéciale&V, S, M");
            if (i % 11 != 0)
                d.SortsDeMageParNiveau[niveau].append(nom + "&" + QString::number((13 * i + 7) % 100 + 1));
        }
    }
    return d;
}

// The traces of the paint box since it was last cleared.
QList<CanevasEnregistreur::Trace> tracesVisibles(const CanevasEnregistreur& c)
{
    QList<CanevasEnregistreur::Trace> r;
    for (const auto& t : c.traces) {
        if (t.genre == CanevasEnregistreur::Genre::Rectangle && t.x1 == 0 && t.y1 == 0 && t.x2 == LargeurApercu
            && t.y2 == HauteurApercu)
            r.clear();
        else
            r.append(t);
    }
    return r;
}

// The traces of page n (from 1) of a recording whose breaks are marked.
QList<CanevasEnregistreur::Trace> tracesDeLaPage(const CanevasEnregistreur& c, int n)
{
    QList<CanevasEnregistreur::Trace> r;
    int page = 1;
    for (const auto& t : c.traces) {
        if (t.genre == CanevasEnregistreur::Genre::Page)
            ++page;
        else if (page == n)
            r.append(t);
    }
    return r;
}

TEST(Apercu, EachPageOfABigBookIsThePageOfTheWholeBookDrawn)
{
    Apercu a;
    CanevasEnregistreur mesure;
    a.Ouvre(grandLivre(), mesure);

    // The whole book drawn at once on the paint box's size, every break kept.
    CanevasEnregistreur livre;
    PaginationEnregistree sauts(livre);
    PageDeDessin page(livre, LargeurApercu, HauteurApercu);
    ASSERT_TRUE(DessineLivreDeSorts(page, a.Donnees, sauts, Cible::Apercu));
    const int pages = livre.nombreDePages();
    ASSERT_GE(pages, 10);
    ASSERT_TRUE(livre.contient("Sorts ratés de niveau 3"));

    EXPECT_EQ(a.PagesMage, pages);
    EXPECT_EQ(a.NombreDePages, 2 + pages);
    // Every page shows what that page holds, at the same places, in the
    // same fonts, lines included.
    for (int n = 1; n <= pages; ++n) {
        a.PageCourante = n + 2;
        CanevasEnregistreur boite;
        a.DessinePage(boite);
        EXPECT_EQ(tracesVisibles(boite), tracesDeLaPage(livre, n)) << n;
        EXPECT_EQ(a.SousPage, n);
    }
}

TEST(Apercu, PriestPagesFollowTheSpellbook)
{
    DonneesImpression d = mage(29);
    d.Perso.classe = "Clerc-Mage";
    d.Perso.niveaux = {"9", "9", ""};
    d.Perso.sagesse = "18";
    d.Spheres = ChoixStandard();
    Apercu a;
    CanevasEnregistreur mesure;
    a.Ouvre(d, mesure);
    ASSERT_FALSE(a.Donnees.SortsDeClercParNiveau[0].isEmpty());

    // The priest pages the preview counts are those their drawing makes.
    CanevasEnregistreur seul;
    PaginationEnregistree sauts(seul);
    PageDeDessin page(seul, LargeurApercu, HauteurApercu);
    DessineSortsDePretre(page, a.Donnees, sauts);
    EXPECT_EQ(a.PagesMage, 2);
    EXPECT_EQ(a.NombreDePages, 2 + 2 + 1 + sauts.sauts);
    ASSERT_GE(sauts.sauts, 1);

    const QString titre = "Sorts de prêtre de Arthur";
    for (int n = a.PagesMage + 3; n <= a.NombreDePages; ++n) {
        a.PageCourante = n;
        CanevasEnregistreur boite;
        a.DessinePage(boite);
        const QStringList attendus = seul.textesDeLaPage(n - a.PagesMage - 2);
        EXPECT_EQ(textesVisibles(boite), attendus) << n;
        EXPECT_EQ(textesVisibles(boite).first(), titre) << n;
    }
}

}

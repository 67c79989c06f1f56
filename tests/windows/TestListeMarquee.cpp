#include "Colonnes.h"
#include "ListeMarquee.h"

#include "Fichiers.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Liste : public ::testing::Test {
protected:
    void SetUp() override
    {
        liste.resize(400, 200);
        liste.FixeLignes({"Natation&1&Force&0", "équitation&2&Dextérité&-2", "Escalade&2&Dextérité&0",
                          "Cuisine&1&Intelligence&+1", "astrologie&2&Intelligence&0"});
        liste.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&liste));
    }

    void clique(int i, Qt::MouseButton bouton = Qt::LeftButton)
    {
        QTest::mouseClick(liste.viewport(), bouton, {}, liste.visualItemRect(liste.item(i)).center());
    }

    QList<qsizetype> marquees() const { return liste.Marquees(); }

    ListeMarquee liste{4, 20};
};

bool encre(QRgb p) { return qGray(p) < 160; }

}

TEST_F(Liste, TrieeParLaCollationEtMesuree)
{
    ASSERT_EQ(liste.Nombre(), 5);
    QStringList textes;
    for (int i = 0; i < liste.Nombre(); ++i)
        textes.append(liste.Texte(i));
    // Case and accents do not move an entry away from its letter.
    EXPECT_EQ(textes, (QStringList{"astrologie&2&Intelligence&0", "Cuisine&1&Intelligence&+1", "équitation&2&Dextérité&-2",
                                   "Escalade&2&Dextérité&0", "Natation&1&Force&0"}));
    EXPECT_EQ(liste.Courante(), 0);
    EXPECT_TRUE(marquees().isEmpty());

    // The widest text of each column, in the list's font.
    const QFontMetrics m(liste.font());
    auto plusLarge = [&](const QStringList& textes) {
        int l = 0;
        for (const QString& t : textes)
            l = std::max(l, m.horizontalAdvance(t));
        return l;
    };
    EXPECT_EQ(liste.LargeursColonnes,
              (std::vector<int>{plusLarge({"Natation", "équitation", "Escalade", "Cuisine", "astrologie"}), plusLarge({"1", "2"}),
                                plusLarge({"Force", "Dextérité", "Intelligence"}), plusLarge({"0", "-2", "+1"})}));
}

TEST_F(Liste, UnClicOuLEspaceBasculeUneMarque)
{
    QSignalSpy clics(&liste, &ListeMarquee::Clic);
    clique(2);
    clique(4);
    EXPECT_EQ(marquees(), (QList<qsizetype>{2, 4}));
    EXPECT_EQ(liste.Courante(), 4);
    clique(2);
    EXPECT_EQ(marquees(), QList<qsizetype>{4});
    EXPECT_EQ(liste.Courante(), 2);
    EXPECT_EQ(clics.count(), 3);

    // The arrows move the current entry only; the space bar toggles it.
    QTest::keyClick(&liste, Qt::Key_Up);
    EXPECT_EQ(liste.Courante(), 1);
    EXPECT_EQ(marquees(), QList<qsizetype>{4});
    QTest::keyClick(&liste, Qt::Key_Space);
    EXPECT_EQ(marquees(), (QList<qsizetype>{1, 4}));
    QTest::keyClick(&liste, Qt::Key_Space);
    EXPECT_EQ(marquees(), QList<qsizetype>{4});
    EXPECT_EQ(clics.count(), 5);

    // Nothing else marks: select-all, a right click, the entries a drag
    // passes over, a click below the last entry.
    QTest::keyClick(&liste, Qt::Key_A, Qt::ControlModifier);
    clique(0, Qt::RightButton);
    EXPECT_EQ(marquees(), QList<qsizetype>{4});
    const QPoint de = liste.visualItemRect(liste.item(0)).center();
    const QPoint a = liste.visualItemRect(liste.item(3)).center();
    QTest::mousePress(liste.viewport(), Qt::LeftButton, {}, de);
    QTest::mouseMove(liste.viewport(), liste.visualItemRect(liste.item(2)).center());
    QTest::mouseMove(liste.viewport(), a);
    QTest::mouseRelease(liste.viewport(), Qt::LeftButton, {}, a);
    EXPECT_EQ(marquees(), (QList<qsizetype>{0, 4}));   // the press alone
    EXPECT_EQ(liste.Courante(), 0);                     // which the drag leaves current
    QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, QPoint(10, liste.viewport()->height() - 3));
    EXPECT_EQ(marquees(), (QList<qsizetype>{0, 4}));
    EXPECT_EQ(clics.count(), 6);
}

TEST_F(Liste, LesAutresBoutonsNeMarquentNiNeDeplacentLEntreeCourante)
{
    QSignalSpy clics(&liste, &ListeMarquee::Clic);
    clique(3);
    clique(1);   // marked 1 and 3, current 1
    ASSERT_EQ(marquees(), (QList<qsizetype>{1, 3}));
    ASSERT_EQ(liste.Courante(), 1);

    // On an unmarked entry (4) and on a marked one (3), never the current;
    // a click, then a double click.
    for (Qt::MouseButton bouton : {Qt::RightButton, Qt::MiddleButton})
        for (int i : {4, 3})
            for (bool deux : {false, true}) {
                if (deux)
                    QTest::mouseDClick(liste.viewport(), bouton, {}, liste.visualItemRect(liste.item(i)).center());
                else
                    clique(i, bouton);
                EXPECT_EQ(marquees(), (QList<qsizetype>{1, 3})) << bouton << " sur " << i << (deux ? ", double" : "");
                EXPECT_EQ(liste.Courante(), 1) << bouton << " sur " << i << (deux ? ", double" : "");
            }
    EXPECT_EQ(clics.count(), 2);
}

TEST_F(Liste, LesMarquesCommeValeurs)
{
    liste.Marque(1);
    liste.Marque(3);
    EXPECT_TRUE(liste.EstMarquee(1));
    EXPECT_FALSE(liste.EstMarquee(2));
    EXPECT_EQ(liste.LignesMarquees(), (QStringList{"Cuisine&1&Intelligence&+1", "Escalade&2&Dextérité&0"}));
    liste.Demarque(1);
    EXPECT_EQ(marquees(), QList<qsizetype>{3});
    liste.DemarqueTout();
    EXPECT_TRUE(marquees().isEmpty());

    for (int i : {-1, 5}) {
        EXPECT_EQ(echecDe([&] { liste.Texte(i); }), "Index liste hors bornes") << i;
        EXPECT_EQ(echecDe([&] { liste.EstMarquee(i); }), "Index liste hors bornes") << i;
        EXPECT_EQ(echecDe([&] { liste.Marque(i); }), "Index liste hors bornes") << i;
    }
    EXPECT_TRUE(marquees().isEmpty());
}

TEST_F(Liste, DessineLesColonnesEtLesMarques)
{
    liste.Marque(1);
    const QImage image = liste.viewport()->grab().toImage();
    const QColor surligne = liste.palette().color(QPalette::Active, QPalette::Highlight);
    const QColor fond = liste.palette().color(QPalette::Active, QPalette::Base);
    const int droite = image.width() - 3;
    for (int i = 0; i < liste.Nombre(); ++i) {
        const QRect r = liste.visualItemRect(liste.item(i));
        EXPECT_EQ(QColor(image.pixel(droite, r.center().y())), i == 1 ? surligne : fond) << i;
    }

    // Row 3, "Escalade&2&Dextérité&0": each column starts at its offset,
    // after a blank gap.
    const QRect r = liste.visualItemRect(liste.item(3));
    auto encreEntre = [&](int x0, int x1) {
        for (int x = std::max(x0, 0); x <= x1 && x < image.width(); ++x)
            for (int y = r.top(); y <= r.bottom(); ++y)
                if (encre(image.pixel(x, y)))
                    return true;
        return false;
    };
    EXPECT_TRUE(encreEntre(r.left(), r.left() + 4));
    for (int k = 1; k < 4; ++k) {
        const int x = r.left() + DebutColonne(liste.LargeursColonnes, k);
        EXPECT_FALSE(encreEntre(x - 25, x - 1)) << "colonne " << k;
        EXPECT_TRUE(encreEntre(x, x + 4)) << "colonne " << k;
    }
}

TEST(ListeMalFormee, OuvreEtDessineSansPerdreDeMarque)
{
    ListeMarquee liste(4, 20);
    liste.resize(300, 200);
    const QString longue = QString(300, QChar(u'é')) + "&1&Force&0";
    liste.FixeLignes({"", "Nage", "Saut&", "Pêche&x&Sagesse&0", longue, "Chant&1&Charisme"});
    liste.show();
    ASSERT_EQ(liste.Nombre(), 6);
    EXPECT_EQ(liste.LargeursColonnes[0], QFontMetrics(liste.font()).horizontalAdvance(QString(300, QChar(u'é'))));
    for (int i = 0; i < liste.Nombre(); ++i)
        QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, liste.visualItemRect(liste.item(i)).center());
    const QList<qsizetype> toutes = {0, 1, 2, 3, 4, 5};
    ASSERT_EQ(liste.Marquees(), toutes);
    liste.viewport()->grab();
    liste.scrollToBottom();
    liste.viewport()->grab();
    EXPECT_EQ(liste.Marquees(), toutes);
}

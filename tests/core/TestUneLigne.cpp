#include "UneLigne.h"

#include <gtest/gtest.h>

// Each kind of line end becomes one space, other control characters go,
// and the cursor keeps its place among the characters that stay.
TEST(UneLigne, FinsDeLigneEtCaracteresDeControle)
{
    struct Cas {
        QString texte;
        int position;
        QString ligne;
        int nouvellePosition;
    };
    const QString u85(QChar(0x0085)), u2028(QChar(0x2028)), u2029(QChar(0x2029));
    const Cas cas[] = {
        {"Thorgrim\nfils", 14, "Thorgrim fils", 13},
        {"Thorgrim\r\nfils", 15, "Thorgrim fils", 13},
        {"Thorgrim\rfils", 14, "Thorgrim fils", 13},
        {"a" + u85 + "b", 3, "a b", 3},
        {"a" + u2028 + "b" + u2029 + "c", 5, "a b c", 5},
        {"\r\n\r\n", 4, "  ", 2},
        {"\n\r", 2, "  ", 2},   // LF then CR: two line ends
        {QString("a\tb") + QChar(0x7F) + QChar(0x9F) + QChar(0x01) + "c", 7, "abc", 3},
        {QString::fromLatin1("a\0b", 3), 1, "ab", 1},
        {"a\r\nb", 2, "a b", 2},   // the cursor between CR and LF
        {"Dextérité œ € & “x”", 3, "Dextérité œ € & “x”", 3},
        {"", 0, "", 0},
    };
    for (const Cas& c : cas) {
        int position = c.position;
        EXPECT_EQ(UneLigne(c.texte, &position), c.ligne) << c.texte.toStdString();
        EXPECT_EQ(position, c.nouvellePosition) << c.texte.toStdString();
    }
}

TEST(UneLigne, FinsDeLigneVisiblesPourLesMessages)
{
    EXPECT_FALSE(ContientFinDeLigne(QString("a\tb") + QChar(0x01)));
    for (const QString& fin : {QString("\r"), QString("\n"), QString("\r\n"), QString(QChar(0x0085)),
                               QString(QChar(0x2028)), QString(QChar(0x2029))}) {
        EXPECT_TRUE(ContientFinDeLigne("a" + fin + "b"));
        EXPECT_EQ(FinsDeLigneVisibles("a" + fin + "b"), "a↵b");
    }
}

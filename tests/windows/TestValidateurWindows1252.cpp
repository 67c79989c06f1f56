#include "ValidateurWindows1252.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

// A real paste into a field: each kind of line end becomes one space, a
// control character goes, the cursor ends after what was pasted; a text the
// files cannot hold is refused whole.
TEST(ValidateurWindows1252, CollerDansUnChamp)
{
    struct Cas {
        QString colle;
        QString texte;
    };
    const Cas cas[] = {
        {"Thorgrim\nfils de Thror", "Thorgrim fils de Thror"},
        {"Thorgrim\r\nfils de Thror\r\n", "Thorgrim fils de Thror "},
        {"Thorgrim\rfils", "Thorgrim fils"},
        {QString("Thorgrim") + QChar(0x0085) + "fils", "Thorgrim fils"},
        {QString("Thorgrim") + QChar(0x2028) + "fils" + QChar(0x2029), "Thorgrim fils "},
        {"Thor\tgrim\x07", "Thorgrim"},
        {QStringLiteral("Thorgrim ő"), ""},
    };
    QLineEdit champ;
    champ.setValidator(new ValidateurWindows1252(&champ));
    champ.show();
    for (const Cas& c : cas) {
        champ.clear();
        QGuiApplication::clipboard()->setText(c.colle);
        QTest::keySequence(&champ, QKeySequence::Paste);
        EXPECT_EQ(champ.text(), c.texte) << c.colle.toStdString();
        EXPECT_EQ(champ.cursorPosition(), c.texte.size());
    }
    // In the middle of a text, the cursor after what was pasted.
    champ.setText("ab");
    champ.setCursorPosition(1);
    QGuiApplication::clipboard()->setText("x\r\ny");
    QTest::keySequence(&champ, QKeySequence::Paste);
    EXPECT_EQ(champ.text(), "ax yb");
    EXPECT_EQ(champ.cursorPosition(), 4);
}

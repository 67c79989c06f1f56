#include "Controles.h"
#include "UnitFormNotes.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <gtest/gtest.h>

TEST(FenetreNotes, ControlesEtDisposition)
{
    TFormNotes f;
    EXPECT_EQ(f.objectName(), "FormNotes");
    EXPECT_EQ(f.windowTitle(), "Notes");

    EXPECT_FALSE(Controle<QPlainTextEdit>(f, "MemoStandard")->isEnabled());
    EXPECT_TRUE(Controle<QPlainTextEdit>(f, "MemoStandard")->isReadOnly());
    EXPECT_EQ(Controle<QPlainTextEdit>(f, "MemoStandard")->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(Controle<QPlainTextEdit>(f, "MemoNotes")->isEnabled());
    EXPECT_FALSE(Controle<QPlainTextEdit>(f, "MemoNotes")->isReadOnly());
    EXPECT_EQ(Controle<QPlainTextEdit>(f, "MemoNotes")->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Controle<QPlainTextEdit>(f, "MemoNotes")->font().family(), "Times New Roman");
    EXPECT_EQ(Controle<QPlainTextEdit>(f, "MemoNotes")->font().pixelSize(), 16);
    EXPECT_TRUE(Controle<QPlainTextEdit>(f, "MemoNotes")->font().italic());

    for (auto [titre, texte] : {std::pair{Controle<QLabel>(f, "LabelNotesStandard"), "Notes standard"},
                                std::pair{Controle<QLabel>(f, "LabelNotesSupplementaires"), "Notes supplémentaires"}}) {
        EXPECT_EQ(titre->text(), texte);
        EXPECT_EQ(titre->font().family(), "Arial");
        EXPECT_EQ(titre->font().pixelSize(), 16);
        EXPECT_TRUE(titre->font().bold());
        EXPECT_TRUE(titre->font().italic());
    }
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonRetour")->toolTip(), "Retour au personnage");

    // At the design size, the controls stand where the design puts them.
    f.show();
    f.showNormal();
    f.resize(800, 572);
    QApplication::processEvents();
    ASSERT_EQ(f.size(), QSize(800, 572));
    EXPECT_EQ(Controle<QPlainTextEdit>(f, "MemoStandard")->geometry(), QRect(13, 32, 774, 209));
    EXPECT_EQ(Controle<QPlainTextEdit>(f, "MemoNotes")->geometry(), QRect(13, 276, 774, 209));
    EXPECT_EQ(Controle<QLabel>(f, "LabelNotesStandard")->y(), 8);
    EXPECT_EQ(Controle<QLabel>(f, "LabelNotesSupplementaires")->y(), 256);
    EXPECT_EQ(Controle<QPushButton>(f, "ButtonRetour")->pos(), QPoint(355, 496));
    // Titles centred over the memos.
    EXPECT_NEAR(Controle<QLabel>(f, "LabelNotesStandard")->geometry().center().x(), 400, 1);
    // Larger, the memos take the room.
    f.resize(1200, 800);
    QApplication::processEvents();
    EXPECT_EQ(Controle<QPlainTextEdit>(f, "MemoNotes")->width(), 1200 - 26);
    EXPECT_GT(Controle<QPlainTextEdit>(f, "MemoStandard")->height(), 209);
    EXPECT_LE(Controle<QPushButton>(f, "ButtonRetour")->geometry().bottom(), 800);
}

TEST(FenetreNotes, SOuvreAgrandieEtOKLaFerme)
{
    TFormNotes f;
    for (int fois = 0; fois < 2; ++fois) {
        bool agrandie = false;
        QTimer::singleShot(0, [&] {
            agrandie = QApplication::activeModalWidget() == &f && f.windowState().testFlag(Qt::WindowMaximized);
            f.showNormal();   // the user restores it: the next opening is maximised again
            QTest::mouseClick(Controle<QPushButton>(f, "ButtonRetour"), Qt::LeftButton);
        });
        EXPECT_EQ(f.exec(), QDialog::Accepted);
        EXPECT_TRUE(agrandie) << fois;
        EXPECT_FALSE(f.isVisible());
    }
}

TEST(FenetreNotes, LignesDesNotes)
{
    TFormNotes f;
    f.show();
    Controle<QPlainTextEdit>(f, "MemoNotes")->setFocus();
    QTest::keyClicks(Controle<QPlainTextEdit>(f, "MemoNotes"), "Ligne 1");
    QTest::keyClick(Controle<QPlainTextEdit>(f, "MemoNotes"), Qt::Key_Return);
    QTest::keyClick(Controle<QPlainTextEdit>(f, "MemoNotes"), Qt::Key_Return);
    QTest::keyClicks(Controle<QPlainTextEdit>(f, "MemoNotes"), "Ligne 3");
    QTest::keyClick(Controle<QPlainTextEdit>(f, "MemoNotes"), Qt::Key_Return);
    // Blank lines inside count; an empty last line does not.
    EXPECT_EQ(f.LignesNotes(), (QStringList{"Ligne 1", "", "Ligne 3"}));

    // A line break inside a paragraph ends a line too.
    QTest::keyClicks(Controle<QPlainTextEdit>(f, "MemoNotes"), "a");
    QTest::keyClick(Controle<QPlainTextEdit>(f, "MemoNotes"), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(Controle<QPlainTextEdit>(f, "MemoNotes"), "b");
    EXPECT_EQ(f.LignesNotes(), (QStringList{"Ligne 1", "", "Ligne 3", "a", "b"}));

    f.VideNotes();
    EXPECT_EQ(f.LignesNotes(), QStringList{});
    // A non-breaking blank stays one; a long line stays one line.
    const QString longue = QString(300, u'x') + QChar(0xA0) + "fin";
    f.FixeLignesNotes({"", longue});
    EXPECT_EQ(f.LignesNotes(), (QStringList{"", longue}));
    QApplication::processEvents();
    EXPECT_EQ(Controle<QPlainTextEdit>(f, "MemoNotes")->document()->findBlockByNumber(1).layout()->lineCount(), 1);

    // Lines appended one by one, as a character file gives them back: the
    // blank ones stay, also a blank one appended last.
    f.VideNotes();
    const QStringList lues = {"", "a", "", "", "b", ""};
    for (const QString& ligne : lues)
        f.AjouteLigneNote(ligne);
    EXPECT_EQ(f.LignesNotes(), lues);
    f.FixeLignesNotes(lues);
    EXPECT_EQ(f.LignesNotes(), lues);

    f.FixeLignesStandard({"Infravision à 18 m", "XP pour niveau suivant : 2000 ( Guerrier )"});
    EXPECT_EQ(f.LignesStandard(), (QStringList{"Infravision à 18 m", "XP pour niveau suivant : 2000 ( Guerrier )"}));
    EXPECT_EQ(f.LignesNotes().size(), 6);
}

TEST(FenetreNotes, RefuseCeQueLeFichierNePeutGarder)
{
    // What the character file cannot hold never enters the notes: typed,
    // it is dropped; pasted, the whole paste is refused.
    TFormNotes f;
    f.show();
    Controle<QPlainTextEdit>(f, "MemoNotes")->setFocus();
    // Key by key, as a keyboard layout would send them (the test library
    // only types ASCII).
    const QString tape = QString::fromUtf8("Épée ő de 🐉 Ŋ");
    for (int i = 0; i < tape.size(); ++i) {
        const int n = tape.at(i).isHighSurrogate() ? 2 : 1;
        QKeyEvent touche(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, tape.mid(i, n));
        QApplication::sendEvent(Controle<QPlainTextEdit>(f, "MemoNotes"), &touche);
        i += n - 1;
    }
    EXPECT_EQ(f.LignesNotes(), QStringList{QString::fromUtf8("Épée  de  ")});

    for (auto [colle, attendu] : {std::pair{"œuvre « là »", "Épée  de  œuvre « là »"},
                                  std::pair{"Zoltán Ő", "Épée  de  œuvre « là »"}}) {
        QApplication::clipboard()->setText(QString::fromUtf8(colle));
        Controle<QPlainTextEdit>(f, "MemoNotes")->paste();
        EXPECT_EQ(f.LignesNotes(), QStringList{QString::fromUtf8(attendu)}) << colle;
    }
}

#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QTest>

// What the user does in the windows.

// Picks the item of that text, as a click in the drop-down does (the empty
// text picks nothing).
inline void choisit(QComboBox* b, const QString& texte)
{
    const int i = b->findText(texte);
    b->setCurrentIndex(i);
    Q_EMIT b->activated(i);
}

// Replaces the field's text by typing (or, for what the keyboard of the test
// cannot type, as the input method would).
inline void tape(QLineEdit* e, const QString& texte)
{
    e->setFocus();
    e->selectAll();
    if (texte.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else if (texte.toLatin1() == texte.toUtf8())
        QTest::keyClicks(e, texte);
    else
        e->insert(texte);
}

#pragma once

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <functional>
#include <QLineEdit>
#include <QString>
#include <QStringList>
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

// Picks the class in the sheet, then types its levels, in order.
template <typename Fiche>
void choisitClasse(Fiche& fiche, const QString& classe, const QStringList& niveaux)
{
    choisit(fiche.ComboClasse, classe);
    QLineEdit* champs[] = {fiche.EditNiveau1, fiche.EditNiveau2, fiche.EditNiveau3};
    for (qsizetype k = 0; k < niveaux.size() && k < 3; ++k)
        champs[k]->setText(niveaux[k]);
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

// Runs `commande`; while the modal dialog it opens is shown, `pendant` runs
// with it (null when no dialog opened); a dialog still open afterwards is
// closed, so that a failed expectation never leaves the test waiting.
inline void avecDialogue(const std::function<void()>& commande, const std::function<void(QWidget*)>& pendant)
{
    QObject contexte;
    bool vu = false;
    QTimer::singleShot(0, &contexte, [&] {
        vu = true;
        pendant(QApplication::activeModalWidget());
        if (QWidget* reste = QApplication::activeModalWidget())
            reste->close();
    });
    commande();
    if (!vu)
        QApplication::processEvents();   // no dialog: the timer runs now
}

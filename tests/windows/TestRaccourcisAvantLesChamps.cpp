#include "RaccourcisAvantLesChamps.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A field that takes every key for itself, as a field does with Ctrl+E on
// the desktops where it moves to the end of the line.
class ChampGourmand : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        return QLineEdit::event(e);
    }
};

// Whether the field, asked as the shortcuts ask it, keeps the key.
bool garde(QWidget* champ, Qt::Key touche)
{
    QKeyEvent e(QEvent::ShortcutOverride, touche, Qt::ControlModifier);
    e.ignore();
    QApplication::sendEvent(champ, &e);
    return e.isAccepted();
}

}

TEST(RaccourcisAvantLesChamps, LaFenetrePasseAvantLeChamp)
{
    QWidget fenetre;
    auto* champ = new ChampGourmand(&fenetre);
    ASSERT_TRUE(garde(champ, Qt::Key_E));
    new RaccourcisAvantLesChamps(fenetre, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    EXPECT_FALSE(garde(champ, Qt::Key_E));
    EXPECT_TRUE(garde(champ, Qt::Key_A));   // the other keys stay the field's
}

#include "RaccourcisAvantLesChamps.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

RaccourcisAvantLesChamps::RaccourcisAvantLesChamps(QWidget& fenetre, QList<QKeySequence> raccourcis)
    : QObject(&fenetre), raccourcis_(std::move(raccourcis))
{
    for (QLineEdit* champ : fenetre.findChildren<QLineEdit*>())
        champ->installEventFilter(this);
}

bool RaccourcisAvantLesChamps::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::ShortcutOverride) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        const QKeySequence frappe(touche->keyCombination());
        for (const QKeySequence& r : raccourcis_)
            if (r.matches(frappe) == QKeySequence::ExactMatch) {
                // Not taken by the field: the shortcut goes to the window.
                evenement->ignore();
                return true;
            }
    }
    return QObject::eventFilter(objet, evenement);
}

#include "MemoWindows1252.h"

#include "Windows1252.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

void MemoWindows1252::keyPressEvent(QKeyEvent* event)
{
    if (!Windows1252::peutCoder(event->text())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MemoWindows1252::inputMethodEvent(QInputMethodEvent* event)
{
    // The text being composed is only shown; the committed text is what
    // enters the memo.
    if (!Windows1252::peutCoder(event->commitString())) {
        QApplication::beep();
        QInputMethodEvent sansTexte(event->preeditString(), event->attributes());
        QPlainTextEdit::inputMethodEvent(&sansTexte);
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

bool MemoWindows1252::canInsertFromMimeData(const QMimeData* source) const
{
    return QPlainTextEdit::canInsertFromMimeData(source)
        && (!source->hasText() || Windows1252::peutCoder(source->text()));
}

void MemoWindows1252::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText() && !Windows1252::peutCoder(source->text())) {
        QApplication::beep();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

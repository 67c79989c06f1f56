#pragma once

#include <QPlainTextEdit>

// A multi-line text that refuses, as a whole, any typed, composed, pasted or
// dropped text holding a character that Windows-1252 cannot hold (with a
// beep), so that nothing written in it is lost when the character is saved.
class MemoWindows1252 : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

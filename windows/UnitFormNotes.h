#pragma once

#include "ChoixModal.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The dialog "Notes": the standard notes derived from the race and the
// classes (read-only) above the user's own notes. It is created at its
// first showing; Choisit shows it on the character's notes and gives the
// new ones back. It opens maximised.
class TFormNotes : public QDialog {
    Q_OBJECT
public:
    explicit TFormNotes(QWidget* parent = nullptr);

    // Shows the dialog modally on the standard notes and the user's `notes`
    // of the character numbered `personnage` (any number that changes when
    // the open character is replaced); the notes as they stand when it
    // closes, whichever way. The memo keeps its cursor (and its own undo)
    // while it shows this character's notes; another character's are filled
    // anew, even when they read the same. `suivi` follows the notes while it
    // is open.
    QStringList Choisit(const QStringList& standard, const QStringList& notes, qint64 personnage,
                        const SuiviDuChoix<QStringList>& suivi = {});

    // The user's notes, one text per line; an empty last line of the memo is
    // not counted. Setting or appending lines keeps every line given, blank
    // ones included: LignesNotes() then gives them back as they were.
    QStringList LignesNotes() const;
    void FixeLignesNotes(const QStringList& lignes);
    void AjouteLigneNote(const QString& ligne);
    void VideNotes();

    // The standard notes (same counting).
    QStringList LignesStandard() const;
    void FixeLignesStandard(const QStringList& lignes);

    void ButtonRetourClick();

    void setVisible(bool visible) override;

Q_SIGNALS:
    // The user changed what the dialog shows (never when it is filled).
    void Change();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void dispose();

    qint64 personnage_ = -1;   // whose notes the memo shows

    // The controls, named as the system names them (objectName).
    QPlainTextEdit* MemoStandard = nullptr;
    QPlainTextEdit* MemoNotes = nullptr;
    QLabel* LabelNotesStandard = nullptr;
    QLabel* LabelNotesSupplementaires = nullptr;
    QPushButton* ButtonRetour = nullptr;
};

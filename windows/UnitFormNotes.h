#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The dialog "Notes": the standard notes derived from the race and the
// classes (read-only) above the user's own notes. It is created at its
// first showing; the command that shows it gives it the character's notes
// and takes them back when it closes. It opens maximised.
class TFormNotes : public QDialog {
    Q_OBJECT
public:
    explicit TFormNotes(QWidget* parent = nullptr);

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

    QPlainTextEdit* MemoStandard = nullptr;
    QPlainTextEdit* MemoNotes = nullptr;
    QLabel* LabelNotesStandard = nullptr;
    QLabel* LabelNotesSupplementaires = nullptr;
    QPushButton* ButtonRetour = nullptr;

Q_SIGNALS:
    // The user changed what the dialog shows (never when a command fills
    // it): the open character's recovery file follows while it is open.
    void Change();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void dispose();
};

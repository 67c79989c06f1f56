#include "UnitFormNotes.h"

#include "MemoWindows1252.h"
#include "PreparationFenetre.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextBlock>

namespace {

// The design: 800 x 572, two memos 774 x 209 at (13, 32) and (13, 276), the
// titles centred above them at y 8 and 256, the OK button at (355, 496).
constexpr int LargeurDessin = 800;
constexpr int HauteurDessin = 572;
constexpr int Marge = 13;
constexpr int HauteurMemo = 209;
constexpr int LargeurBouton = 90;
constexpr int HauteurBouton = 27;

QStringList lignesDe(const QPlainTextEdit* memo)
{
    // Read block by block: the plain text conversion would turn non-breaking
    // blanks into ordinary ones. A line break inside a paragraph
    // (Maj+Entrée) ends a line as well.
    QStringList lignes;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        lignes += b.text().split(QChar::LineSeparator);
    if (!lignes.isEmpty() && lignes.last().isEmpty())
        lignes.removeLast();
    return lignes;
}

// The memo text whose lines are exactly `lignes`: an empty last line needs
// a line break after it, or it would be taken for the uncounted empty end.
QString texteDe(const QStringList& lignes)
{
    QString texte = lignes.join(u'\n');
    if (!lignes.isEmpty() && lignes.last().isEmpty())
        texte += u'\n';
    return texte;
}

QLabel* titre(QWidget* parent, const char* nom, const QString& texte)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    QFont arial("Arial");
    arial.setPixelSize(16);
    arial.setBold(true);
    arial.setItalic(true);
    l->setFont(arial);
    return l;
}

}

TFormNotes::TFormNotes(QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormNotes", QStringLiteral("Notes"));
    setSizeGripEnabled(false);

    LabelNotesStandard = titre(this, "LabelNotesStandard", QStringLiteral("Notes standard"));
    MemoStandard = new QPlainTextEdit(this);
    MemoStandard->setObjectName("MemoStandard");
    MemoStandard->setReadOnly(true);
    MemoStandard->setEnabled(false);
    MemoStandard->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Disabled, but its text stays readable.
    QPalette palette = MemoStandard->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    MemoStandard->setPalette(palette);

    LabelNotesSupplementaires = titre(this, "LabelNotesSupplementaires", QStringLiteral("Notes supplémentaires"));
    MemoNotes = new MemoWindows1252(this);
    MemoNotes->setObjectName("MemoNotes");
    MemoNotes->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoNotes->setTabChangesFocus(true);
    QFont times("Times New Roman");
    times.setPixelSize(16);
    times.setItalic(true);
    MemoNotes->setFont(times);

    LabelNotesStandard->setBuddy(MemoStandard);
    LabelNotesSupplementaires->setBuddy(MemoNotes);

    ButtonRetour = BoutonRetour(*this);
    connect(ButtonRetour, &QPushButton::clicked, this, &TFormNotes::ButtonRetourClick);
    connect(MemoNotes, &QPlainTextEdit::textChanged, this, [this] {
        if (MemoNotes->isVisible())
            Q_EMIT Change();
    });

    setMinimumSize(400, 300);
    resize(LargeurDessin, HauteurDessin);
    dispose();
    AuPremierAffichage(*this, [this] {
        LabelNotesStandard->adjustSize();
        LabelNotesSupplementaires->adjustSize();
        dispose();
    });
    MemoNotes->setFocus();
}

QStringList TFormNotes::Choisit(const QStringList& standard, const QStringList& notes, qint64 personnage,
                                const SuiviDuChoix<QStringList>& suivi)
{
    FixeLignesStandard(standard);
    if (LignesNotes() != notes || personnage != personnage_) {
        FixeLignesNotes(notes);
        personnage_ = personnage;
    }
    return ChoixModal(*this, suivi, [this] { return LignesNotes(); });
}

void TFormNotes::dispose()
{
    // At the design size the controls stand where the design puts them; a
    // larger window (it opens maximised) gives the extra room to the memos.
    const int w = width();
    const int memo = std::max(60, HauteurMemo + (height() - HauteurDessin) / 2);
    const int largeur = w - 2 * Marge;
    LabelNotesStandard->move((w - LabelNotesStandard->width()) / 2, 8);
    MemoStandard->setGeometry(Marge, 32, largeur, memo);
    const int y = 32 + memo + 15;
    LabelNotesSupplementaires->move((w - LabelNotesSupplementaires->width()) / 2, y);
    MemoNotes->setGeometry(Marge, y + 20, largeur, memo);
    ButtonRetour->setGeometry((w - LargeurBouton) / 2, y + 20 + memo + 11, LargeurBouton, HauteurBouton);
}

void TFormNotes::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    dispose();
}

void TFormNotes::setVisible(bool visible)
{
    // Every opening is maximised, also after the user restored the window.
    if (visible && !isVisible())
        setWindowState(windowState() | Qt::WindowMaximized);
    QDialog::setVisible(visible);
}

QStringList TFormNotes::LignesNotes() const
{
    return lignesDe(MemoNotes);
}

void TFormNotes::FixeLignesNotes(const QStringList& lignes)
{
    MemoNotes->setPlainText(texteDe(lignes));
}

void TFormNotes::AjouteLigneNote(const QString& ligne)
{
    FixeLignesNotes(LignesNotes() << ligne);
}

void TFormNotes::VideNotes()
{
    MemoNotes->clear();
}

QStringList TFormNotes::LignesStandard() const
{
    return lignesDe(MemoStandard);
}

void TFormNotes::FixeLignesStandard(const QStringList& lignes)
{
    MemoStandard->setPlainText(texteDe(lignes));
}

void TFormNotes::ButtonRetourClick()
{
    accept();
}

#include "UnitFormChoixImpression.h"

#include "PreparationFenetre.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

constexpr int Largeur = 330;
constexpr int Hauteur = 232;

QCheckBox* caseACocher(QWidget* parent, const char* nom, const QString& texte, int y)
{
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(nom);
    c->setGeometry(40, y, 250, 21);
    return c;
}

QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte, const QString& bulle, int x)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setToolTip(bulle);
    b->setGeometry(x, 184, 89, 27);
    return b;
}

}

TFormChoixImpression::TFormChoixImpression(QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormChoixImpression", QStringLiteral("Impression..."));
    // The system menu only: no minimise or maximise button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(Largeur, Hauteur);

    Label1 = new QLabel(QStringLiteral("Choisissez la ou les pages à imprimer..."), this);
    Label1->setObjectName("Label1");
    QFont police(QStringLiteral("Times New Roman"));
    police.setPointSize(12);
    police.setBold(true);
    police.setItalic(true);
    Label1->setFont(police);
    QPalette rouge = Label1->palette();
    rouge.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(rouge);
    Label1->setGeometry(16, 12, Largeur - 32, 25);

    CheckBoxPage1 = caseACocher(this, "CheckBoxPage1", QStringLiteral("Page 1 : Caractéristiques"), 52);
    CheckBoxPage2 = caseACocher(this, "CheckBoxPage2", QStringLiteral("Page 2 : Equipement et notes"), 80);
    CheckBoxSortsMage = caseACocher(this, "CheckBoxSortsMage", QStringLiteral("Sorts de mage"), 108);
    CheckBoxSortsPretre = caseACocher(this, "CheckBoxSortsPretre", QStringLiteral("Sorts de prêtre"), 136);

    BitBtn1 = bouton(this, "BitBtn1", QStringLiteral("OK"), QStringLiteral("Impression des pages sélectionnées"), 56);
    BitBtn1->setDefault(true);
    BitBtn2 = bouton(this, "BitBtn2", QStringLiteral("Annuler"), QStringLiteral("Abandon de l'impression"), 185);
    BitBtn2->setAutoDefault(false);
    AuPremierAffichage(*this, [this] {
        // The title in points grows with the system's font: the window
        // grows with it, and what stands below moves down.
        const QSize titre = Label1->sizeHint();
        const int bas = std::max(0, titre.height() - Label1->height());
        Label1->resize(std::max(Label1->width(), titre.width()), Label1->height() + bas);
        for (QWidget* w : std::initializer_list<QWidget*>{CheckBoxPage1, CheckBoxPage2, CheckBoxSortsMage,
                                                          CheckBoxSortsPretre, BitBtn1, BitBtn2})
            w->move(w->x(), w->y() + bas);
        setFixedSize(std::max(Largeur, Label1->geometry().right() + 16), Hauteur + bas);
    });
    connect(BitBtn1, &QPushButton::clicked, this, &TFormChoixImpression::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormChoixImpression::BitBtn2Click);
}

std::optional<PagesChoisies> TFormChoixImpression::Choisit(bool mage, bool pretre)
{
    OffreSorts(mage, pretre);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Choix();
}

void TFormChoixImpression::OffreSorts(bool mage, bool pretre)
{
    CheckBoxPage1->setEnabled(true);
    CheckBoxPage2->setEnabled(true);
    CheckBoxSortsMage->setEnabled(mage);
    CheckBoxSortsPretre->setEnabled(pretre);
}

PagesChoisies TFormChoixImpression::Choix() const
{
    PagesChoisies pages;
    pages.Page1 = CheckBoxPage1->isChecked();
    pages.Page2 = CheckBoxPage2->isChecked();
    pages.SortsMage = CheckBoxSortsMage->isEnabled() && CheckBoxSortsMage->isChecked();
    pages.SortsPretre = CheckBoxSortsPretre->isEnabled() && CheckBoxSortsPretre->isChecked();
    return pages;
}

void TFormChoixImpression::FormActivate()
{
    for (QCheckBox* c : {CheckBoxPage1, CheckBoxPage2, CheckBoxSortsMage, CheckBoxSortsPretre})
        c->setChecked(false);
}

// The ticks are cleared at each opening, not when the dialog comes back to
// the front after the user looked at another window: what was ticked stays.
void TFormChoixImpression::showEvent(QShowEvent* event)
{
    FormActivate();
    BitBtn1->setFocus();
    QDialog::showEvent(event);
}

void TFormChoixImpression::BitBtn1Click()
{
    accept();
}

void TFormChoixImpression::BitBtn2Click()
{
    reject();
}

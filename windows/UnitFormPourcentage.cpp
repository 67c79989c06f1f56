#include "UnitFormPourcentage.h"

#include "ChampsDeSort.h"
#include "PreparationFenetre.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The design: 478 x 382 with its frame; the controls where the design puts
// them.
constexpr int Largeur = 470;
constexpr int Hauteur = 348;
constexpr int XDetails = 160;
constexpr int YBoutons = 296;

QLabel* legende(QWidget* parent, const QString& texte, int y)
{
    // Right-aligned just left of its field.
    auto* l = new QLabel(texte, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setGeometry(8, y, XDetails - 8 - 8, 21);
    return l;
}

QLineEdit* detail(QWidget* parent, const char* nom, int y, int largeur, bool refuseEtCommercial)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setGeometry(XDetails, y, largeur, 21);
    ValideChampDeSort(e, refuseEtCommercial);
    return e;
}

QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte, const QString& bulle, int x)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setToolTip(bulle);
    b->setAutoDefault(false);
    b->setGeometry(x, YBoutons, 89, 27);
    return b;
}

}

TFormPourcentage::TFormPourcentage(QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormPourcentage", QStringLiteral("Pourcentage"));
    setFixedSize(Largeur, Hauteur);

    // The caption grows to the left: it ends just before the percentage.
    LabelSort = new QLabel(this);
    LabelSort->setObjectName("LabelSort");
    LabelSort->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelSort->setGeometry(0, 24, 369, 21);

    EditPourcentage = new QLineEdit(this);
    EditPourcentage->setObjectName("EditPourcentage");
    EditPourcentage->setGeometry(384, 24, 60, 21);
    // Any single line the file can hold: the spell catalogue judges it.
    EditPourcentage->setValidator(new ValidateurWindows1252(EditPourcentage));

    QLabel* legendeEditVitesse = legende(this, QStringLiteral("Temps d'incantation"), 84);
    EditVitesse = detail(this, "EditVitesse", 84, 145, true);
    QLabel* legendeEditDuree = legende(this, QStringLiteral("Durée"), 124);
    EditDuree = detail(this, "EditDuree", 124, 145, true);
    QLabel* legendeEditPortee = legende(this, QStringLiteral("Portée"), 164);
    EditPortee = detail(this, "EditPortee", 164, 145, true);
    QLabel* legendeEditZoneDEffet = legende(this, QStringLiteral("Zone d'effet"), 204);
    EditZoneDEffet = detail(this, "EditZoneDEffet", 204, 289, true);
    QLabel* legendeEditComposants = legende(this, QStringLiteral("Composants"), 244);
    EditComposants = detail(this, "EditComposants", 244, 289, false);   // the record's tail
    for (auto [l, e] : {std::pair{legendeEditVitesse, EditVitesse}, std::pair{legendeEditDuree, EditDuree},
                        std::pair{legendeEditPortee, EditPortee}, std::pair{legendeEditZoneDEffet, EditZoneDEffet},
                        std::pair{legendeEditComposants, EditComposants}}) {
        l->setBuddy(e);
        connect(e, &QLineEdit::textChanged, this, &TFormPourcentage::YaModif);
    }

    ButtonOK = bouton(this, "ButtonOK", QStringLiteral("OK"), QStringLiteral("Conserver ces données"), 64);
    ButtonOK->setDefault(true);
    ButtonEffacer = bouton(this, "ButtonEffacer", QStringLiteral("&Effacer"), QStringLiteral("Eliminer ce sort de la liste"), 190);
    ButtonAbandon = bouton(this, "ButtonAbandon", QStringLiteral("Abandon"), QStringLiteral("Abandonner les modifications"), 316);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormPourcentage::ButtonOKClick);
    connect(ButtonEffacer, &QPushButton::clicked, this, &TFormPourcentage::ButtonEffacerClick);
    connect(ButtonAbandon, &QPushButton::clicked, this, &TFormPourcentage::ButtonAbandonClick);

    setTabOrder(EditPourcentage, EditVitesse);
    setTabOrder(EditVitesse, EditDuree);
    setTabOrder(EditDuree, EditPortee);
    setTabOrder(EditPortee, EditZoneDEffet);
    setTabOrder(EditZoneDEffet, EditComposants);
    setTabOrder(EditComposants, ButtonOK);
    setTabOrder(ButtonOK, ButtonEffacer);
    setTabOrder(ButtonEffacer, ButtonAbandon);
}

DetailsSort TFormPourcentage::Details() const
{
    return {EditVitesse->text(), EditDuree->text(), EditPortee->text(), EditZoneDEffet->text(), EditComposants->text()};
}

void TFormPourcentage::FixeDetails(const DetailsSort& d)
{
    EditVitesse->setText(d.vitesse);
    EditDuree->setText(d.duree);
    EditPortee->setText(d.portee);
    EditZoneDEffet->setText(d.zoneDEffet);
    EditComposants->setText(d.composants);
}

void TFormPourcentage::YaModif()
{
    DetailsModifies = true;
}

void TFormPourcentage::FormActivate()
{
    DetailsModifies = false;
}

void TFormPourcentage::showEvent(QShowEvent* event)
{
    FormActivate();
    // The percentage is named by its caption ("Pourcentage pour Alarme"),
    // or by the window's title while the caption is empty.
    EditPourcentage->setAccessibleName(LabelSort->text().isEmpty() ? windowTitle() : LabelSort->text());
    QDialog::showEvent(event);
}

void TFormPourcentage::ButtonOKClick()
{
    done(Valide);
}

void TFormPourcentage::ButtonEffacerClick()
{
    done(Efface);
}

void TFormPourcentage::ButtonAbandonClick()
{
    done(Abandon);
}

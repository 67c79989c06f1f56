#include "UnitNouveauSortDeMage.h"

#include "CatalogueSorts.h"
#include "ChampsDeSort.h"
#include "PreparationFenetre.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The design: 435 x 300 with its frame; the fields at x = 152, one under
// the other, each with its label on its left.
constexpr int Largeur = 427;
constexpr int Hauteur = 266;
constexpr int XChamps = 152;
constexpr int LargeurChamps = 257;

}

TFormNouveauSortDeMage::TFormNouveauSortDeMage(QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormNouveauSortDeMage", QStringLiteral("Nouveau Sort de Mage"));
    setFixedSize(Largeur, Hauteur);

    int y = 16;
    auto champ = [this, &y](const char* nom, const QString& legende, bool refuseEtCommercial) {
        auto* l = new QLabel(legende, this);
        l->setGeometry(16, y, XChamps - 16 - 8, 21);
        auto* e = new QLineEdit(this);
        e->setObjectName(nom);
        e->setGeometry(XChamps, y, LargeurChamps, 21);
        ValideChampDeSort(e, refuseEtCommercial);
        l->setBuddy(e);
        y += 32;
        return e;
    };
    EditNom = champ("EditNom", QStringLiteral("Nom du sort"), true);
    EditVitesse = champ("EditVitesse", QStringLiteral("Facteur de vitesse"), true);
    EditDuree = champ("EditDuree", QStringLiteral("Durée"), true);
    EditPortee = champ("EditPortee", QStringLiteral("Portée"), true);
    EditZoneDEffet = champ("EditZoneDEffet", QStringLiteral("Zone d'effet"), true);
    EditComposants = champ("EditComposants", QStringLiteral("Composants"), false);   // the record's tail

    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName("ButtonOK");
    ButtonOK->setToolTip(QStringLiteral("Ajouter le nouveau sort à la liste"));
    ButtonOK->setDefault(true);
    ButtonOK->setGeometry(104, y + 24, 89, 27);
    ButtonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    ButtonAnnuler->setObjectName("ButtonAnnuler");
    ButtonAnnuler->setToolTip(QStringLiteral("Abandonner le nouveau sort"));
    ButtonAnnuler->setAutoDefault(false);
    ButtonAnnuler->setGeometry(234, y + 24, 89, 27);
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFormNouveauSortDeMage::Enregistrement() const
{
    return EnregistrementSort(EditNom->text(), {EditVitesse->text(), EditDuree->text(), EditPortee->text(),
                                                EditZoneDEffet->text(), EditComposants->text()});
}

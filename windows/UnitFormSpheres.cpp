#include "UnitFormSpheres.h"

#include "Images.h"

#include "PreparationFenetre.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int Colonnes = 4;
constexpr int TailleImage = 48;

}

TFormSpheres::TFormSpheres(QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormSpheres", QStringLiteral("Choix des sphères d'influence"));

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(10);
    grille->setVerticalSpacing(8);
    for (std::size_t i = 0; i < NombreSpheres; ++i) {
        const Sphere& s = Spheres()[i];
        auto* boite = new QGroupBox(s.nom, this);
        boite->setObjectName(s.groupBox);
        // "GroupBoxAnimale" -> "RadioButtonAnimaleMajeur", ...
        const QString racine = QStringLiteral("RadioButton") + s.groupBox.mid(QStringLiteral("GroupBox").size());
        Groupe& g = groupes_[i];
        auto bouton = [&](const QString& texte, const char* suffixe) {
            auto* b = new QRadioButton(texte, boite);
            b->setObjectName(racine + QString::fromLatin1(suffixe));
            return b;
        };
        g.majeur = bouton(QStringLiteral("Accès Majeur"), "Majeur");
        g.mineur = bouton(QStringLiteral("Accès mineur"), "Mineur");
        g.pasDAcces = bouton(QStringLiteral("Pas d'accès"), "PasDAcces");
        // Exclusive within its box only; the box starts with none checked.
        g.boutons = new QButtonGroup(boite);
        g.boutons->setExclusive(true);
        auto* colonne = new QVBoxLayout(boite);
        colonne->setSpacing(2);
        for (QRadioButton* b : {g.majeur, g.mineur, g.pasDAcces}) {
            g.boutons->addButton(b);
            colonne->addWidget(b);
        }
        connect(g.boutons, &QButtonGroup::buttonClicked, this, &TFormSpheres::Change);
        GroupBoxes[i] = boite;
        grille->addWidget(boite, static_cast<int>(i) / Colonnes, static_cast<int>(i) % Colonnes);
    }

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(Image("spheres"));
    Image1->setFixedSize(TailleImage, TailleImage);

    ButtonStandard = new QPushButton(QStringLiteral("&Standard"), this);
    ButtonStandard->setObjectName("ButtonStandard");
    ButtonStandard->setToolTip(QStringLiteral("Sphères standard pour un clerc"));
    ButtonStandard->setAutoDefault(false);
    connect(ButtonStandard, &QPushButton::clicked, this, [this] {
        ButtonStandardClick();
        Q_EMIT Change();
    });

    ButtonRetour = BoutonRetour(*this);
    ButtonRetour->setDefault(true);
    connect(ButtonRetour, &QPushButton::clicked, this, &TFormSpheres::ButtonRetourClick);
    for (QPushButton* b : {ButtonStandard, ButtonRetour})
        b->setMinimumSize(89, 27);

    auto* bas = new QHBoxLayout;
    bas->addWidget(Image1);
    bas->addStretch(1);
    bas->addWidget(ButtonStandard);
    bas->addSpacing(12);
    bas->addWidget(ButtonRetour);

    auto* tout = new QVBoxLayout(this);
    tout->setContentsMargins(12, 12, 12, 12);
    tout->setSpacing(12);
    tout->addLayout(grille);
    tout->addLayout(bas);
    AuPremierAffichage(*this, [this] { setFixedSize(sizeHint()); });

    // Keyboard order: the boxes row by row, then the two buttons.
    QWidget* precedent = nullptr;
    for (const Groupe& g : groupes_)
        for (QWidget* w : {static_cast<QWidget*>(g.majeur), static_cast<QWidget*>(g.mineur), static_cast<QWidget*>(g.pasDAcces)}) {
            if (precedent)
                setTabOrder(precedent, w);
            precedent = w;
        }
    setTabOrder(precedent, ButtonStandard);
    setTabOrder(ButtonStandard, ButtonRetour);
}

ChoixSpheres TFormSpheres::Choix() const
{
    ChoixSpheres choix{};
    for (std::size_t i = 0; i < NombreSpheres; ++i) {
        const Groupe& g = groupes_[i];
        choix[i] = g.majeur->isChecked()      ? AccesSphere::Majeur
                 : g.mineur->isChecked()      ? AccesSphere::Mineur
                 : g.pasDAcces->isChecked()   ? AccesSphere::PasDAcces
                                              : AccesSphere::Aucun;
    }
    return choix;
}

void TFormSpheres::decoche(const Groupe& g)
{
    // An exclusive group cannot uncheck its checked button: lift the
    // exclusivity for the time of the clearing.
    g.boutons->setExclusive(false);
    for (QRadioButton* b : {g.majeur, g.mineur, g.pasDAcces})
        b->setChecked(false);
    g.boutons->setExclusive(true);
}

ChoixSpheres TFormSpheres::Choisit(const ChoixSpheres& choix, const SuiviDuChoix<ChoixSpheres>& suivi)
{
    FixeChoix(choix);
    return ChoixModal(*this, suivi, [this] { return Choix(); });
}

void TFormSpheres::FixeChoix(const ChoixSpheres& choix)
{
    for (std::size_t i = 0; i < NombreSpheres; ++i) {
        const Groupe& g = groupes_[i];
        switch (choix[i]) {
        case AccesSphere::Aucun: decoche(g); break;
        case AccesSphere::Majeur: g.majeur->setChecked(true); break;
        case AccesSphere::Mineur: g.mineur->setChecked(true); break;
        case AccesSphere::PasDAcces: g.pasDAcces->setChecked(true); break;
        }
    }
}

void TFormSpheres::DecocheTout()
{
    for (const Groupe& g : groupes_)
        decoche(g);
}

void TFormSpheres::ButtonStandardClick()
{
    FixeChoix(ChoixStandard());
}

void TFormSpheres::ButtonRetourClick()
{
    accept();
}

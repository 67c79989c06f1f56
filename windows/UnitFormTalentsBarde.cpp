#include "UnitFormTalentsBarde.h"

#include "Accessibilite.h"
#include "PreparationFenetre.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormTalentsBarde::TFormTalentsBarde(QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormTalentsBarde", QStringLiteral("Choix des talents de barde"));

    // Two rows of two skills: label, panel and spinner, twice per row.
    auto* rangees = new QGridLayout;
    rangees->setHorizontalSpacing(16);
    rangees->setVerticalSpacing(12);
    rangees->setColumnMinimumWidth(2, 16);
    for (std::size_t i = 0; i < NombreTalentsBarde; ++i) {
        const QString n = QString::number(i + 1);
        const LigneTalent ligne = CreeLigneTalent(*this, TalentsDeBarde()[i].libelle, QStringLiteral("Label") + n,
                                                  QStringLiteral("Panel") + n, QStringLiteral("UpDown") + n);
        Labels[i] = ligne.Label;
        Panels[i] = ligne.Panel;
        UpDowns[i] = ligne.Spinner;
        connect(ligne.Spinner, &UpDown::Click, this, [this, i](bool haut) { UpDownClick(i, haut); });
        const int rangee = static_cast<int>(i / 2);
        const int colonne = static_cast<int>(i % 2) * 3;
        rangees->addWidget(ligne.Label, rangee, colonne);
        rangees->addWidget(ligne.PanelEtSpinner, rangee, colonne + 1);
    }

    PanelReste = PanelResteDesTalents(*this);
    for (UpDown* u : UpDowns)
        SuitLeReste(*PanelReste, *u);
    ButtonRetour = BoutonRetour(*this);
    ButtonRetour->setDefault(true);
    ButtonRetour->setMinimumSize(89, 27);
    connect(ButtonRetour, &QPushButton::clicked, this, &TFormTalentsBarde::ButtonRetourClick);

    auto* bas = new QHBoxLayout;
    bas->addWidget(PanelReste);
    bas->addStretch(1);
    bas->addWidget(ButtonRetour, 0, Qt::AlignBottom);

    auto* tout = new QVBoxLayout(this);
    tout->setContentsMargins(16, 16, 16, 16);
    tout->setSpacing(20);
    tout->addLayout(rangees);
    tout->addLayout(bas);
    AuPremierAffichage(*this, [this] { setFixedSize(sizeHint()); });

    for (std::size_t i = 1; i < NombreTalentsBarde; ++i)
        setTabOrder(UpDowns[i - 1], UpDowns[i]);
    setTabOrder(UpDowns.back(), ButtonRetour);

    FormShow();
}

ChoixTalentsBarde TFormTalentsBarde::Choisit(const ChoixTalentsBarde& choix)
{
    FixeChoix(choix);
    exec();
    return Choix();
}

void TFormTalentsBarde::FixeChoix(const ChoixTalentsBarde& choix)
{
    choix_ = choix;
    FormShow();
}

void TFormTalentsBarde::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFormTalentsBarde::FormShow()
{
    for (std::size_t i = 0; i < NombreTalentsBarde; ++i) {
        UpDowns[i]->FixePosition(choix_.TalentsBarde[i]);
        Panels[i]->setText(TextePourcentage(choix_.TalentsBarde[i]));
    }
    FixeTexteReste(*PanelReste, TexteIlResteBarde(choix_.PointsTalents));
}

void TFormTalentsBarde::UpDownClick(std::size_t i, bool haut)
{
    Panels[i]->setText(TextePourcentage(UpDowns[i]->Position()));
    Panels[i]->repaint();
    choix_.PointsTalents += haut ? -1 : 1;
    FixeTexteReste(*PanelReste, TexteIlResteBarde(choix_.PointsTalents));
}

void TFormTalentsBarde::FormClose()
{
    for (std::size_t i = 0; i < NombreTalentsBarde; ++i)
        choix_.TalentsBarde[i] = UpDowns[i]->Position();
}

void TFormTalentsBarde::done(int resultat)
{
    FormClose();
    QDialog::done(resultat);
}

void TFormTalentsBarde::ButtonRetourClick()
{
    accept();
}

#include "UnitFormTalentsVoleur.h"

#include "Accessibilite.h"
#include "PreparationFenetre.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The value panels, in the order of the skills.
constexpr std::array<const char*, NombreTalentsVoleur> NomsPanels = {
    "PanelPickpocket", "PanelSerrures", "PanelPieges", "PanelSilence",
    "PanelOmbre", "PanelBruits", "PanelGrimper", "PanelLangues",
};

}

TFormTalentsVoleur::TFormTalentsVoleur(QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormTalentsVoleur", QStringLiteral("Choix des talents de voleur"));

    auto* rangees = new QGridLayout;
    rangees->setHorizontalSpacing(16);
    rangees->setVerticalSpacing(6);
    for (std::size_t i = 0; i < NombreTalentsVoleur; ++i) {
        const QString n = QString::number(i + 1);
        const LigneTalent ligne = CreeLigneTalent(*this, TalentsDeVoleur()[i].libelle, QStringLiteral("Label") + n,
                                                  QString::fromLatin1(NomsPanels[i]), QStringLiteral("UpDown") + n);
        Labels[i] = ligne.Label;
        Panels[i] = ligne.Panel;
        UpDowns[i] = ligne.Spinner;
        connect(ligne.Spinner, &UpDown::Click, this, [this, i](bool haut) {
            UpDownClick(i, haut);
            Q_EMIT Change();
        });
        rangees->addWidget(ligne.Label, static_cast<int>(i), 0);
        rangees->addWidget(ligne.PanelEtSpinner, static_cast<int>(i), 1);
    }

    PanelReste = PanelResteDesTalents(*this);
    for (UpDown* u : UpDowns)
        SuitLeReste(*PanelReste, *u);
    ButtonRetour = BoutonRetour(*this);
    ButtonRetour->setDefault(true);
    ButtonRetour->setMinimumSize(89, 27);
    connect(ButtonRetour, &QPushButton::clicked, this, &TFormTalentsVoleur::ButtonRetourClick);

    auto* droite = new QVBoxLayout;
    droite->addStretch(1);
    droite->addWidget(PanelReste);
    droite->addStretch(1);
    droite->addWidget(ButtonRetour, 0, Qt::AlignRight);

    auto* tout = new QHBoxLayout(this);
    tout->setContentsMargins(16, 16, 16, 16);
    tout->setSpacing(32);
    tout->addLayout(rangees);
    tout->addLayout(droite);
    AuPremierAffichage(*this, [this] { setFixedSize(sizeHint()); });

    for (std::size_t i = 1; i < NombreTalentsVoleur; ++i)
        setTabOrder(UpDowns[i - 1], UpDowns[i]);
    setTabOrder(UpDowns.back(), ButtonRetour);

    FormShow();
}

void TFormTalentsVoleur::FixeValeurs(const ValeursTalentsVoleur& valeurs, qint64 pointsTalents)
{
    valeurs_ = valeurs;
    pointsTalents_ = pointsTalents;
    FormShow();
}

void TFormTalentsVoleur::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFormTalentsVoleur::FormShow()
{
    for (std::size_t i = 0; i < NombreTalentsVoleur; ++i) {
        UpDowns[i]->FixePosition(valeurs_[i]);
        Panels[i]->setText(TextePourcentage(valeurs_[i]));
    }
    FixeTexteReste(*PanelReste, TexteTalentsRestants(pointsTalents_));
}

void TFormTalentsVoleur::UpDownClick(std::size_t i, bool haut)
{
    Panels[i]->setText(TextePourcentage(UpDowns[i]->Position()));
    Panels[i]->repaint();
    pointsTalents_ += haut ? -1 : 1;
    FixeTexteReste(*PanelReste, TexteTalentsRestants(pointsTalents_));
}

ValeursTalentsVoleur TFormTalentsVoleur::Choisit(const ValeursTalentsVoleur& valeurs, qint64 pointsTalents,
                                                 const SuiviDuChoix<ValeursTalentsVoleur>& suivi)
{
    FixeValeurs(valeurs, pointsTalents);
    return ChoixModal(*this, suivi, [this] { return positions(); });
}

ValeursTalentsVoleur TFormTalentsVoleur::positions() const
{
    ValeursTalentsVoleur valeurs{};
    for (std::size_t i = 0; i < NombreTalentsVoleur; ++i)
        valeurs[i] = UpDowns[i]->Position();
    return valeurs;
}

void TFormTalentsVoleur::FormClose()
{
    valeurs_ = positions();
}

void TFormTalentsVoleur::done(int resultat)
{
    FormClose();
    QDialog::done(resultat);
}

void TFormTalentsVoleur::ButtonRetourClick()
{
    accept();
}

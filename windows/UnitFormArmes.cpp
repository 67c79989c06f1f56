#include "UnitFormArmes.h"

#include "Accessibilite.h"

#include "Armes.h"
#include "Collation.h"
#include "Colonnes.h"
#include "Images.h"
#include "ListeMarquee.h"
#include "ListeTexte.h"
#include "Plateforme.h"
#include "PreparationFenetre.h"
#include "ZoneReste.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include <climits>

namespace {

QLabel* titre(QWidget* parent, const char* nom, const QString& texte, int x)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    l->move(x, 8);
    return l;
}

}

QStringList ChargeListeArmes(const QString& fichierArmes)
{
    QStringList lignes;
    ExecuteCommande([&] {
        lignes = ListeTexte::charge(fichierArmes).lignes();
        Collation::trie(lignes);
    });
    return lignes;
}

TFormArmes::TFormArmes(const QStringList& armes, QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormArmes", QStringLiteral("Choix des armes"));
    setFont(PoliceDesListes());
    setFixedSize(790, 568);
    move(3, 4);

    LabelArme = titre(this, "LabelArme", QStringLiteral("ARME"), 80);
    QFont grande(QStringLiteral("MS Sans Serif"));
    grande.setPixelSize(13);
    LabelArme->setFont(grande);
    LabelFacteurVitesse = titre(this, "LabelFacteurVitesse", QStringLiteral("Facteur vitesse"), 216);
    LabelPM = titre(this, "LabelPM", QStringLiteral("P-M"), 312);
    LabelG = titre(this, "LabelG", QStringLiteral("G"), 384);
    LabelCadence = titre(this, "LabelCadence", QStringLiteral("Cadence de tir"), 440);

    ListBoxArmes = new ListeMarquee(5, 18, this);
    ListBoxArmes->setObjectName("ListBoxArmes");
    ListBoxArmes->PlaceEnEntreesEntieres(72, 24, 481, 508);
    ListBoxArmes->TextesAffiches = [this](int i) { return textesAffiches(i); };
    ListBoxArmes->setAccessibleName(windowTitle());
    // Each figure after the title of its column: "Arc long, Facteur
    // vitesse 7, P-M 1d6, G 1d6, Cadence de tir 2".
    ListBoxArmes->TexteLu = [this](int i) {
        const QStringList textes = textesAffiches(i);
        QStringList lus{textes[0]};
        const QLabel* titres[] = {LabelFacteurVitesse, LabelPM, LabelG, LabelCadence};
        for (int k = 1; k < textes.size(); ++k)
            if (!textes[k].isEmpty())
                lus.append(titres[k - 1]->text() + u' ' + textes[k]);
        return lus.join(QStringLiteral(", "));
    };
    connect(ListBoxArmes, &ListeMarquee::Clic, this, [this] {
        ExecuteCommande([this] { ListBoxArmesClick(); });
        Q_EMIT Change();
    });

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(593, 24, 153, 153);
    Image1->setPixmap(Image("armes_grand"));

    PanelReste = CreeZoneReste(*this, QRect(577, 272, 185, 41));
    SuitLeReste(*PanelReste, *ListBoxArmes);

    CheckBoxSpecialiste = new QCheckBox(QStringLiteral("Spécialisation"), this);
    CheckBoxSpecialiste->setObjectName("CheckBoxSpecialiste");
    CheckBoxSpecialiste->setToolTip(QStringLiteral("Choix d'une arme de spécialité (uniquement pour un Guerrier)"));
    CheckBoxSpecialiste->move(616, 344);
    connect(CheckBoxSpecialiste, &QCheckBox::clicked, this, &TFormArmes::Change);

    ButtonRetour = BoutonRetour(*this);
    ButtonRetour->setGeometry(632, 448, 89, 33);
    ButtonRetour->setDefault(true);
    connect(ButtonRetour, &QPushButton::clicked, this, &TFormArmes::ButtonRetourClick);

    setTabOrder(ListBoxArmes, CheckBoxSpecialiste);
    setTabOrder(CheckBoxSpecialiste, ButtonRetour);

    AuPremierAffichage(*this, [this] {
        CheckBoxSpecialiste->adjustSize();
        // At a larger font, the columns and their titles take the room
        // they need: the list widens and what stands right of it moves.
        const QSize place = FaitPlaceAuxColonnes(*ListBoxArmes, {LabelArme, LabelFacteurVitesse, LabelPM, LabelG,
                                                                 LabelCadence});
        for (QWidget* w : std::initializer_list<QWidget*>{Image1, PanelReste, CheckBoxSpecialiste, ButtonRetour})
            w->move(w->x() + place.width(), w->y());
        setFixedSize(std::max(width() + place.width(), CheckBoxSpecialiste->geometry().right() + 16),
                     height() + place.height());
    });

    ListBoxArmes->FixeLignes(armes);
}

const std::vector<int>& TFormArmes::LargeursColonnes() const
{
    return ListBoxArmes->LargeursColonnes;
}

ChoixArmes TFormArmes::Choisit(const ChoixArmes& choix, int pointsArmes, bool specialisationPermise,
                               const SuiviDuChoix<ChoixArmes>& suivi)
{
    FixeMarques(choix.marques);
    FixeSpecialisation(choix.specialisation);
    PointsArmes = pointsArmes;
    AfficheReste();
    CheckBoxSpecialiste->setEnabled(specialisationPermise);
    return ChoixModal(*this, suivi, [this] { return ChoixArmes{Marques(), Specialisation()}; });
}

int TFormArmes::PointsRestants() const
{
    return ::PointsRestants(PointsArmes, ListBoxArmes->Lignes(), ListBoxArmes->Marquees(), specialisation_);
}

QList<qsizetype> TFormArmes::Marques() const
{
    return ListBoxArmes->Marquees();
}

void TFormArmes::FixeMarques(const QList<qsizetype>& positions)
{
    ListBoxArmes->FixeMarques(positions);
}

void TFormArmes::FixeSpecialisation(const QString& ligne)
{
    specialisation_ = ligne;
    ListBoxArmes->viewport()->update();
}

void TFormArmes::AfficheReste()
{
    ::AfficheReste(*PanelReste, PointsRestants());
}

QStringList TFormArmes::textesAffiches(int i) const
{
    const QString& ligne = ListBoxArmes->Lignes().at(i);
    QStringList textes = DecoupeColonnes(ligne, 5);
    textes[0] = NomAffiche(textes[0], ligne == specialisation_);
    return textes;
}

void TFormArmes::ListBoxArmesClick()
{
    const int i = ListBoxArmes->Courante();
    if (i < 0)
        return;
    const QString ligne = ListBoxArmes->Texte(i);

    if (CheckBoxSpecialiste->isChecked() && ListBoxArmes->EstMarquee(i)) {
        // "Non" gives up any specialisation, also another weapon's.
        const bool oui = boite(GenreBoite::Confirmation, QuestionSpecialisation(ligne), {Bouton::Oui, Bouton::Non}) == Bouton::Oui;
        FixeSpecialisation(oui ? ligne : QString());
    }
    if (specialisation_ == ligne && !ListBoxArmes->EstMarquee(i)) {
        if (boite(GenreBoite::Confirmation, QuestionAbandonSpecialisation(ligne), {Bouton::Oui, Bouton::Non}) == Bouton::Oui)
            FixeSpecialisation(QString());
        else
            ListBoxArmes->Marque(i);
    }
    if (PointsRestants() < 0) {
        ListBoxArmes->Demarque(i);
        if (specialisation_ == ligne)
            FixeSpecialisation(QString());
        boite(GenreBoite::Erreur, QStringLiteral("Pas assez de points"), {Bouton::Oui});
    }
    AfficheReste();
}

void TFormArmes::ButtonRetourClick()
{
    accept();
}

#include "UnitFormNWP.h"

#include "Accessibilite.h"

#include "Collation.h"
#include "Colonnes.h"
#include "ListeMarquee.h"
#include "ListeTexte.h"
#include "Plateforme.h"
#include "PreparationFenetre.h"
#include "ZoneReste.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel* titre(QWidget* parent, const char* nom, const QString& texte, int x, int y)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    l->move(x, y);
    return l;
}

}

ListesCompetences ChargeListesCompetences(const QString& fichierCategories, const QString& fichierCompetences)
{
    ListesCompetences listes;
    // The first that fails ends the reading.
    ExecuteCommande([&] {
        listes.categories = ListeTexte::charge(fichierCategories).lignes();
        QStringList lignes = ListeTexte::charge(fichierCompetences).lignes();
        Collation::trie(lignes);
        listes.competences = std::move(lignes);
    });
    return listes;
}

TFormNWP::TFormNWP(const ListesCompetences& listes, QWidget* parent)
    : QDialog(parent)
{
    PrepareFenetre(*this, "FormNWP", QStringLiteral("Choix des compétences"));
    setFont(PoliceDesListes());
    setFixedSize(645, 498);
    move(4, 7);

    LabelCompetence = titre(this, "LabelCompetence", QStringLiteral("Compétence"), 24, 16);
    LabelCout = titre(this, "LabelCout", QStringLiteral("Coût"), 176, 16);
    LabelCaracteristique = titre(this, "LabelCaracteristique", QStringLiteral("Caractéristique"), 216, 16);
    LabelModificateur = titre(this, "LabelModificateur", QStringLiteral("Modificateur"), 304, 16);

    ListBoxNWP = new ListeMarquee(4, 20, this);
    ListBoxNWP->setObjectName("ListBoxNWP");
    ListBoxNWP->PlaceEnEntreesEntieres(16, 32, 369, 424);
    ListBoxNWP->TextesAffiches = [this](int i) { return textesAffiches(i); };
    ListBoxNWP->setAccessibleName(windowTitle());
    // "Acrobatie, coût 2, Dextérité, 0"
    ListBoxNWP->TexteLu = [this](int i) {
        QStringList textes = textesAffiches(i);
        textes[1] = QStringLiteral("coût ") + textes[1];
        return textes.join(QStringLiteral(", "));
    };
    connect(ListBoxNWP, &ListeMarquee::Clic, this, [this] {
        ExecuteCommande([this] { ListBoxNWPClick(); });
        Q_EMIT Change();
    });

    PanelReste = CreeZoneReste(*this, QRect(412, 260, 209, 41));
    SuitLeReste(*PanelReste, *ListBoxNWP);

    ButtonRetour = BoutonRetour(*this);
    ButtonRetour->setGeometry(472, 416, 89, 33);
    ButtonRetour->setDefault(true);
    connect(ButtonRetour, &QPushButton::clicked, this, &TFormNWP::ButtonRetourClick);

    setTabOrder(ListBoxNWP, ButtonRetour);

    AuPremierAffichage(*this, [this] {
        // At a larger font, the columns and their titles take the room
        // they need: the list widens and what stands right of it moves.
        const QSize place = FaitPlaceAuxColonnes(*ListBoxNWP, {LabelCompetence, LabelCout, LabelCaracteristique,
                                                               LabelModificateur});
        for (QWidget* w : std::initializer_list<QWidget*>{PanelReste, ButtonRetour})
            w->move(w->x() + place.width(), w->y());
        setFixedSize(size() + place);
    });

    Categories = listes.categories;
    ListBoxNWP->FixeLignes(listes.competences);
}

const std::vector<int>& TFormNWP::LargeursColonnes() const
{
    return ListBoxNWP->LargeursColonnes;
}

QList<qsizetype> TFormNWP::Choisit(const QList<qsizetype>& marques, const BudgetCompetences& budget,
                                   const SuiviDuChoix<QList<qsizetype>>& suivi)
{
    FixeMarques(marques);
    FixeBudget(budget);
    ListBoxNWPClick();
    return ChoixModal(*this, suivi, [this] { return Marques(); });
}

void TFormNWP::FixeBudget(const BudgetCompetences& budget)
{
    GroupesAutorises = budget.GroupesAutorises;
    PointsCompetences = budget.PointsCompetences;
    ListBoxNWP->viewport()->update();   // the costs follow the groups
}

bool TFormNWP::CompetenceAutorisee(const QString& nom) const
{
    return ::CompetenceAutorisee(Categories, GroupesAutorises, nom);
}

qint64 TFormNWP::Cout(int i) const
{
    return CoutCompetence(ListBoxNWP->Texte(i), Categories, GroupesAutorises);
}

int TFormNWP::PointsRestants() const
{
    return ::PointsRestants(PointsCompetences, ListBoxNWP->LignesMarquees(), Categories, GroupesAutorises);
}

QList<qsizetype> TFormNWP::Marques() const
{
    return ListBoxNWP->Marquees();
}

void TFormNWP::FixeMarques(const QList<qsizetype>& positions)
{
    ListBoxNWP->FixeMarques(positions);
}

QStringList TFormNWP::textesAffiches(int i) const
{
    QStringList textes = DecoupeColonnes(ListBoxNWP->Lignes().value(i), 4);
    // The cost as the rules count it, one more outside the open groups.
    textes[1] = QString::number(CoutCompetence(ListBoxNWP->Lignes().value(i), Categories, GroupesAutorises));
    return textes;
}

void TFormNWP::ListBoxNWPClick()
{
    if (PointsRestants() < 0) {
        const int courante = ListBoxNWP->Courante();
        if (courante >= 0)
            ListBoxNWP->Demarque(courante);
        boite(GenreBoite::Erreur, QStringLiteral("Pas assez de points"), {Bouton::Oui});
    }
    AfficheReste(*PanelReste, PointsRestants());
}

void TFormNWP::ButtonRetourClick()
{
    accept();
}

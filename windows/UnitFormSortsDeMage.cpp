#include "UnitFormSortsDeMage.h"

#include "FichierSorts.h"

#include "Images.h"

#include "Champs.h"
#include "Collation.h"
#include "Echec.h"
#include "ExplicationEchec.h"
#include "ListeTexte.h"
#include "PreparationFenetre.h"
#include "Selection.h"
#include "SortsDeMage.h"
#include "UnitFormPourcentage.h"
#include "UnitNouveauSortDeMage.h"

#include <QCheckBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString FiltreSorts = QStringLiteral("Fichiers Sorts de Mage|*.mag|Tous Fichiers|*.*");
const QColor Magenta(255, 0, 255);

}

EtatCatalogue ChargeCatalogueDeDepart(const QString& fichier)
{
    EtatCatalogue etat;
    // A failure ends the reading here: the box unticked.
    ExecuteCommande([&] {
        ChargeCatalogue(fichier.isEmpty() ? etat.nomOuverture : fichier, etat.catalogue);
        etat.pourcent = true;
    });
    return etat;
}

void TFormSortsDeMage::RelieDialogues(std::function<TFormPourcentage*()> pourcentage,
                                      std::function<TFormNouveauSortDeMage*()> nouveauSort)
{
    pourcentage_ = std::move(pourcentage);
    nouveauSort_ = std::move(nouveauSort);
}

TFormSortsDeMage::Choix TFormSortsDeMage::Choisit(const SortsParNiveau& sorts, const QString& intelligence,
                                                  const EtatCatalogue& catalogue,
                                                  const SuiviDuChoix<SortsParNiveau>& suivi)
{
    sortsDeMageParNiveau_ = sorts;
    intelligence_ = intelligence;
    FixeEtat(catalogue);
    Choix choix;
    choix.sorts = ChoixModal(*this, suivi, [this] { return sortsDeMageParNiveau_; });
    choix.catalogue = Etat();
    return choix;
}

std::pair<EtatCatalogue, bool> TFormSortsDeMage::OuvreFichierSorts(const SortsParNiveau& sorts,
                                                                   const EtatCatalogue& catalogue, const QString& nom)
{
    sortsDeMageParNiveau_ = sorts;
    FixeEtat(catalogue);
    const bool lu = ouvreFichierSorts(nom);
    return {Etat(), lu};
}

void TFormSortsDeMage::FixeSortsDuPersonnage(const SortsParNiveau& sorts)
{
    sortsDeMageParNiveau_ = sorts;
    for (ListeSorts* l : ListBoxes)
        l->viewport()->update();
}

void TFormSortsDeMage::FixeEtat(const EtatCatalogue& etat)
{
    FixeCatalogueEtMarques(etat.catalogue, etat.marques);
    CheckBoxPourcent->setChecked(etat.pourcent);
    SortsModifies = etat.modifies;
    NomOuverture = etat.nomOuverture;
    NomSauvegarde = etat.nomSauvegarde;
}

EtatCatalogue TFormSortsDeMage::Etat() const
{
    EtatCatalogue etat;
    etat.catalogue = Catalogue();
    for (int n = 1; n <= NombreNiveauxSorts; ++n)
        etat.marques[static_cast<std::size_t>(n - 1)] = Marques(n);
    etat.pourcent = CheckBoxPourcent->isChecked();
    etat.modifies = SortsModifies;
    etat.nomOuverture = NomOuverture;
    etat.nomSauvegarde = NomSauvegarde;
    return etat;
}

ListeSorts* TFormSortsDeMage::liste(int niveau) const
{
    return ListBoxes.at(static_cast<std::size_t>(niveau - 1));
}

const QStringList& TFormSortsDeMage::sortsDuNiveau(int niveau) const
{
    return sortsDeMageParNiveau_.at(static_cast<std::size_t>(niveau - 1));
}

QStringList& TFormSortsDeMage::sortsDuNiveau(int niveau)
{
    return sortsDeMageParNiveau_.at(static_cast<std::size_t>(niveau - 1));
}

// --- The catalogue as values ------------------------------------------------

QStringList TFormSortsDeMage::Sorts(int niveau) const
{
    const ListeSorts* l = liste(niveau);
    QStringList sorts;
    sorts.reserve(l->count());
    for (int i = 0; i < l->count(); ++i)
        sorts.append(l->item(i)->text());
    return sorts;
}

CatalogueSorts TFormSortsDeMage::Catalogue() const
{
    CatalogueSorts catalogue;
    for (int n = 1; n <= NombreNiveauxSorts; ++n)
        catalogue[static_cast<std::size_t>(n - 1)] = Sorts(n);
    return catalogue;
}

void TFormSortsDeMage::FixeCatalogue(const CatalogueSorts& catalogue)
{
    for (int n = 1; n <= NombreNiveauxSorts; ++n) {
        QStringList sorts = catalogue[static_cast<std::size_t>(n - 1)];
        Collation::trie(sorts);
        ListeSorts* l = liste(n);
        l->clear();
        l->AjouteEntrees(sorts);
    }
    remarqueTout();
}

bool TFormSortsDeMage::EstMarque(int niveau, int position) const
{
    const QListWidgetItem* entree = liste(niveau)->item(position);
    return entree && entree->isSelected();
}

void TFormSortsDeMage::Marque(int niveau, int position, bool marque)
{
    if (QListWidgetItem* entree = liste(niveau)->item(position))
        entree->setSelected(marque);
}

QList<int> TFormSortsDeMage::Marques(int niveau) const
{
    const ListeSorts* l = liste(niveau);
    QList<int> marques;
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->isSelected())
            marques.append(i);
    return marques;
}

QStringList TFormSortsDeMage::SortsMarques(int niveau) const
{
    QStringList sorts;
    for (int i : Marques(niveau))
        sorts.append(liste(niveau)->item(i)->text());
    return sorts;
}

int TFormSortsDeMage::ChercheSort(int niveau, const QString& nom) const
{
    return ::ChercheSort(Sorts(niveau), nom);
}

int TFormSortsDeMage::AjouteSort(int niveau, const QString& enregistrement)
{
    const int place = static_cast<int>(PlaceTriee(Sorts(niveau), enregistrement));
    liste(niveau)->InsereEntree(place, enregistrement);
    return place;
}

// Loading a spell file marks again every record of a name the character
// holds.
void TFormSortsDeMage::remarqueTout()
{
    for (int n = 1; n <= NombreNiveauxSorts; ++n)
        SelectionneExactement(*liste(n), PlacesChoisies(Sorts(n), sortsDuNiveau(n)));
}

void TFormSortsDeMage::FixeCatalogueEtMarques(const CatalogueSorts& catalogue, const MarquesSorts& marques)
{
    for (int n = 1; n <= NombreNiveauxSorts; ++n) {
        const auto k = static_cast<std::size_t>(n - 1);
        ListeSorts* l = liste(n);
        if (Sorts(n) != catalogue[k]) {
            l->clear();
            l->AjouteEntrees(catalogue[k]);
        }
        SelectionneExactement(*l, marques[k]);
    }
}

// --- Spell files --------------------------------------------------------------

void TFormSortsDeMage::ChargeSorts(const QString& nom)
{
    // The whole file first: a file that cannot be read leaves the catalogue
    // as it was; one cut short gives what was read.
    const ListeTexte lignes = ListeTexte::charge(nom);
    CatalogueSorts catalogue;
    try {
        LitCatalogueTrie(lignes, catalogue);
    } catch (const Echec&) {
        FixeCatalogue(catalogue);
        throw;
    }
    FixeCatalogue(catalogue);
}

void TFormSortsDeMage::SauveSorts(const QString& nom) const
{
    EcritCatalogue(Catalogue()).sauve(nom);
}

DialogueFichier TFormSortsDeMage::dialogue(bool sauvegarde) const
{
    if (sauvegarde)
        return {QStringLiteral("Sauvegarde des Sorts de Mage"), FiltreSorts, QStringLiteral(".mag"), NomSauvegarde};
    return {QString(), FiltreSorts, QStringLiteral(".mag"), NomOuverture};
}

void TFormSortsDeMage::Ouvrir1Click()
{
    const QString nom = plateforme().fichierAOuvrir(dialogue(false));
    if (nom.isEmpty())
        return;
    ouvreFichierSorts(nom);
}

namespace {

// The spell file's failures with their second line.
void expliqueSi(const std::function<void()>& travail, const QString& nom)
{
    try {
        travail();
    } catch (const Echec& e) {
        throw Explique(e, nom, QStringLiteral("un fichier de sorts de mage"));
    }
}

}

bool TFormSortsDeMage::ouvreFichierSorts(const QString& nom)
{
    NomOuverture = nom;
    bool lu = false;
    ExecuteCommande([this, &nom, &lu] {
        expliqueSi([&] { ChargeSorts(nom); }, nom);
        lu = true;
    });
    return lu;
}

void TFormSortsDeMage::Sauver1Click()
{
    const QString nom = plateforme().fichierASauver(dialogue(true));
    if (nom.isEmpty())
        return;
    NomSauvegarde = nom;
    ExecuteCommande([this, &nom] { expliqueSi([&] { SauveSorts(nom); }, nom); });
}

// --- Closing --------------------------------------------------------------------

bool TFormSortsDeMage::FormCloseQuery()
{
    if (!SortsModifies)
        return true;
    switch (boite(GenreBoite::Avertissement, QStringLiteral("Les sorts ont été modifiés, sauver les modifications ?"),
                  {Bouton::Oui, Bouton::Non, Bouton::Annuler})) {
    case Bouton::Non:
        return true;
    case Bouton::Oui: {
        const QString nom = plateforme().fichierASauver(dialogue(true));
        if (nom.isEmpty())
            return false;
        NomSauvegarde = nom;
        // A save that fails keeps the dialog open, the catalogue with it.
        bool sauve = false;
        ExecuteCommande([&] {
            expliqueSi([&] { SauveSorts(nom); }, nom);
            sauve = true;
        });
        return sauve;
    }
    default:
        return false;
    }
}

void TFormSortsDeMage::done(int resultat)
{
    if (!FormCloseQuery())
        return;
    QDialog::done(resultat);
}

void TFormSortsDeMage::ButtonRetourClick()
{
    accept();
}

void TFormSortsDeMage::FormActivate()
{
    Valide = false;
}

void TFormSortsDeMage::showEvent(QShowEvent* event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TFormSortsDeMage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QDialog::changeEvent(event);
}

// --- Spell actions -----------------------------------------------------------------

ListeSorts* TFormSortsDeMage::ListeActive() const
{
    return ListBoxes.at(static_cast<std::size_t>(std::max(0, PageControl1->currentIndex())));
}

void TFormSortsDeMage::ValideATrue()
{
    Valide = true;
    ClicListeActive();
}

void TFormSortsDeMage::FormKeyPress(int touche)
{
    Valide = touche == Qt::Key_Space;
    if (Valide)
        ClicListeActive();
}

void TFormSortsDeMage::ClicListeActive()
{
    ExecuteCommande([this] {
        switch (ListeActive()->niveau()) {
        case 1: ListBox1Click(); break;
        case 2: ListBox2Click(); break;
        case 3: ListBox3Click(); break;
        case 4: ListBox4Click(); break;
        case 5: ListBox5Click(); break;
        case 6: ListBox6Click(); break;
        case 7: ListBox7Click(); break;
        case 8: ListBox8Click(); break;
        case 9: ListBox9Click(); break;
        default: break;
        }
    });
}

void TFormSortsDeMage::ListBox1Click() { ChoisitSort(ListBoxes[0], 1); }
void TFormSortsDeMage::ListBox2Click() { ChoisitSort(ListBoxes[1], 2); }
void TFormSortsDeMage::ListBox3Click() { ChoisitSort(ListBoxes[2], 3); }
void TFormSortsDeMage::ListBox4Click() { ChoisitSort(ListBoxes[3], 4); }
void TFormSortsDeMage::ListBox5Click() { ChoisitSort(ListBoxes[4], 5); }
void TFormSortsDeMage::ListBox6Click() { ChoisitSort(ListBoxes[5], 6); }
void TFormSortsDeMage::ListBox7Click() { ChoisitSort(ListBoxes[6], 7); }
void TFormSortsDeMage::ListBox8Click() { ChoisitSort(ListBoxes[7], 8); }
void TFormSortsDeMage::ListBox9Click() { ChoisitSort(ListBoxes[8], 9); }

void TFormSortsDeMage::ChoisitSort(ListeSorts* l, int niveau)
{
    // The list has already toggled the current entry's mark.
    if (!Valide)
        return;
    QListWidgetItem* entree = l->currentItem();
    TFormPourcentage* pourcentage = pourcentage_ ? pourcentage_() : nullptr;
    if (l->count() == 0 || !entree || !pourcentage) {
        Valide = false;
        return;
    }
    const QString nom = Champ1(entree->text());
    const bool coche = CheckBoxPourcent->isChecked();
    const bool vientDEtreChoisi = entree->isSelected();
    QStringList& sorts = sortsDuNiveau(niveau);
    TFormPourcentage& p = *pourcentage;

    p.EditPourcentage->setText(PourcentagePropose(sorts, nom, coche, vientDEtreChoisi));
    if (coche) {
        p.setWindowTitle(QStringLiteral("Entrez le pourcentage du sort"));
        p.LabelSort->setText(QStringLiteral("Pourcentage pour ") + nom);
        p.EditPourcentage->setFocus();
        p.EditPourcentage->selectAll();
    }
    entree->setSelected(true);
    p.FixeDetails(DetailsDe(entree->text()));
    // Filling the fields is no change by the user: only what is typed in
    // the dialog asks to keep changed details.
    p.DetailsModifies = false;

    const int resultat = coche ? p.exec() : TFormPourcentage::Valide;
    bool efface = false;
    if (resultat == TFormPourcentage::Valide) {
        const QString pourcentage = p.EditPourcentage->text();
        if (!PourcentageAccepte(pourcentage)) {
            boite(GenreBoite::Erreur, QStringLiteral("Vous devez entrer un pourcentage entre 1 et 100 !!"), {Bouton::OK});
        } else {
            if (p.DetailsModifies
                && boite(GenreBoite::Avertissement,
                         QStringLiteral("Attention, vous avez modifié les caractéristiques du sort ") + nom
                             + QStringLiteral(", Voulez-vous conserver ces modifications ?"),
                         {Bouton::Oui, Bouton::Non})
                       == Bouton::Oui) {
                // The new record takes its sorted place.
                l->takeItem(l->row(entree));
                entree->setText(EnregistrementSort(nom, p.Details()));
                l->insertItem(static_cast<int>(PlaceTriee(Sorts(niveau), entree->text())), entree);
                l->setCurrentItem(entree, QItemSelectionModel::NoUpdate);
                SortsModifies = true;
            }
            FixePourcentage(sorts, nom, pourcentage);
        }
    } else if (resultat == TFormPourcentage::Efface) {
        if (boite(GenreBoite::Avertissement, QStringLiteral("Effacer le sort ") + nom + QStringLiteral(" ?"),
                  {Bouton::Oui, Bouton::Non})
            == Bouton::Oui) {
            delete l->takeItem(l->row(entree));
            SortsModifies = true;
            efface = true;
        }
    }
    // Only the entry acted upon follows the character's list: another
    // record of the same name keeps its mark.
    if (!efface)
        entree->setSelected(IndexSortDeMage(sorts, nom) != -1);
    l->viewport()->update();
    Valide = false;
    Q_EMIT Change();
}

// --- Drawing ----------------------------------------------------------------------

const QString* TFormSortsDeMage::entreeDuSort(int niveau, const QString& nom) const
{
    const QStringList& sorts = sortsDuNiveau(niveau);
    IndexSorts& index = index_.at(static_cast<std::size_t>(niveau - 1));
    // A list left unchanged shares its data with the copy: the comparison
    // is then immediate; a changed one is indexed anew.
    if (index.sorts != sorts) {
        index.derniers.clear();
        index.derniers.reserve(sorts.size());
        for (qsizetype i = 0; i < sorts.size(); ++i)
            index.derniers.insert(Champ1(sorts[i]), static_cast<int>(i));
    }
    // Shared again, also when an equal list came in anew.
    index.sorts = sorts;
    const auto trouve = index.derniers.constFind(nom);
    return trouve == index.derniers.cend() ? nullptr : &index.sorts.at(*trouve);
}

void TFormSortsDeMage::DessineSort(QPainter& peintre, const QRect& r, int niveau, const QString& enregistrement) const
{
    const QPalette& pal = palette();
    const QColor faceBouton = pal.color(QPalette::Button);
    peintre.fillRect(r, faceBouton);

    const QString nom = Champ1(enregistrement);
    // The rules read the character's entry of that name alone: the same
    // answers as from the whole list, without walking it for every entry.
    const QString* entree = entreeDuSort(niveau, nom);
    const QStringList sorts = entree ? QStringList{*entree} : QStringList{};
    QColor encre = Qt::black;
    QColor fond = faceBouton;
    bool souligne = false;
    const EtatSort etat = EtatDuSort(sorts, nom, intelligence_);
    if (etat == EtatSort::Rate) {
        encre = pal.color(QPalette::Disabled, QPalette::WindowText);   // grey text
        fond = Magenta;
    } else if (etat == EtatSort::Appris) {
        encre = pal.color(QPalette::HighlightedText);
        fond = pal.color(QPalette::Highlight);
        souligne = true;
    }
    const QString texte = PourcentageAffiche(sorts, nom, etat, CheckBoxPourcent->isChecked());

    // A strip of button face separates the two columns.
    peintre.fillRect(r.adjusted(0, 0, -5, 0), fond);
    QFont police = font();
    police.setUnderline(souligne);
    peintre.setFont(police);
    peintre.setPen(encre);
    const QFontMetrics mesure(police);
    const int ligneDeBase = r.top() + (r.height() - mesure.height()) / 2 + mesure.ascent();
    peintre.drawText(QPoint(r.left(), ligneDeBase), texte);
    peintre.drawText(QPoint(r.left() + mesure.horizontalAdvance(QStringLiteral("100 % ")), ligneDeBase), nom);
}

QString TFormSortsDeMage::TexteLuDuSort(int niveau, const QString& enregistrement) const
{
    const QString nom = Champ1(enregistrement);
    const QStringList& sorts = sortsDuNiveau(niveau);
    const EtatSort etat = EtatDuSort(sorts, nom, intelligence_);
    QStringList lus{nom};
    const QString pourcentage = PourcentageAffiche(sorts, nom, etat, CheckBoxPourcent->isChecked()).trimmed();
    if (!pourcentage.isEmpty())
        lus.append(pourcentage);
    if (etat == EtatSort::Appris)
        lus.append(QStringLiteral("appris"));
    else if (etat == EtatSort::Rate)
        lus.append(QStringLiteral("raté"));
    return lus.join(QStringLiteral(", "));
}

// --- The other commands of the dialog ---------------------------------------------

void TFormSortsDeMage::BitBtnNouveauSortClick()
{
    TFormNouveauSortDeMage* nouveauSort = nouveauSort_ ? nouveauSort_() : nullptr;
    if (!nouveauSort)
        return;
    const int n = PageControl1->currentIndex() + 1;
    nouveauSort->setWindowTitle(QStringLiteral("Nouveau Sort de Mage de Niveau %1").arg(n));
    if (nouveauSort->exec() != QDialog::Accepted)
        return;
    SortsModifies = true;
    const QString enregistrement = nouveauSort->Enregistrement();
    ListeSorts* l = liste(n);
    // A new record comes unmarked, even under a name the character holds.
    const int place = AjouteSort(n, enregistrement);
    l->scrollToItem(l->item(place));
    l->viewport()->update();
}

void TFormSortsDeMage::CheckBoxPourcentClick()
{
    ListeActive()->viewport()->update();
}

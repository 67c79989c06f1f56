#pragma once

#include "CatalogueSorts.h"
#include "ChoixModal.h"
#include "ListeSorts.h"
#include "Plateforme.h"

#include <QDialog>
#include <QHash>
#include <QListWidget>
#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QMenuBar;
class QPainter;
class QPushButton;
class QTabWidget;
class TFormNouveauSortDeMage;
class TFormPourcentage;

// The dialog "Choix des sorts de Mage": the catalogue of known mage spells,
// nine levels on nine tabs, with the character's chosen spells marked and
// drawn with their percentage. The catalogue comes from the spell file
// "Mage.mag" read at start (ChargeCatalogueDeDepart); the dialog shows it as
// it is given (FixeEtat) and gives it back (Etat); the menu opens and saves
// other spell files.
//
// Choisit shows it on the character's nine lists of spell entries
// ("name&percentage") and its Intelligence, and gives back the new lists
// with the catalogue as it leaves it. The percentage and new-spell dialogs
// are attached as the means to get them, each created at its first use
// (RelieDialogues).
class TFormSortsDeMage : public QDialog {
    Q_OBJECT
public:
    using SortsParNiveau = std::array<QStringList, NombreNiveauxSorts>;

    explicit TFormSortsDeMage(QWidget* parent = nullptr);

    void RelieDialogues(std::function<TFormPourcentage*()> pourcentage,
                        std::function<TFormNouveauSortDeMage*()> nouveauSort);

    // What the dialog gives back: the character's spell entries and the
    // catalogue.
    struct Choix {
        SortsParNiveau sorts;
        EtatCatalogue catalogue;
    };
    // Shows the dialog modally on the character's spell entries `sorts`,
    // with the Intelligence `intelligence` as typed, and the catalogue
    // `catalogue`; the entries and the catalogue as they stand when it
    // closes. `suivi` follows the entries while it is open.
    Choix Choisit(const SortsParNiveau& sorts, const QString& intelligence, const EtatCatalogue& catalogue,
                  const SuiviDuChoix<SortsParNiveau>& suivi = {});
    // "&Ouvrir" with the file named from outside (given at start, dropped)
    // on `catalogue` marked for the entries `sorts`: the catalogue then, and
    // whether the file was read whole (a failure shown in its box).
    std::pair<EtatCatalogue, bool> OuvreFichierSorts(const SortsParNiveau& sorts, const EtatCatalogue& catalogue,
                                                     const QString& nom);

    // The character's entries as the dialog holds them, and the Intelligence
    // it counts with.
    const SortsParNiveau& SortsDuPersonnage() const { return sortsDeMageParNiveau_; }
    void FixeSortsDuPersonnage(const SortsParNiveau& sorts);
    void FixeIntelligence(const QString& intelligence) { intelligence_ = intelligence; }

    // The catalogue, its marks, "Pourcentage", its changes and the names of
    // its file dialogs: given when the dialog is shown, given back when it
    // closes. A level whose records are the same keeps its entries.
    void FixeEtat(const EtatCatalogue& etat);
    EtatCatalogue Etat() const;

    // The catalogue as values (levels 1 to 9). FixeCatalogue sorts each
    // level and marks the character's chosen spells.
    CatalogueSorts Catalogue() const;
    void FixeCatalogue(const CatalogueSorts& catalogue);
    // The catalogue (already in order) with exactly these marks, level by
    // level, in one pass: a level whose records are the same keeps its
    // entries.
    void FixeCatalogueEtMarques(const CatalogueSorts& catalogue, const MarquesSorts& marques);

    // One level's list, for the character file and the spellbook.
    QStringList Sorts(int niveau) const;
    bool EstMarque(int niveau, int position) const;
    void Marque(int niveau, int position, bool marque = true);
    QList<int> Marques(int niveau) const;        // the marked positions, ascending
    QStringList SortsMarques(int niveau) const;  // their records, in list order
    // The position of the last record whose name (field 1) is `nom`,
    // exactly; -1 when there is none.
    int ChercheSort(int niveau, const QString& nom) const;
    // Adds a record at its sorted place, unmarked; returns that place.
    int AjouteSort(int niveau, const QString& enregistrement);

    // Spell files. ChargeSorts reads the whole file before it replaces the
    // catalogue (Echec "Ne peut ouvrir le fichier ..." changes nothing); a
    // file with fewer than nine "***" throws Echec "Index liste hors bornes"
    // and keeps what it read. SauveSorts replaces the file atomically.
    void ChargeSorts(const QString& nom);
    void SauveSorts(const QString& nom) const;

    // The catalogue changed since start (new spell, details changed, spell
    // erased); opening or saving a spell file does not clear it.
    bool SortsModifies = false;
    // A spell action is armed (a click released over a list, the space bar).
    bool Valide = false;

    // Handlers.
    void ChoisitSort(ListeSorts* liste, int niveau);
    void ListBox1Click();
    void ListBox2Click();
    void ListBox3Click();
    void ListBox4Click();
    void ListBox5Click();
    void ListBox6Click();
    void ListBox7Click();
    void ListBox8Click();
    void ListBox9Click();
    void ValideATrue();
    void FormKeyPress(int touche);
    void ClicListeActive();
    ListeSorts* ListeActive() const;
    void DessineSort(QPainter& peintre, const QRect& rectangle, int niveau, const QString& enregistrement) const;
    // What a screen reader hears of an entry, as DessineSort draws it: the
    // name, the percentage shown, and whether the spell is learned or
    // failed ("Alarme, 45 %, appris").
    QString TexteLuDuSort(int niveau, const QString& enregistrement) const;
    void BitBtnNouveauSortClick();
    void CheckBoxPourcentClick();
    void Ouvrir1Click();
    void Sauver1Click();
    bool FormCloseQuery();
    void ButtonRetourClick();

    // The dialogs' file names: the open and the save dialog each show the
    // last name chosen in it ("Mage.mag" at first).
    QString NomOuverture = QStringLiteral("Mage.mag");
    QString NomSauvegarde = QStringLiteral("Mage.mag");

    void done(int resultat) override;

Q_SIGNALS:
    // The user changed what the dialog shows (never when it is filled).
    void Change();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // "&Ouvrir" once the file is named (by its dialog, or given from
    // outside): the name proposed next, then the file read; a failure is
    // shown in its box with its second line (which file, why). True when
    // the file was read whole.
    bool ouvreFichierSorts(const QString& nom);

    // The controls, named as the system names them (objectName).
    QMenuBar* MainMenu1 = nullptr;
    QAction *Ouvrir1 = nullptr, *Sauver1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    std::array<ListeSorts*, NombreNiveauxSorts> ListBoxes{};
    QLabel* Image1 = nullptr;
    QLabel* LabelAide = nullptr;
    QPushButton* ButtonRetour = nullptr;
    QPushButton* BitBtnNouveauSort = nullptr;
    QCheckBox* CheckBoxPourcent = nullptr;

    void FormActivate();
    ListeSorts* liste(int niveau) const;
    const QStringList& sortsDuNiveau(int niveau) const;
    QStringList& sortsDuNiveau(int niveau);
    // Marks every entry whose name the character holds, and only those.
    void remarqueTout();
    DialogueFichier dialogue(bool sauvegarde) const;

    // The character's entry of a name at one level, as IndexSortDeMage finds
    // it (the last of that name), from an index by name kept for the drawing.
    const QString* entreeDuSort(int niveau, const QString& nom) const;

    SortsParNiveau sortsDeMageParNiveau_;
    QString intelligence_;
    std::function<TFormPourcentage*()> pourcentage_;
    std::function<TFormNouveauSortDeMage*()> nouveauSort_;
    // Per level: the character's list the index was built from (sharing its
    // data while it is unchanged) and, for each name, its last position.
    struct IndexSorts {
        QStringList sorts;
        QHash<QString, int> derniers;
    };
    mutable std::array<IndexSorts, NombreNiveauxSorts> index_;
};

// The catalogue of start: the spell file `fichier` (by default "Mage.mag"
// of the working directory), its levels in the order of Collation, nothing
// marked, and "Pourcentage" ticked; the file dialogs propose "Mage.mag"
// either way. A file that cannot be read shows its error box and gives an
// empty catalogue, "Pourcentage" unticked; a file cut short keeps what was
// read, unticked too.
EtatCatalogue ChargeCatalogueDeDepart(const QString& fichier = QString());

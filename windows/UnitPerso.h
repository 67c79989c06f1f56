#pragma once

#include "Personnage.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <vector>

class MenuRecents;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;

// The main sheet window "Caractéristiques du personnage": the one character
// being typed in, its menu and toolbar, the refresh that keeps the window
// consistent after every change, and the modified flag.
//
// The main window is a view of the open character, which the program entry
// holds: it signals every change of its fields (PersonnageChange) and every
// change of the character (Modification), and knows nothing of the dialogs:
// the program entry attaches each command's checks and work with
// BrancheCommande (app/Commandes.cpp), and the question asked before the
// character is left (QuitteLePersonnage).
class TPersoForm : public QMainWindow {
    Q_OBJECT
public:
    // The commands whose work lives outside this window.
    enum class Commande {
        Nouveau,          // once the fields are emptied: the rest of the character
        Ouvrir,
        Sauver,
        Imprimer,
        Apercu,
        Competences,
        Armes,
        TalentsVoleur,
        Barde,
        SortsDeMage,
        SortsDeClerc,
        Notes,
        ExporterPDF,
        Tirage,           // "Tirer les &caractéristiques..."
    };
    static constexpr int NombreDeCommandes = 14;

    // The entry checks of a command: they append their messages and return
    // true when they appended none.
    using Verification = bool (*)(const Personnage&, QString&);

    // What a command does. Running it: run the checks (when there are); on a
    // fault, show their messages in one error box and stop. Then a dialog
    // command signals a Modification, and the work runs (it computes what
    // the dialog needs and shows it).
    struct Travail {
        Verification verifie = nullptr;
        std::function<void()> fait;
    };

    // The data directory is given (by default the working directory, as
    // the sheet once read it).
    explicit TPersoForm(const QString& repertoireDonnees = QString(), QWidget* parent = nullptr);
    ~TPersoForm() override;

    void BrancheCommande(Commande commande, Travail travail);
    // The commands nothing was attached to yet.
    std::vector<Commande> CommandesSansTravail() const;
    // The commands that show a dialog (and so mark the sheet modified).
    static bool EstCommandeDeDialogue(Commande commande);

    // The character as its fields hold it now.
    Personnage personnage() const;
    // Shows a character: fills the fields in the order of the character
    // file (each change refreshes the sheet as typing would, but is no step
    // of the user's: no Etape): name to class, then the class change
    // (ComboClasseChange), the level fields, hit points, alignment,
    // languages and the abilities, exceptional strength last. A pick list
    // takes the item of exactly that text, or none.
    void FixePersonnage(const Personnage& p);

    // The data directory, fixed when the window is created.
    const QString& RepertoireDonnees() const { return repertoireDonnees_; }

    // The files of the menu "Personnages récents", newest first.
    void FixeRecents(const QStringList& fichiers);

    // The history's two actions, in the menu "É&dition" and on two tool
    // buttons ("Annuler", "Rétablir"), enabled as they are; their keys win
    // over the fields' own (Ctrl+Z in a field undoes the sheet's step).
    void FixeHistorique(QAction* annuler, QAction* retablir);
    // The title: "Caractéristiques du personnage", then " — " and the file's
    // name when the character has one, marked "*" while it is modified.
    void FixeTitre(const QString& fichier, bool modifie);

    // Before the character is left (closing, "&Nouveau", "&Ouvrir"): true
    // when the command may go on. Without it, it always may.
    std::function<bool()> QuitteLePersonnage;

    // Runs the checks; on a fault shows their messages in one error box
    // ("&Oui") and returns false. For the work of a command that checks
    // after a first step of its own (printing).
    bool verifieOuSignale(Verification verifie);

    // Handlers (public so that tests and the program entry can run them).
    void MetAJourFiche();
    void DisposeNiveaux();
    void ModifieATrue();
    void ComboClasseChange();
    void Nouveau1Click();
    void Ouvrir1Click();
    void Sauver1Click();
    void Imprimer1Click();
    void Aperuavantimpression1Click();
    void ExporterPDF1Click();
    void Quitter1Click();
    void ButtonPVClick();
    void ButtonNWPClick();
    void ButtonArmesClick();
    void ButtonTalentsDeVoleurClick();
    void ButtonBardeClick();
    void ButtonSortsDeMageClick();
    void ButtonSortsDeClercClick();
    void ButtonNotesClick();
    void TirerLesCaracteristiques1Click();

    // The controls, named as the system names them.
    QLineEdit *EditNom, *EditAge, *EditTaille, *EditPoids, *EditPV, *EditLangues;
    QLineEdit *EditNiveau1, *EditNiveau2, *EditNiveau3;
    QLineEdit *EditForce, *EditXtra, *EditIntelligence, *EditSagesse, *EditDexterite,
        *EditConstitution, *EditCharisme, *EditBeaute;
    QComboBox *ComboRace, *ComboSexe, *ComboAlignement, *ComboClasse;
    QLabel *LabelNiveau1, *LabelNiveau2, *LabelNiveau3, *LabelXtra;
    QWidget* PanelNiveau;
    QPushButton* ButtonPV;
    QPushButton *ButtonNWP, *ButtonArmes, *ButtonNotes, *ButtonSortsDeMage, *ButtonSortsDeClerc,
        *ButtonTalentsDeVoleur, *ButtonBarde;
    QToolButton *SpeedButtonNouveau, *SpeedButtonOuvrir, *SpeedButtonSauver, *SpeedButtonPrint,
        *SpeedButtonQuitter, *SpeedButton1, *SpeedButtonNWP, *SpeedButtonArmes,
        *SpeedButtonTalentsVoleur, *SpeedButtonSortsDeMage, *SpeedButtonSortsDeClerc,
        *SpeedButtonTalentsDeBarde, *SpeedButtonNotes, *SpeedButtonExporterPDF;
    QAction *Nouveau1, *Ouvrir1, *Sauver1, *Aperuavantimpression1, *ExporterPDF1, *Quitter1, *Imprimer1;
    QMenu* Edition1 = nullptr;
    QAction* TirerLesCaracteristiques1 = nullptr;
    QToolButton *SpeedButtonAnnuler = nullptr, *SpeedButtonRetablir = nullptr, *SpeedButtonTirage = nullptr;
    MenuRecents* PersonnagesRecents1 = nullptr;

Q_SIGNALS:
    // A field's text changed, by the user or not.
    void PersonnageChange();
    // The user changed the character, and the sheet's refresh has run:
    // one step named for the user ("la saisie de Nom", "le choix de
    // Classe", "Tirer PV"); `saisie` is the field typed in (from 1), 0
    // for a pick or a button.
    void Etape(const QString& nom, int saisie);
    // The focus left a field: the run of typing in it ends.
    void FinDeSaisie();
    // A character file chosen outside the open dialog: in the menu
    // "Personnages récents", or dropped onto the window.
    void FichierChoisi(const QString& fichier);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The width of a level field.
    static constexpr int LargeurChampNiveau = 33;

    void FormCreate();
    bool FormCloseQuery();
    bool peutQuitter();
    void construitMenu();
    void construitOutils();
    void construitChamps();
    void construitBoutons();
    void activeDialogues(bool voleur, bool barde, bool mage, bool clerc);
    // Runs a command from its checks to its work, at the command's edge.
    void lance(Commande commande);
    // Runs the attached work only. A command with nothing attached is a
    // fault of the program: it stops a debug build and fails the command
    // otherwise.
    void travaille(Commande commande);

    // A user's gesture and what the refresh changes because of it are one
    // step: the outermost change names it (Geste, in the .cpp).
    friend struct Geste;
    int geste_ = 0;
    QObject* source_ = nullptr;
    // The fields are being filled by the program (FixePersonnage): no step.
    int montre_ = 0;
    QHash<const QObject*, QString> legendes_;
    QString repertoireDonnees_;
    std::map<Commande, Travail> travaux_;
    std::array<QLineEdit*, 3> editsNiveau_{};
    std::array<QLabel*, 3> labelsNiveau_{};
};

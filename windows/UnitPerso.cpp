#include "UnitPerso.h"

#include "Champs.h"
#include "Classes.h"
#include "DepotDeFichiers.h"
#include "Echec.h"
#include "Images.h"
#include "MenuRecents.h"
#include "Niveaux.h"
#include "Plateforme.h"
#include "PreparationFenetre.h"
#include "RaccourcisAvantLesChamps.h"
#include "SortsDeMage.h"
#include "ValidateurWindows1252.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

constexpr int LargeurChampNiveau = 33;

QLabel* legende(QWidget* parent, const QString& texte, int x, int y)
{
    auto* l = new QLabel(texte, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

}

TPersoForm::TPersoForm(QWidget* parent) : QMainWindow(parent)
{
    PrepareFenetre(*this, "PersoForm", QStringLiteral("Caractéristiques du personnage"));
    setWindowIcon(Icone("vardel"));
    // Black text; a disabled caption keeps the style's grey.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    setPalette(palette);

    auto* centre = new QWidget(this);
    centre->setObjectName("Fond");
    centre->setMinimumSize(777, 565);   // the design size of the sheet, below the menu
    setCentralWidget(centre);

    construitMenu();
    construitOutils();
    construitChamps();
    construitBoutons();
    // A character file dropped onto the sheet opens as a file chosen.
    new DepotDeFichiers(*this, [this](const QString& f) { Q_EMIT FichierChoisi(f); });
    new RaccourcisAvantLesChamps(*this, {ExporterPDF1->shortcut()});
    FormCreate();
}

void TPersoForm::FixeRecents(const QStringList& fichiers)
{
    PersonnagesRecents1->FixeFichiers(fichiers);
}

void TPersoForm::construitMenu()
{
    auto* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName("Fichier1");
    auto action = [this, fichier](const char* nom, const QString& texte, QKeySequence raccourci,
                                  void (TPersoForm::*handler)()) {
        QAction* a = fichier->addAction(texte);
        a->setObjectName(nom);
        a->setShortcut(raccourci);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    Nouveau1 = action("Nouveau1", QStringLiteral("&Nouveau"), {}, &TPersoForm::Nouveau1Click);
    Ouvrir1 = action("Ouvrir1", QStringLiteral("&Ouvrir"), QKeySequence(Qt::Key_F3), &TPersoForm::Ouvrir1Click);
    PersonnagesRecents1 = new MenuRecents(fichier);
    fichier->addMenu(PersonnagesRecents1);
    connect(PersonnagesRecents1, &MenuRecents::Choisi, this, &TPersoForm::FichierChoisi);
    Sauver1 = action("Sauver1", QStringLiteral("&Sauver"), QKeySequence(Qt::Key_F2), &TPersoForm::Sauver1Click);
    fichier->addSeparator();
    Aperuavantimpression1 = action("Aperuavantimpression1", QStringLiteral("&Aperçu avant impression"),
                                   QKeySequence(Qt::Key_F9), &TPersoForm::Aperuavantimpression1Click);
    ExporterPDF1 = action("ExporterPDF1", QStringLiteral("&Exporter en PDF..."), QKeySequence(Qt::CTRL | Qt::Key_E),
                          &TPersoForm::ExporterPDF1Click);
    fichier->addSeparator();
    Quitter1 = action("Quitter1", QStringLiteral("&Quitter"), QKeySequence(Qt::ALT | Qt::Key_X), &TPersoForm::Quitter1Click);

    Imprimer1 = menuBar()->addAction(QStringLiteral("&Imprimer"));
    Imprimer1->setObjectName("Imprimer1");
    connect(Imprimer1, &QAction::triggered, this, &TPersoForm::Imprimer1Click);
}

void TPersoForm::construitOutils()
{
    auto* panneau = new QWidget(centralWidget());
    panneau->setObjectName("PanelOutils");
    panneau->setGeometry(0, 0, 777, 41);
    panneau->setAutoFillBackground(true);
    int x = 2;
    auto bouton = [this, panneau, &x](const char* nom, const char* image, const QString& bulle,
                                      void (TPersoForm::*handler)(), int ecart = 0) {
        x += ecart;
        auto* b = new QToolButton(panneau);
        b->setObjectName(nom);
        b->setGeometry(x, 2, 37, 37);
        b->setIcon(Icone(image));
        b->setIconSize(QSize(28, 28));
        b->setToolTip(bulle);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, handler);
        x += 39;
        return b;
    };
    SpeedButtonNouveau = bouton("SpeedButtonNouveau", "nouveau", QStringLiteral("Nouveau personnage"), &TPersoForm::Nouveau1Click);
    SpeedButtonOuvrir = bouton("SpeedButtonOuvrir", "ouvrir", QStringLiteral("Ouvrir un fichier personnage"), &TPersoForm::Ouvrir1Click);
    SpeedButtonSauver = bouton("SpeedButtonSauver", "sauver", QStringLiteral("Sauver le personnage"), &TPersoForm::Sauver1Click);
    SpeedButtonPrint = bouton("SpeedButtonPrint", "imprimer", QStringLiteral("Impression du personnage"), &TPersoForm::Imprimer1Click);
    SpeedButtonQuitter = bouton("SpeedButtonQuitter", "quitter", QStringLiteral("Quitter"), &TPersoForm::Quitter1Click);
    SpeedButton1 = bouton("SpeedButton1", "apercu", QStringLiteral("Aperçu avant impression"), &TPersoForm::Aperuavantimpression1Click);
    SpeedButtonExporterPDF = bouton("SpeedButtonExporterPDF", "exporter_pdf", QStringLiteral("Exporter la fiche en PDF"), &TPersoForm::ExporterPDF1Click);
    SpeedButtonNWP = bouton("SpeedButtonNWP", "competences", QStringLiteral("Choix des compétences"), &TPersoForm::ButtonNWPClick, 12);
    SpeedButtonArmes = bouton("SpeedButtonArmes", "armes", QStringLiteral("Choix des armes"), &TPersoForm::ButtonArmesClick);
    SpeedButtonTalentsVoleur = bouton("SpeedButtonTalentsVoleur", "talents_voleur", QStringLiteral("Talents de Voleur"), &TPersoForm::ButtonTalentsDeVoleurClick);
    SpeedButtonSortsDeMage = bouton("SpeedButtonSortsDeMage", "sorts_mage", QStringLiteral("Sorts de Mage"), &TPersoForm::ButtonSortsDeMageClick);
    SpeedButtonSortsDeClerc = bouton("SpeedButtonSortsDeClerc", "sorts_clerc", QStringLiteral("Sphères d'influence du prêtre"), &TPersoForm::ButtonSortsDeClercClick);
    SpeedButtonTalentsDeBarde = bouton("SpeedButtonTalentsDeBarde", "talents_barde", QStringLiteral("Talents de Barde"), &TPersoForm::ButtonBardeClick);
    SpeedButtonNotes = bouton("SpeedButtonNotes", "notes", QStringLiteral("Entrée des notes"), &TPersoForm::ButtonNotesClick);
}

void TPersoForm::construitChamps()
{
    QWidget* c = centralWidget();
    auto* validateur = new ValidateurWindows1252(this);
    auto edit = [this, c, validateur](const char* nom, const QString& texte, int x, int y, int largeur) {
        legende(c, texte, x, y);
        auto* e = new QLineEdit(c);
        e->setObjectName(nom);
        e->setGeometry(x, y + 16, largeur, 21);
        e->setValidator(validateur);
        connect(e, &QLineEdit::textChanged, this, &TPersoForm::ModifieATrue);
        return e;
    };
    auto combo = [this, c](const char* nom, const QString& texte, const QStringList& items, int x, int y, int largeur) {
        legende(c, texte, x, y);
        auto* b = new QComboBox(c);
        b->setObjectName(nom);
        b->setGeometry(x, y + 16, largeur, 21);
        b->addItems(items);
        b->setCurrentIndex(-1);
        // Only a pick by the user counts as a change of the character; any
        // change is one of the fields.
        connect(b, &QComboBox::currentIndexChanged, this, &TPersoForm::PersonnageChange);
        connect(b, &QComboBox::activated, this, &TPersoForm::ModifieATrue);
        return b;
    };

    int y = 48;
    EditNom = edit("EditNom", QStringLiteral("Nom"), 8, y, 220);
    ComboRace = combo("ComboRace", QStringLiteral("Race"), Classes::Races(), 240, y, 121);
    ComboSexe = combo("ComboSexe", QStringLiteral("Sexe"), Classes::Sexes(), 373, y, 97);
    EditAge = edit("EditAge", QStringLiteral("Age"), 482, y, 57);
    EditTaille = edit("EditTaille", QStringLiteral("Taille"), 551, y, 73);

    y = 96;
    EditPoids = edit("EditPoids", QStringLiteral("Poids"), 8, y, 73);
    ComboAlignement = combo("ComboAlignement", QStringLiteral("Alignement"), Classes::Alignements(), 93, y, 145);
    EditPV = edit("EditPV", QStringLiteral("Points de Vie"), 250, y, 65);
    ButtonPV = new QPushButton(QStringLiteral("Tirer PV"), c);
    ButtonPV->setObjectName("ButtonPV");
    ButtonPV->setGeometry(325, y + 14, 81, 25);
    ButtonPV->setToolTip(QStringLiteral("Tirage aléatoire des points de vie"));
    ButtonPV->setFocusPolicy(Qt::ClickFocus);
    connect(ButtonPV, &QPushButton::clicked, this, &TPersoForm::ButtonPVClick);

    y = 144;
    ComboClasse = combo("ComboClasse", QStringLiteral("Classe"), Classes::Liste(), 8, y, 161);
    ComboClasse->setMaxVisibleItems(static_cast<int>(Classes::Liste().size()));
    auto* cadre = new QFrame(c);
    cadre->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelNiveau = cadre;
    PanelNiveau->setObjectName("PanelNiveau");
    PanelNiveau->setGeometry(181, y + 12, 481, 29);
    auto* titre = new QLabel(QStringLiteral(" Niveau"), PanelNiveau);
    titre->setObjectName("LabelPanelNiveau");
    QFont arial("Arial");
    arial.setPixelSize(13);
    titre->setFont(arial);
    titre->setStyleSheet("color: red");
    titre->move(2, 7);
    titre->adjustSize();
    for (int k = 0; k < 3; ++k) {
        auto* l = new QLabel(PanelNiveau);
        l->setObjectName(QStringLiteral("LabelNiveau%1").arg(k + 1));
        l->move(64, 7);
        auto* e = new QLineEdit(PanelNiveau);
        e->setObjectName(QStringLiteral("EditNiveau%1").arg(k + 1));
        e->setGeometry(69, 4, LargeurChampNiveau, 21);
        e->setValidator(validateur);
        connect(e, &QLineEdit::textChanged, this, &TPersoForm::ModifieATrue);
        labelsNiveau_[k] = l;
        editsNiveau_[k] = e;
    }
    std::tie(LabelNiveau1, LabelNiveau2, LabelNiveau3) = std::tuple(labelsNiveau_[0], labelsNiveau_[1], labelsNiveau_[2]);
    std::tie(EditNiveau1, EditNiveau2, EditNiveau3) = std::tuple(editsNiveau_[0], editsNiveau_[1], editsNiveau_[2]);

    y = 192;
    EditLangues = edit("EditLangues", QStringLiteral("Langues parlées"), 8, y, 620);
    {
        // The start value is no change of the sheet (and the window is not built yet).
        const QSignalBlocker silence(EditLangues);
        EditLangues->setText(QStringLiteral("Commun"));
    }

    y = 240;
    int x = 8;
    auto caracteristique = [&](const char* nom, const QString& texte) {
        QLineEdit* e = edit(nom, texte, x, y, 41);
        x += 84;
        return e;
    };
    EditForce = caracteristique("EditForce", QStringLiteral("Force"));
    x -= 84 - 52;
    EditXtra = caracteristique("EditXtra", QStringLiteral("Extra"));
    LabelXtra = nullptr;
    for (QLabel* l : c->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (l->text() == u"Extra")
            LabelXtra = l;
    LabelXtra->setObjectName("LabelXtra");
    EditXtra->setToolTip(QStringLiteral("Choix du pourcentage d'extra-force (pour un combattant avec 18 en Force uniquement)"));
    x -= 84 - 64;
    EditIntelligence = caracteristique("EditIntelligence", QStringLiteral("Intelligence"));
    EditSagesse = caracteristique("EditSagesse", QStringLiteral("Sagesse"));
    EditDexterite = caracteristique("EditDexterite", QStringLiteral("Dextérité"));
    EditConstitution = caracteristique("EditConstitution", QStringLiteral("Constitution"));
    EditCharisme = caracteristique("EditCharisme", QStringLiteral("Charisme"));
    EditBeaute = caracteristique("EditBeaute", QStringLiteral("Beauté"));
}

void TPersoForm::construitBoutons()
{
    QWidget* c = centralWidget();
    auto grand = [this, c](const char* nom, const QString& texte, const char* image, const QString& bulle,
                           int x, int y, void (TPersoForm::*handler)()) {
        auto* b = new QPushButton(Icone(image), texte, c);
        b->setObjectName(nom);
        b->setGeometry(x, y, 177, 57);
        b->setIconSize(QSize(32, 32));
        b->setToolTip(bulle);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    ButtonNWP = grand("ButtonNWP", QStringLiteral("&Compétences"), "competences", QStringLiteral("Choisir les compétences"), 16, 300, &TPersoForm::ButtonNWPClick);
    ButtonArmes = grand("ButtonArmes", QStringLiteral("&Armes"), "armes", QStringLiteral("Choisir les armes"), 16, 380, &TPersoForm::ButtonArmesClick);
    ButtonNotes = grand("ButtonNotes", QStringLiteral("&Notes"), "notes",
                        QStringLiteral("Voir les notes liées à la classe et la race ; Ajouter ses propres notes"), 16, 460, &TPersoForm::ButtonNotesClick);

    auto* image = new QLabel(c);
    image->setObjectName("Image1");
    image->setGeometry(216, 284, 311, 273);
    image->setPixmap(Image("decor"));

    ButtonSortsDeMage = grand("ButtonSortsDeMage", QStringLiteral("Sorts de &Mage"), "sorts_mage", QStringLiteral("Choix des sorts de mage"), 560, 284, &TPersoForm::ButtonSortsDeMageClick);
    ButtonSortsDeClerc = grand("ButtonSortsDeClerc", QStringLiteral("Sorts de &Clerc"), "sorts_clerc", QStringLiteral("Choix des sphères de clerc"), 560, 356, &TPersoForm::ButtonSortsDeClercClick);
    ButtonTalentsDeVoleur = grand("ButtonTalentsDeVoleur", QStringLiteral("Talents de &Voleur"), "talents_voleur", QStringLiteral("Choix des talents de voleur"), 560, 428, &TPersoForm::ButtonTalentsDeVoleurClick);
    ButtonBarde = grand("ButtonBarde", QStringLiteral("Talents de &Barde"), "talents_barde", QStringLiteral("Choix des talents de barde"), 560, 500, &TPersoForm::ButtonBardeClick);

    const QList<QWidget*> ordre = {EditNom, ComboRace, ComboSexe, EditAge, EditTaille, EditPoids,
                                   ComboAlignement, EditPV, ComboClasse, EditNiveau1, EditNiveau2,
                                   EditNiveau3, EditLangues, EditForce, EditXtra, EditIntelligence,
                                   EditSagesse, EditDexterite, EditConstitution, EditCharisme,
                                   EditBeaute, ButtonNWP, ButtonArmes, ButtonNotes, ButtonSortsDeMage,
                                   ButtonSortsDeClerc, ButtonTalentsDeVoleur, ButtonBarde};
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

void TPersoForm::FormCreate()
{
    repertoireDonnees_ = QDir::currentPath();
    activeDialogues(false, false, false, false);
}

void TPersoForm::BrancheCommande(Commande commande, Travail travail)
{
    travaux_[commande] = std::move(travail);
}

std::vector<TPersoForm::Commande> TPersoForm::CommandesSansTravail() const
{
    std::vector<Commande> sans;
    for (int i = 0; i < NombreDeCommandes; ++i) {
        const auto c = static_cast<Commande>(i);
        const auto it = travaux_.find(c);
        if (it == travaux_.end() || !it->second.fait)
            sans.push_back(c);
    }
    return sans;
}

bool TPersoForm::EstCommandeDeDialogue(Commande commande)
{
    switch (commande) {
    case Commande::Competences:
    case Commande::Armes:
    case Commande::TalentsVoleur:
    case Commande::Barde:
    case Commande::SortsDeMage:
    case Commande::SortsDeClerc:
    case Commande::Notes:
        return true;
    case Commande::Nouveau:
    case Commande::Ouvrir:
    case Commande::Sauver:
    case Commande::Imprimer:
    case Commande::Apercu:
    case Commande::ExporterPDF:
        break;
    }
    return false;
}

QString TPersoForm::FichierDonnees(const QString& nom) const
{
    return QDir(repertoireDonnees_).filePath(nom);
}

Personnage TPersoForm::personnage() const
{
    Personnage p;
    p.nom = EditNom->text();
    p.race = ComboRace->currentText();
    p.sexe = ComboSexe->currentText();
    p.age = EditAge->text();
    p.taille = EditTaille->text();
    p.poids = EditPoids->text();
    p.classe = ComboClasse->currentText();
    for (std::size_t k = 0; k < 3; ++k)
        p.niveaux[k] = editsNiveau_[k]->text();
    p.alignement = ComboAlignement->currentText();
    p.pointsDeVie = EditPV->text();
    p.langues = EditLangues->text();
    p.force = EditForce->text();
    p.extra = EditXtra->text();
    p.intelligence = EditIntelligence->text();
    p.sagesse = EditSagesse->text();
    p.dexterite = EditDexterite->text();
    p.constitution = EditConstitution->text();
    p.charisme = EditCharisme->text();
    p.beaute = EditBeaute->text();
    return p;
}

void TPersoForm::FixePersonnage(const Personnage& p, int niveaux, bool avecExtra)
{
    auto choisit = [](QComboBox* b, const QString& item) {
        b->setCurrentIndex(item.isEmpty() ? -1 : b->findText(item));
    };
    EditNom->setText(p.nom);
    choisit(ComboRace, p.race);
    choisit(ComboSexe, p.sexe);
    EditAge->setText(p.age);
    EditTaille->setText(p.taille);
    EditPoids->setText(p.poids);
    choisit(ComboClasse, p.classe);
    // Setting a pick list notifies nothing: the class change runs here. It
    // lays out the level panel, which empties every level field after the
    // class's last part: a single-class file opened after a three-class
    // character leaves Niveau 2 and 3 empty rather than as they were, so
    // that no hidden field keeps a level of the character before.
    ComboClasseChange();
    for (std::size_t k = 0; k < 3 && static_cast<int>(k) < niveaux; ++k)
        editsNiveau_[k]->setText(p.niveaux[k]);
    EditPV->setText(p.pointsDeVie);
    choisit(ComboAlignement, p.alignement);
    EditLangues->setText(p.langues);
    EditForce->setText(p.force);
    EditIntelligence->setText(p.intelligence);
    EditSagesse->setText(p.sagesse);
    EditDexterite->setText(p.dexterite);
    EditConstitution->setText(p.constitution);
    EditCharisme->setText(p.charisme);
    EditBeaute->setText(p.beaute);
    // Last, once Force and the class have opened the field for it.
    if (avecExtra)
        EditXtra->setText(p.extra);
}

void TPersoForm::activeDialogues(bool voleur, bool barde, bool mage, bool clerc)
{
    ButtonTalentsDeVoleur->setEnabled(voleur);
    SpeedButtonTalentsVoleur->setEnabled(voleur);
    ButtonBarde->setEnabled(barde);
    SpeedButtonTalentsDeBarde->setEnabled(barde);
    ButtonSortsDeMage->setEnabled(mage);
    SpeedButtonSortsDeMage->setEnabled(mage);
    ButtonSortsDeClerc->setEnabled(clerc);
    SpeedButtonSortsDeClerc->setEnabled(clerc);
}

void TPersoForm::MetAJourFiche()
{
    // This window's own focus widget: right also while a dialog is active.
    QWidget* focus = focusWidget();

    DisposeNiveaux();

    const Personnage::Etats etats = personnage().EtatsDeLaFiche();
    EditXtra->setEnabled(etats.extra);
    LabelXtra->setEnabled(etats.extra);
    if (!etats.extra)
        EditXtra->clear();
    activeDialogues(etats.talentsVoleur, etats.talentsBarde, etats.sortsDeMage, etats.sortsDeClerc);
    ButtonPV->setEnabled(etats.tirerPV);

    if (focus) {
        if (focus->isEnabled() && focus->isVisible())
            focus->setFocus();
        else
            EditNom->setFocus();
    }
}

void TPersoForm::DisposeNiveaux()
{
    for (std::size_t k = 0; k < 3; ++k) {
        labelsNiveau_[k]->setText(QString());
        labelsNiveau_[k]->setEnabled(false);
        editsNiveau_[k]->setEnabled(false);
        editsNiveau_[k]->hide();
    }
    const QStringList parties = Classes::Parties(ComboClasse->currentText());
    int x = 64;
    std::size_t k = 0;
    for (; k < 3 && k < static_cast<std::size_t>(parties.size()); ++k) {
        QLabel* l = labelsNiveau_[k];
        l->setText(parties[static_cast<qsizetype>(k)]);
        l->setEnabled(true);
        const int largeur = l->fontMetrics().horizontalAdvance(l->text());
        l->setGeometry(x, 7, largeur, l->fontMetrics().height());
        QLineEdit* e = editsNiveau_[k];
        e->setEnabled(true);
        e->move(x + largeur + 5, 4);
        e->show();
        x += largeur + LargeurChampNiveau + 25;
    }
    for (; k < 3; ++k)
        editsNiveau_[k]->clear();
}

void TPersoForm::ModifieATrue()
{
    Q_EMIT PersonnageChange();
    Q_EMIT Modification();
    MetAJourFiche();
}

void TPersoForm::ComboClasseChange()
{
    Q_EMIT Modification();
    const Personnage p = personnage();
    // The class change enables the pairs on the class alone; the refresh
    // that follows every activation adds the level conditions.
    activeDialogues(p.EstDeClasse(ClasseDeBase::Voleur), p.EstDeClasse(ClasseDeBase::Barde),
                    p.EstDeClasse(ClasseDeBase::Mage) || p.EstDeClasse(ClasseDeBase::Illusioniste)
                        || p.EstDeClasse(ClasseDeBase::Barde),
                    p.EstDeClasse(ClasseDeBase::Clerc) || p.EstDeClasse(ClasseDeBase::Druide)
                        || p.EstDeClasse(ClasseDeBase::Paladin) || p.EstDeClasse(ClasseDeBase::Ranger));
}

void TPersoForm::travaille(Commande commande)
{
    const auto it = travaux_.find(commande);
    if (it == travaux_.end() || !it->second.fait) {
        Q_ASSERT_X(false, "TPersoForm::travaille", "commande sans travail");
        throw Echec(QStringLiteral("Commande indisponible"));
    }
    it->second.fait();
}

void TPersoForm::lance(Commande commande)
{
    ExecuteCommande([&] {
        const auto it = travaux_.find(commande);
        if (it != travaux_.end() && it->second.verifie && !verifieOuSignale(it->second.verifie))
            return;
        if (EstCommandeDeDialogue(commande))
            Q_EMIT Modification();
        travaille(commande);
    });
}

bool TPersoForm::verifieOuSignale(Verification verifie)
{
    QString messagesErreur;
    verifie(personnage(), messagesErreur);
    if (messagesErreur.isEmpty())
        return true;
    boite(GenreBoite::Erreur, messagesErreur, {Bouton::Oui});
    return false;
}

void TPersoForm::ButtonNWPClick() { lance(Commande::Competences); }
void TPersoForm::ButtonArmesClick() { lance(Commande::Armes); }
void TPersoForm::ButtonTalentsDeVoleurClick() { lance(Commande::TalentsVoleur); }
void TPersoForm::ButtonBardeClick() { lance(Commande::Barde); }
void TPersoForm::ButtonNotesClick() { lance(Commande::Notes); }
void TPersoForm::ButtonSortsDeClercClick() { lance(Commande::SortsDeClerc); }
void TPersoForm::ButtonSortsDeMageClick() { lance(Commande::SortsDeMage); }
void TPersoForm::Aperuavantimpression1Click() { lance(Commande::Apercu); }
void TPersoForm::Imprimer1Click() { lance(Commande::Imprimer); }
void TPersoForm::ExporterPDF1Click() { lance(Commande::ExporterPDF); }
void TPersoForm::Sauver1Click() { lance(Commande::Sauver); }

void TPersoForm::ButtonPVClick()
{
    ExecuteCommande([this] {
        if (const std::optional<int> pv = TirePointsDeVie(personnage()))
            EditPV->setText(QString::number(*pv));
    });
}

void TPersoForm::Nouveau1Click()
{
    ExecuteCommande([this] {
        if (!peutQuitter())
            return;
        VideChamps();
        travaille(Commande::Nouveau);
    });
}

void TPersoForm::VideChamps()
{
    activeDialogues(false, false, false, false);
    // In the order of the sheet: the class goes before the levels, so the
    // refreshes that the emptied fields run see no class.
    EditNom->clear();
    ComboRace->setCurrentIndex(-1);
    ComboSexe->setCurrentIndex(-1);
    EditAge->clear();
    EditTaille->clear();
    EditPoids->clear();
    ComboClasse->setCurrentIndex(-1);
    for (QLineEdit* e : editsNiveau_)
        e->clear();
    EditPV->clear();
    ComboAlignement->setCurrentIndex(-1);
    for (QLineEdit* e : {EditLangues, EditForce, EditIntelligence, EditSagesse, EditDexterite, EditConstitution,
                         EditCharisme, EditBeaute})
        e->clear();
}

void TPersoForm::Ouvrir1Click()
{
    ExecuteCommande([this] {
        if (peutQuitter())
            travaille(Commande::Ouvrir);
    });
}

void TPersoForm::Quitter1Click()
{
    close();
}

bool TPersoForm::peutQuitter()
{
    return !QuitteLePersonnage || QuitteLePersonnage();
}

bool TPersoForm::FormCloseQuery()
{
    return peutQuitter();
}

void TPersoForm::closeEvent(QCloseEvent* event)
{
    bool ferme = true;
    ExecuteCommande([&] { ferme = FormCloseQuery(); });
    if (ferme)
        event->accept();
    else
        event->ignore();
}

void TPersoForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ExecuteCommande([this] { MetAJourFiche(); });
}

void TPersoForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    ExecuteCommande([this] { MetAJourFiche(); });
}

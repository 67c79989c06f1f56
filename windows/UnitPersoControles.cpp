// The controls of the sheet, its menu and its toolbar, where the design
// places them, each named and connected to its handler.
#include "UnitPerso.h"

#include "Classes.h"
#include "Images.h"
#include "MenuRecents.h"
#include "ValidateurWindows1252.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace {

QLabel* legende(QWidget* parent, const QString& texte, int x, int y)
{
    auto* l = new QLabel(texte, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

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

    // The history's entries come first (FixeHistorique).
    Edition1 = menuBar()->addMenu(QStringLiteral("É&dition"));
    Edition1->setObjectName("Edition1");
    TirerLesCaracteristiques1 = Edition1->addAction(QStringLiteral("Tirer les &caractéristiques..."));
    TirerLesCaracteristiques1->setObjectName("TirerLesCaracteristiques1");
    connect(TirerLesCaracteristiques1, &QAction::triggered, this, &TPersoForm::TirerLesCaracteristiques1Click);

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
        b->setAccessibleName(bulle);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        if (handler)
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
    // The history's: attached to its actions (FixeHistorique).
    SpeedButtonAnnuler = bouton("SpeedButtonAnnuler", "annuler", QStringLiteral("Annuler"), nullptr, 12);
    SpeedButtonRetablir = bouton("SpeedButtonRetablir", "retablir", QStringLiteral("Rétablir"), nullptr);
    SpeedButtonTirage = bouton("SpeedButtonTirage", "des", QStringLiteral("Tirer les caractéristiques"),
                               &TPersoForm::TirerLesCaracteristiques1Click);
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
        QLabel* l = legende(c, texte, x, y);
        auto* e = new QLineEdit(c);
        l->setBuddy(e);
        e->setObjectName(nom);
        e->setGeometry(x, y + 16, largeur, 21);
        e->setValidator(validateur);
        connect(e, &QLineEdit::textChanged, this, &TPersoForm::ModifieATrue);
        legendes_.insert(e, texte);
        return e;
    };
    auto combo = [this, c](const char* nom, const QString& texte, const QStringList& items, int x, int y, int largeur) {
        QLabel* l = legende(c, texte, x, y);
        auto* b = new QComboBox(c);
        l->setBuddy(b);
        b->setObjectName(nom);
        b->setGeometry(x, y + 16, largeur, 21);
        b->addItems(items);
        b->setCurrentIndex(-1);
        // Only a pick by the user counts as a change of the character; any
        // change is one of the fields.
        connect(b, &QComboBox::currentIndexChanged, this, &TPersoForm::PersonnageChange);
        connect(b, &QComboBox::activated, this, &TPersoForm::ModifieATrue);
        legendes_.insert(b, texte);
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
        l->setBuddy(e);   // its caption is the class part it holds the level of
        connect(e, &QLineEdit::textChanged, this, &TPersoForm::ModifieATrue);
        legendes_.insert(e, QStringLiteral("Niveau %1").arg(k + 1));
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
    ButtonSortsDeClerc = grand("ButtonSortsDeClerc", QStringLiteral("Sorts de C&lerc"), "sorts_clerc", QStringLiteral("Choix des sphères de clerc"), 560, 356, &TPersoForm::ButtonSortsDeClercClick);
    ButtonTalentsDeVoleur = grand("ButtonTalentsDeVoleur", QStringLiteral("Talents de &Voleur"), "talents_voleur", QStringLiteral("Choix des talents de voleur"), 560, 428, &TPersoForm::ButtonTalentsDeVoleurClick);
    ButtonBarde = grand("ButtonBarde", QStringLiteral("Talents de &Barde"), "talents_barde", QStringLiteral("Choix des talents de barde"), 560, 500, &TPersoForm::ButtonBardeClick);

    const QList<QWidget*> ordre = {EditNom, ComboRace, ComboSexe, EditAge, EditTaille, EditPoids,
                                   ComboAlignement, EditPV, ButtonPV, ComboClasse, EditNiveau1, EditNiveau2,
                                   EditNiveau3, EditLangues, EditForce, EditXtra, EditIntelligence,
                                   EditSagesse, EditDexterite, EditConstitution, EditCharisme,
                                   EditBeaute, ButtonNWP, ButtonArmes, ButtonNotes, ButtonSortsDeMage,
                                   ButtonSortsDeClerc, ButtonTalentsDeVoleur, ButtonBarde};
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

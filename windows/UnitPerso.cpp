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
#include <QFileInfo>
#include <QScopeGuard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

// One gesture of the user's: the changes made until the outermost handler
// returns, the refresh's included, are one step, named by the first
// control that changed.
struct Geste {
    Geste(TPersoForm& f, QObject* source) : f_(f)
    {
        if (f_.geste_++ == 0)
            f_.source_ = source;
    }
    ~Geste()
    {
        if (--f_.geste_ > 0)
            return;
        QObject* source = std::exchange(f_.source_, nullptr);
        if (f_.montre_ > 0 || !source)
            return;
        if (source == f_.ButtonPV) {
            Q_EMIT f_.Etape(QStringLiteral("Tirer PV"), 0);
        } else if (auto* champ = qobject_cast<QLineEdit*>(source)) {
            const QList<QLineEdit*> champs = f_.centralWidget()->findChildren<QLineEdit*>();
            Q_EMIT f_.Etape(QStringLiteral("la saisie de ") + f_.legendes_.value(champ), champs.indexOf(champ) + 1);
        } else if (f_.legendes_.contains(source)) {
            Q_EMIT f_.Etape(QStringLiteral("le choix de ") + f_.legendes_.value(source), 0);
        }
    }
    Geste(const Geste&) = delete;
    Geste& operator=(const Geste&) = delete;

private:
    TPersoForm& f_;
};

TPersoForm::TPersoForm(const QString& repertoireDonnees, QWidget* parent)
    : QMainWindow(parent), repertoireDonnees_(repertoireDonnees.isEmpty() ? QDir::currentPath() : repertoireDonnees)
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
    new RaccourcisAvantLesChamps(*this, {ExporterPDF1->shortcut(), QKeySequence::Undo, QKeySequence::Redo,
                                         QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QLineEdit* champ : centralWidget()->findChildren<QLineEdit*>())
        connect(champ, &QLineEdit::editingFinished, this, &TPersoForm::FinDeSaisie);
    FixeTitre(QString(), false);
    FormCreate();
}

TPersoForm::~TPersoForm()
{
    // The fields lose their focus as they go: no step, no end of typing
    // from a window already half gone.
    for (QLineEdit* champ : findChildren<QLineEdit*>())
        champ->disconnect(this);
}

void TPersoForm::FixeRecents(const QStringList& fichiers)
{
    PersonnagesRecents1->FixeFichiers(fichiers);
}

void TPersoForm::FixeHistorique(QAction* annuler, QAction* retablir)
{
    annuler->setShortcuts(QKeySequence::Undo);
    retablir->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QAction* premiere = Edition1->actions().value(0);
    Edition1->insertActions(premiere, {annuler, retablir});
    Edition1->insertSeparator(premiere);
    for (auto [bouton, action] : {std::pair{SpeedButtonAnnuler, annuler}, std::pair{SpeedButtonRetablir, retablir}}) {
        bouton->setEnabled(action->isEnabled());
        connect(action, &QAction::enabledChanged, bouton, &QWidget::setEnabled);
        connect(bouton, &QToolButton::clicked, action, &QAction::trigger);
    }
}

void TPersoForm::FixeTitre(const QString& fichier, bool modifie)
{
    QString titre = QStringLiteral("Caractéristiques du personnage");
    if (!fichier.isEmpty())
        titre += QStringLiteral(" — ") + QFileInfo(fichier).fileName();
    setWindowTitle(titre + QStringLiteral("[*]"));
    setWindowModified(modifie);
}

void TPersoForm::FormCreate()
{
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
    case Commande::Tirage:
        break;
    }
    return false;
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

void TPersoForm::FixePersonnage(const Personnage& p)
{
    ++montre_;
    const auto fin = qScopeGuard([this] { --montre_; });
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
    // Setting a pick list notifies nothing: the class change runs here (the
    // dialogs the class opens). The value shown is already ruled
    // (RegleLaFiche): no hidden level field keeps a level.
    ComboClasseChange();
    for (std::size_t k = 0; k < 3; ++k)
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

    const Personnage p = personnage();
    const Personnage::Etats etats = p.EtatsDeLaFiche();
    EditXtra->setEnabled(etats.extra);
    LabelXtra->setEnabled(etats.extra);
    EditXtra->setText(RegleLaFiche(p).extra);
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
        // Named by its caption while it has one, else by its place.
        editsNiveau_[k]->setAccessibleName(QStringLiteral("Niveau %1").arg(k + 1));
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
        if (!l->text().isEmpty())
            e->setAccessibleName(l->text());
        e->setEnabled(true);
        e->move(x + largeur + 5, 4);
        e->show();
        x += largeur + LargeurChampNiveau + 25;
    }
    // The fields no part owns, as the sheet's rule leaves them.
    const Personnage regle = RegleLaFiche(personnage());
    for (; k < 3; ++k)
        editsNiveau_[k]->setText(regle.niveaux[k]);
}

void TPersoForm::ModifieATrue()
{
    Geste geste(*this, sender());
    Q_EMIT PersonnageChange();
    MetAJourFiche();
}

void TPersoForm::ComboClasseChange()
{
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
void TPersoForm::TirerLesCaracteristiques1Click() { lance(Commande::Tirage); }
void TPersoForm::ButtonSortsDeClercClick() { lance(Commande::SortsDeClerc); }
void TPersoForm::ButtonSortsDeMageClick() { lance(Commande::SortsDeMage); }
void TPersoForm::Aperuavantimpression1Click() { lance(Commande::Apercu); }
void TPersoForm::Imprimer1Click() { lance(Commande::Imprimer); }
void TPersoForm::ExporterPDF1Click() { lance(Commande::ExporterPDF); }
void TPersoForm::Sauver1Click() { lance(Commande::Sauver); }

void TPersoForm::ButtonPVClick()
{
    ExecuteCommande([this] {
        Geste geste(*this, ButtonPV);
        if (const std::optional<int> pv = TirePointsDeVie(personnage()))
            EditPV->setText(QString::number(*pv));
    });
}

void TPersoForm::Nouveau1Click()
{
    ExecuteCommande([this] {
        if (!peutQuitter())
            return;
        travaille(Commande::Nouveau);
    });
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

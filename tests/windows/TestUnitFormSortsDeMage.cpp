#include "Controles.h"
#include "UnitFormSortsDeMage.h"

#include "Classes.h"
#include "UnitFormPourcentage.h"
#include "UnitNouveauSortDeMage.h"
#include "Windows1252.h"

#include "Fichiers.h"
#include "PlateformeScriptee.h"

#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString Bouclier = QStringLiteral("Bouclier&1&5 rounds/niv.&0&Spéciale&V, S");
const QString Charme = QStringLiteral("Charme-personne&1&Spéciale&120 m&1 personne&V, S");
const QString Sommeil = QStringLiteral("Sommeil&1&5 rounds/niv.&30 m&Spéciale&V, S, M");
const QString BouleDeFeu = QStringLiteral("Boule de feu&3&Instantanée&10 m + 10 m/niv.&Rayon de 6 m&V, S, M");
const QString Vol = QStringLiteral("Vol&3&1 tour/niv. + 1d6 tours&Contact&1 créature&V, S, M");

// Level 1 written out of order: the lists sort it.
const QStringList Fichier{Sommeil, Bouclier, Charme, "***", "***", Vol, BouleDeFeu, "***",
                          "***", "***", "***", "***", "***", "***"};

// The spell catalogue with its two dialogs, created in a scratch folder
// holding "Mage.mag", and the character's nine spell lists.
class FenetreSorts : public ::testing::Test {
protected:
    void SetUp() override
    {
        boites = &PlateformeScriptee::remiseAZero();
        ListeTexte(Fichier).sauve(dossier.chemin("Mage.mag"));
    }

    void cree()
    {
        const QString avant = QDir::currentPath();
        QDir::setCurrent(dossier.racine());
        const EtatCatalogue depart = ChargeCatalogueDeDepart();
        QDir::setCurrent(avant);
        form = std::make_unique<TFormSortsDeMage>();
        form->FixeSortsDuPersonnage(sortsDeDepart);
        form->FixeIntelligence(intelligence);
        form->FixeEtat(depart);
        pourcentage = new TFormPourcentage(form.get());
        nouveau = new TFormNouveauSortDeMage(form.get());
        form->RelieDialogues([this] { return pourcentage; }, [this] { return nouveau; });
        form->show();
        QApplication::processEvents();
    }

    ListeSorts* liste(int niveau) { return Controle<ListeSorts>(form, QStringLiteral("ListBox%1").arg(niveau)); }

    using Sorts = TFormSortsDeMage::SortsParNiveau;
    // The character's spell entries as the dialog holds them.
    const Sorts& sorts() const { return form->SortsDuPersonnage(); }
    // Changes them, from outside the dialog (before it is made: the entries
    // it is made with).
    void change(const std::function<void(Sorts&)>& changement)
    {
        if (!form)
            return changement(sortsDeDepart);
        Sorts s = sorts();
        changement(s);
        form->FixeSortsDuPersonnage(s);
    }
    void fixeIntelligence(const QString& texte)
    {
        intelligence = texte;
        if (form)
            form->FixeIntelligence(texte);
    }

    QRect rectangle(int niveau, int ligne)
    {
        return liste(niveau)->visualItemRect(liste(niveau)->item(ligne));
    }

    // A left click on an entry, its tab shown.
    void clic(int niveau, int ligne)
    {
        Controle<QTabWidget>(form, "PageControl1")->setCurrentIndex(niveau - 1);
        QTest::mouseClick(liste(niveau)->viewport(), Qt::LeftButton, {}, rectangle(niveau, ligne).center());
    }

    void touche(int niveau, int ligne, Qt::Key t, Qt::KeyboardModifiers m = {})
    {
        Controle<QTabWidget>(form, "PageControl1")->setCurrentIndex(niveau - 1);
        liste(niveau)->setFocus();
        liste(niveau)->setCurrentRow(ligne, QItemSelectionModel::NoUpdate);
        QTest::keyClick(liste(niveau), t, m);
    }

    // Runs `action`; when it opens the percentage dialog, `pendant` runs
    // while it is shown. Tells whether the dialog was shown.
    bool avecPourcentage(const std::function<void()>& action, const std::function<void(TFormPourcentage&)>& pendant)
    {
        QObject contexte;
        bool vu = false;
        QTimer::singleShot(0, &contexte, [&] {
            if (QApplication::activeModalWidget() != pourcentage)
                return;
            vu = true;
            pendant(*pourcentage);
            if (pourcentage->isVisible())
                pourcentage->close();
        });
        action();
        QApplication::processEvents();
        return vu;
    }

    // A click on entry `ligne` of level 1 answered with `texte` and OK.
    void repond(int ligne, const QString& texte)
    {
        ASSERT_TRUE(avecPourcentage([&] { clic(1, ligne); }, [&](TFormPourcentage& p) {
            p.EditPourcentage->setText(texte);
            QTest::mouseClick(p.ButtonOK, Qt::LeftButton);
        }));
    }

    std::vector<QString> textesDesBoites() const
    {
        std::vector<QString> t;
        for (const auto& b : boites->boites)
            t.push_back(b.texte);
        return t;
    }

    DossierTemporaire dossier;
    Sorts sortsDeDepart;
    QString intelligence = QStringLiteral("12");
    std::unique_ptr<TFormSortsDeMage> form;
    TFormPourcentage* pourcentage = nullptr;
    TFormNouveauSortDeMage* nouveau = nullptr;
    PlateformeScriptee* boites = nullptr;
};

constexpr int LigneBouclier = 0;
constexpr int LigneCharme = 1;
constexpr int LigneSommeil = 2;

}

TEST_F(FenetreSorts, CreationChargeMageMagEtCocheLaCase)
{
    cree();
    EXPECT_TRUE(boites->boites.empty());
    EXPECT_EQ(form->Sorts(1), (QStringList{Bouclier, Charme, Sommeil}));
    EXPECT_EQ(form->Sorts(3), (QStringList{BouleDeFeu, Vol}));
    EXPECT_TRUE(Controle<QCheckBox>(form, "CheckBoxPourcent")->isChecked());
    EXPECT_FALSE(form->SortsModifies);
    EXPECT_EQ(form->windowTitle(), "Choix des sorts de Mage");
    ASSERT_EQ(Controle<QTabWidget>(form, "PageControl1")->count(), 9);
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(Controle<QTabWidget>(form, "PageControl1")->tabText(n - 1), QStringLiteral("Niveau %1").arg(n));
        EXPECT_EQ(Controle<QTabWidget>(form, "PageControl1")->widget(n - 1), form->findChild<QListWidget*>(QStringLiteral("ListBox%1").arg(n)));
    }
    EXPECT_EQ(Controle<QCheckBox>(form, "CheckBoxPourcent")->text(), "Conserver les poucentages");
    EXPECT_EQ(Controle<QCheckBox>(form, "CheckBoxPourcent")->toolTip(),
              "Non coché : un simple click sélectionne le sort (avec un pourcentage de 1%)");
    EXPECT_EQ(Controle<QPushButton>(form, "BitBtnNouveauSort")->text(), "&Nouveau");
    EXPECT_EQ(Controle<QPushButton>(form, "BitBtnNouveauSort")->toolTip(), "Introduire un nouveau sort");
    EXPECT_EQ(Controle<QPushButton>(form, "ButtonRetour")->toolTip(), "Retour au personnage");
    EXPECT_EQ(Controle<QLabel>(form, "Label1")->text(), "Sélectionnez un sort en appuyant la touche <Espace> ou avec un click de mulot");
    EXPECT_EQ(Controle<QAction>(form, "Ouvrir1")->text(), "&Ouvrir");
    EXPECT_EQ(Controle<QAction>(form, "Sauver1")->text(), "&Sauver");

    EXPECT_EQ(pourcentage->windowTitle(), "Pourcentage");
    EXPECT_EQ(pourcentage->ButtonOK->toolTip(), "Conserver ces données");
    EXPECT_EQ(pourcentage->ButtonEffacer->text(), "&Effacer");
    EXPECT_EQ(pourcentage->ButtonEffacer->toolTip(), "Eliminer ce sort de la liste");
    EXPECT_EQ(pourcentage->ButtonAbandon->text(), "Abandon");
    EXPECT_EQ(pourcentage->ButtonAbandon->toolTip(), "Abandonner les modifications");
    EXPECT_EQ(nouveau->windowTitle(), "Nouveau Sort de Mage");
    EXPECT_EQ(nouveau->ButtonOK->toolTip(), "Ajouter le nouveau sort à la liste");
    EXPECT_EQ(nouveau->ButtonAnnuler->toolTip(), "Abandonner le nouveau sort");
    for (const char* nom : {"LabelSort", "EditPourcentage", "EditVitesse", "EditDuree", "EditPortee",
                            "EditZoneDEffet", "EditComposants"})
        EXPECT_NE(pourcentage->findChild<QWidget*>(nom), nullptr) << nom;
    for (const char* nom : {"EditNom", "EditVitesse", "EditDuree", "EditPortee", "EditZoneDEffet", "EditComposants"})
        EXPECT_NE(nouveau->findChild<QLineEdit*>(nom), nullptr) << nom;
}

TEST_F(FenetreSorts, SansMageMagNeufListesVides)
{
    QFile::remove(dossier.chemin("Mage.mag"));
    cree();
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(boites->boites[0].texte, "Ne peut ouvrir le fichier Mage.mag");
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(liste(n)->count(), 0) << n;
    // The creation stopped at the failure.
    EXPECT_FALSE(Controle<QCheckBox>(form, "CheckBoxPourcent")->isChecked());
}

TEST_F(FenetreSorts, CaseDecocheeUnClicBasculeLeSortAUnPourCent)
{
    cree();
    Controle<QCheckBox>(form, "CheckBoxPourcent")->setChecked(false);
    clic(1, LigneSommeil);
    EXPECT_EQ(sorts()[0], QStringList{"Sommeil&1"});
    EXPECT_EQ(form->Marques(1), QList<int>{LigneSommeil});
    // Another spell with other details: no question about details.
    clic(1, LigneBouclier);
    EXPECT_EQ(sorts()[0], (QStringList{"Sommeil&1", "Bouclier&1"}));
    clic(1, LigneSommeil);
    EXPECT_EQ(sorts()[0], QStringList{"Bouclier&1"});
    EXPECT_EQ(form->Marques(1), QList<int>{LigneBouclier});
    EXPECT_TRUE(boites->boites.empty());
    EXPECT_FALSE(form->Valide);

    // The space bar acts on the current entry; the arrows and select-all
    // only move.
    touche(1, LigneCharme, Qt::Key_Space);
    EXPECT_EQ(sorts()[0], (QStringList{"Bouclier&1", "Charme-personne&1"}));
    touche(1, LigneCharme, Qt::Key_Down);
    EXPECT_EQ(liste(1)->currentRow(), LigneSommeil);
    touche(1, LigneSommeil, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(sorts()[0], (QStringList{"Bouclier&1", "Charme-personne&1"}));
    EXPECT_EQ(form->Marques(1), (QList<int>{LigneBouclier, LigneCharme}));

    // A press on one entry released over another, or a right click, does nothing.
    QWidget* vue = liste(1)->viewport();
    QTest::mousePress(vue, Qt::LeftButton, {}, rectangle(1, LigneSommeil).center());
    QTest::mouseRelease(vue, Qt::LeftButton, {}, rectangle(1, LigneCharme).center());
    QTest::mouseClick(vue, Qt::RightButton, {}, rectangle(1, LigneCharme).center());
    EXPECT_EQ(sorts()[0], (QStringList{"Bouclier&1", "Charme-personne&1"}));
    EXPECT_TRUE(boites->boites.empty());
}

TEST_F(FenetreSorts, CaseCocheeAjouteChangeEtRetire)
{
    cree();
    // An unchosen spell: an empty percentage, the details, the caption.
    ASSERT_TRUE(avecPourcentage([&] { clic(1, LigneSommeil); }, [&](TFormPourcentage& p) {
        EXPECT_EQ(p.windowTitle(), "Entrez le pourcentage du sort");
        EXPECT_EQ(p.LabelSort->text(), "Pourcentage pour Sommeil");
        EXPECT_EQ(p.EditPourcentage->text(), "");
        EXPECT_EQ(p.Details(), DetailsDe(Sommeil));
        EXPECT_EQ(p.focusWidget(), p.EditPourcentage);
        QTest::keyClicks(p.EditPourcentage, "50");
        QTest::keyClick(p.EditPourcentage, Qt::Key_Return);   // OK is the default button
    }));
    repond(LigneBouclier, "30");
    EXPECT_EQ(sorts()[0], (QStringList{"Sommeil&50", "Bouclier&30"}));
    EXPECT_EQ(form->Marques(1), (QList<int>{LigneBouclier, LigneSommeil}));

    // A chosen spell shows its percentage, all selected; changed, it keeps its place.
    ASSERT_TRUE(avecPourcentage([&] { clic(1, LigneSommeil); }, [&](TFormPourcentage& p) {
        EXPECT_EQ(p.EditPourcentage->text(), "50");
        EXPECT_EQ(p.EditPourcentage->selectedText(), "50");
        QTest::keyClicks(p.EditPourcentage, "60");
        QTest::mouseClick(p.ButtonOK, Qt::LeftButton);
    }));
    EXPECT_EQ(sorts()[0], (QStringList{"Sommeil&60", "Bouclier&30"}));
    EXPECT_TRUE(form->EstMarque(1, LigneSommeil));

    // Emptied, it goes; an empty answer on an unchosen spell adds nothing.
    repond(LigneSommeil, "");
    repond(LigneCharme, "");
    EXPECT_EQ(sorts()[0], QStringList{"Bouclier&30"});
    EXPECT_EQ(form->Marques(1), QList<int>{LigneBouclier});
    EXPECT_TRUE(boites->boites.empty());
    EXPECT_FALSE(form->SortsModifies);
}

TEST_F(FenetreSorts, PourcentageRefuseOuLuAvecIndulgence)
{
    cree();
    change([](Sorts& s) { s[0] = QStringList{"Sommeil&50"}; });
    form->Marque(1, LigneSommeil);
    for (const char* texte : {"0", "101", "50abc", "-0", "1234567890123456789012345678901234567890"}) {
        boites->boites.clear();
        repond(LigneSommeil, texte);   // a chosen spell
        repond(LigneCharme, texte);    // an unchosen one
        EXPECT_EQ(textesDesBoites(), std::vector<QString>(2, "Vous devez entrer un pourcentage entre 1 et 100 !!")) << texte;
        EXPECT_EQ(boites->boites[0].genre, GenreBoite::Erreur);
        EXPECT_EQ(boites->boites[0].boutons, std::vector<Bouton>{Bouton::OK});
        EXPECT_EQ(sorts()[0], QStringList{"Sommeil&50"}) << texte;
        EXPECT_EQ(form->Marques(1), QList<int>{LigneSommeil}) << texte;
    }
    boites->boites.clear();
    repond(LigneCharme, " 7");
    EXPECT_TRUE(boites->boites.empty());
    EXPECT_EQ(sorts()[0], (QStringList{"Sommeil&50", "Charme-personne& 7"}));
}

TEST_F(FenetreSorts, AbandonEtEffacer)
{
    cree();
    repond(LigneSommeil, "50");

    // Abandon (the button, or Escape) changes nothing, marks included.
    ASSERT_TRUE(avecPourcentage([&] { clic(1, LigneCharme); }, [&](TFormPourcentage& p) {
        p.EditPourcentage->setText("40");
        QTest::mouseClick(p.ButtonAbandon, Qt::LeftButton);
    }));
    ASSERT_TRUE(avecPourcentage([&] { clic(1, LigneSommeil); }, [&](TFormPourcentage& p) {
        p.EditPourcentage->setText("");
        QTest::keyClick(p.EditPourcentage, Qt::Key_Escape);
    }));
    EXPECT_EQ(sorts()[0], QStringList{"Sommeil&50"});
    EXPECT_EQ(form->Marques(1), QList<int>{LigneSommeil});
    EXPECT_TRUE(boites->boites.empty());

    // Effacer, answered "&Non": nothing changes.
    auto efface = [&](int ligne) {
        ASSERT_TRUE(avecPourcentage([&] { clic(1, ligne); }, [&](TFormPourcentage& p) {
            QTest::mouseClick(p.ButtonEffacer, Qt::LeftButton);
        }));
    };
    boites->reponses = {Bouton::Non};
    efface(LigneSommeil);
    ASSERT_EQ(boites->boites.size(), 1u);
    EXPECT_EQ(boites->boites[0].genre, GenreBoite::Avertissement);
    EXPECT_EQ(boites->boites[0].texte, "Effacer le sort Sommeil ?");
    EXPECT_EQ(boites->boites[0].boutons, (std::vector<Bouton>{Bouton::Oui, Bouton::Non}));
    EXPECT_EQ(form->Sorts(1).size(), 3);
    EXPECT_EQ(form->Marques(1), QList<int>{LigneSommeil});
    EXPECT_FALSE(form->SortsModifies);

    // "&Oui": the catalogue loses the spell, the character keeps it.
    boites->reponses = {Bouton::Oui};
    efface(LigneSommeil);
    EXPECT_EQ(form->Sorts(1), (QStringList{Bouclier, Charme}));
    EXPECT_EQ(form->Marques(1), QList<int>{});
    EXPECT_EQ(sorts()[0], QStringList{"Sommeil&50"});
    EXPECT_TRUE(form->SortsModifies);
}

TEST_F(FenetreSorts, DetailsModifiesDemandentConfirmation)
{
    cree();
    const QString question = "Attention, vous avez modifié les caractéristiques du sort Sommeil, "
                             "Voulez-vous conserver ces modifications ?";
    auto changeDuree = [&](const QString& duree) {
        ASSERT_TRUE(avecPourcentage([&] { clic(1, LigneSommeil); }, [&](TFormPourcentage& p) {
            EXPECT_FALSE(p.DetailsModifies);
            p.EditPourcentage->setText("40");
            p.EditDuree->selectAll();
            QTest::keyClicks(p.EditDuree, duree);
            QTest::mouseClick(p.ButtonOK, Qt::LeftButton);
        }));
    };
    boites->reponses = {Bouton::Non};
    changeDuree("1 tour");
    ASSERT_EQ(textesDesBoites(), std::vector<QString>{question});
    EXPECT_EQ(boites->boites[0].genre, GenreBoite::Avertissement);
    EXPECT_EQ(form->Sorts(1)[LigneSommeil], Sommeil);
    EXPECT_FALSE(form->SortsModifies);
    EXPECT_EQ(sorts()[0], QStringList{"Sommeil&40"});   // the percentage is kept all the same

    boites->reponses = {Bouton::Oui};
    changeDuree("2 tours");
    EXPECT_EQ(form->Sorts(1)[LigneSommeil], "Sommeil&1&2 tours&30 m&Spéciale&V, S, M");
    EXPECT_TRUE(form->SortsModifies);
    EXPECT_EQ(sorts()[0], QStringList{"Sommeil&40"});
    EXPECT_TRUE(form->EstMarque(1, LigneSommeil));

    // "&" would cut the record: the first details refuse it, the
    // components (the record's tail) take it.
    ASSERT_TRUE(avecPourcentage([&] { clic(1, LigneCharme); }, [&](TFormPourcentage& p) {
        QTest::keyClicks(p.EditVitesse, "&");
        QTest::keyClicks(p.EditComposants, "&");
        EXPECT_EQ(p.EditVitesse->text(), "1");
        EXPECT_EQ(p.EditComposants->text(), "V, S&");
        QTest::mouseClick(p.ButtonAbandon, Qt::LeftButton);
    }));
}

namespace {

QColor pixel(const QImage& image, QPoint p)
{
    return image.pixelColor(p);
}

// How many pixels of the rectangle differ from `fond`.
int encre(const QImage& image, const QRect& r, const QColor& fond)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y) != fond;
    return n;
}

// The longest run of pixels of colour `c` on one line of the rectangle.
int plusLongTrait(const QImage& image, const QRect& r, const QColor& c)
{
    int meilleur = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        int suite = 0;
        for (int x = r.left(); x <= r.right(); ++x) {
            suite = image.pixelColor(x, y) == c ? suite + 1 : 0;
            meilleur = std::max(meilleur, suite);
        }
    }
    return meilleur;
}

}

TEST_F(FenetreSorts, DessinAppris_Rate_NonChoisi)
{
    fixeIntelligence("12");   // chance 50
    change([](Sorts& s) { s[0] = QStringList{"Sommeil&50", "Bouclier&51"}; });
    cree();
    form->AjouteSort(1, "Sommeil&2&autre");   // a second record of the same name
    ASSERT_EQ(form->Sorts(1)[3], "Sommeil&2&autre");
    const QPalette pal = form->palette();
    const QColor face = pal.color(QPalette::Button);
    const QColor surligne = pal.color(QPalette::Highlight);
    const QColor magenta(255, 0, 255);

    auto image = [&] {
        QApplication::processEvents();   // the layout of the entries is deferred
        return liste(1)->viewport()->grab().toImage();
    };
    auto fond = [&](const QImage& i, int ligne) { return pixel(i, rectangle(1, ligne).topRight() + QPoint(-7, 0)); };
    auto bande = [&](const QImage& i, int ligne) { return pixel(i, rectangle(1, ligne).topRight() + QPoint(-2, 8)); };
    const int colonne = QFontMetrics(form->font()).horizontalAdvance("100 % ");
    auto pourcent = [&](int ligne) {
        const QRect r = rectangle(1, ligne);
        return QRect(r.left(), r.top(), colonne - 2, r.height());
    };

    QImage i = image();
    EXPECT_EQ(fond(i, LigneSommeil), surligne);          // learned at exactly the chance
    EXPECT_EQ(fond(i, 3), surligne);                     // the same name, the same look
    EXPECT_EQ(fond(i, LigneBouclier), magenta);          // failed, one above
    EXPECT_EQ(fond(i, LigneCharme), face);               // not chosen
    EXPECT_EQ(bande(i, LigneSommeil), face);             // the strip between the columns
    EXPECT_EQ(bande(i, LigneBouclier), face);
    EXPECT_GT(encre(i, pourcent(LigneSommeil), surligne), 0);   // "50 % "
    EXPECT_GT(encre(i, pourcent(LigneBouclier), magenta), 0);
    EXPECT_EQ(encre(i, pourcent(LigneCharme), face), 0);
    // Learned spells are underlined: one line of text colour runs under the whole name.
    const QRect nom = rectangle(1, LigneSommeil).adjusted(colonne, 0, -5, 0);
    const int largeurNom = QFontMetrics(form->font()).horizontalAdvance("Sommeil");
    EXPECT_GE(plusLongTrait(i, nom, pal.color(QPalette::HighlightedText)), largeurNom - 2);
    EXPECT_LT(plusLongTrait(i, rectangle(1, LigneBouclier).adjusted(colonne, 0, -5, 0),
                            pal.color(QPalette::Disabled, QPalette::WindowText)),
              largeurNom / 2);

    // Box unticked: the colours stay, the percentages go.
    Controle<QCheckBox>(form, "CheckBoxPourcent")->setChecked(false);
    i = image();
    EXPECT_EQ(fond(i, LigneSommeil), surligne);
    EXPECT_EQ(encre(i, pourcent(LigneSommeil), surligne), 0);
    EXPECT_EQ(encre(i, pourcent(LigneBouclier), magenta), 0);

    // Intelligence below 9: every chosen spell is failed.
    fixeIntelligence("8");
    i = image();
    EXPECT_EQ(fond(i, LigneSommeil), magenta);
    EXPECT_EQ(fond(i, LigneBouclier), magenta);
    EXPECT_EQ(fond(i, LigneCharme), face);
}

// A name the character holds twice is drawn from its last entry, as the
// rules read it; the drawing follows the character's list as it changes,
// also from outside the dialog (another character begun).
TEST_F(FenetreSorts, DessinDuDernierDoubleEtDeLaListeChangee)
{
    fixeIntelligence("12");   // chance 50
    change([](Sorts& s) { s[0] = QStringList{"Sommeil&20", "Bouclier&70", "Sommeil&60", "Bouclier&10"}; });
    cree();
    const QColor surligne = form->palette().color(QPalette::Highlight);
    const QColor face = form->palette().color(QPalette::Button);
    const QColor magenta(255, 0, 255);
    auto fonds = [&] {
        QApplication::processEvents();
        const QImage i = liste(1)->viewport()->grab().toImage();
        QList<QColor> f;
        for (int ligne : {LigneBouclier, LigneCharme, LigneSommeil})
            f.append(pixel(i, rectangle(1, ligne).topRight() + QPoint(-7, 0)));
        return f;
    };
    EXPECT_EQ(fonds(), (QList<QColor>{surligne, face, magenta}));

    change([](Sorts& s) { s[0][2] = "Sommeil&40"; });
    EXPECT_EQ(fonds(), (QList<QColor>{surligne, face, surligne}));
    change([](Sorts& s) { s[0].removeLast(); });
    EXPECT_EQ(fonds(), (QList<QColor>{magenta, face, surligne}));
    // As many entries, the names at other places.
    change([](Sorts& s) { s[0] = QStringList{"Bouclier&20", "Sommeil&70", "Charme-personne&10"}; });
    EXPECT_EQ(fonds(), (QList<QColor>{surligne, surligne, magenta}));
    change([](Sorts& s) { s[0] = QStringList{"Charme-personne&99"}; });
    EXPECT_EQ(fonds(), (QList<QColor>{face, magenta, face}));
    change([](Sorts& s) { s = {}; });
    EXPECT_EQ(fonds(), (QList<QColor>{face, face, face}));
}

// Two records of one name are one spell of the character, but each record
// is marked on its own: only the record acted upon follows the character's
// list, so the spellbook prints the spell once.
TEST_F(FenetreSorts, DeuxSortsDeMemeNomPartagentLeurPourcentage)
{
    cree();
    const QString autre = "Sommeil&1&autre durée&30 m&Spéciale&V";
    const int place = form->AjouteSort(1, autre);
    ASSERT_EQ(place, 3);
    repond(LigneSommeil, "50");
    EXPECT_EQ(sorts()[0], QStringList{"Sommeil&50"});
    EXPECT_EQ(form->Marques(1), QList<int>{LigneSommeil});   // the other record stays unmarked
    repond(3, "70");                                         // the other record, same spell
    EXPECT_EQ(sorts()[0], QStringList{"Sommeil&70"});
    EXPECT_EQ(form->Marques(1), (QList<int>{LigneSommeil, 3}));
    repond(3, "");
    EXPECT_EQ(sorts()[0], QStringList{});
    EXPECT_EQ(form->Marques(1), QList<int>{LigneSommeil});   // only the record acted upon
}

TEST_F(FenetreSorts, NouveauSortASaPlaceEtQuestionALaFermeture)
{
    cree();
    auto nouveauSort = [&](const std::function<void(TFormNouveauSortDeMage&)>& pendant) {
        QObject contexte;
        bool vu = false;
        QTimer::singleShot(0, &contexte, [&] {
            vu = QApplication::activeModalWidget() == nouveau;
            if (vu)
                pendant(*nouveau);
            if (nouveau->isVisible())
                nouveau->reject();
        });
        QTest::mouseClick(Controle<QPushButton>(form, "BitBtnNouveauSort"), Qt::LeftButton);
        return vu;
    };
    Controle<QTabWidget>(form, "PageControl1")->setCurrentIndex(2);
    ASSERT_TRUE(nouveauSort([](TFormNouveauSortDeMage& d) {
        EXPECT_EQ(d.windowTitle(), "Nouveau Sort de Mage de Niveau 3");
        QTest::keyClicks(d.EditNom, "Clair&voyance");   // "&" refused in the name
        QTest::keyClicks(d.EditVitesse, "3");
        QTest::keyClicks(d.EditDuree, "1 round/niv.");
        d.EditPortee->insert("Spéciale");
        d.EditZoneDEffet->insert("Cône");
        QTest::keyClicks(d.EditComposants, "V, S, M");
        QTest::mouseClick(d.ButtonOK, Qt::LeftButton);
    }));
    const QString clairvoyance = "Clairvoyance&3&1 round/niv.&Spéciale&Cône&V, S, M";
    EXPECT_EQ(form->Sorts(3), (QStringList{BouleDeFeu, clairvoyance, Vol}));
    EXPECT_TRUE(form->SortsModifies);
    EXPECT_EQ(form->Sorts(1).size(), 3);

    // Annuler adds nothing; the fields keep their text for the next time.
    ASSERT_TRUE(nouveauSort([](TFormNouveauSortDeMage& d) {
        EXPECT_EQ(d.EditNom->text(), "Clairvoyance");
        QTest::mouseClick(d.ButtonAnnuler, Qt::LeftButton);
    }));
    EXPECT_EQ(form->Sorts(3).size(), 3);

    // Closing asks, every time.
    const QString question = "Les sorts ont été modifiés, sauver les modifications ?";
    boites->reponses = {Bouton::Annuler};
    form->ButtonRetourClick();
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(textesDesBoites(), std::vector<QString>{question});
    EXPECT_EQ(boites->boites[0].genre, GenreBoite::Avertissement);
    EXPECT_EQ(boites->boites[0].boutons, (std::vector<Bouton>{Bouton::Oui, Bouton::Non, Bouton::Annuler}));

    boites->reponses = {Bouton::Oui};   // then the save dialog is cancelled
    form->close();
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(boites->dialogues.size(), 1u);
    EXPECT_TRUE(boites->dialogues[0].sauvegarde);

    // A save that fails keeps the dialog open, with the failure shown.
    boites->reponses = {Bouton::Oui};
    boites->fichiers = {dossier.racine()};
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(textesDesBoites().back(), "Ne peut créer le fichier " + dossier.racine() + "\nC'est un dossier, pas un fichier");

    boites->boites.clear();
    boites->reponses = {Bouton::Non};
    form->close();
    EXPECT_FALSE(form->isVisible());

    form->show();
    boites->reponses = {Bouton::Oui};
    boites->fichiers = {dossier.chemin("Nouveau.mag")};
    form->ButtonRetourClick();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(textesDesBoites(), std::vector<QString>(2, question));
    EXPECT_EQ(ListeTexte::charge(dossier.chemin("Nouveau.mag")).lignes(),
              (QStringList{Bouclier, Charme, Sommeil, "***", "***", BouleDeFeu, clairvoyance, Vol, "***", "***",
                           "***", "***", "***", "***", "***"}));
}

TEST_F(FenetreSorts, FermetureSansChangementSansQuestion)
{
    cree();
    repond(LigneSommeil, "50");   // a spell chosen is no change of the catalogue
    form->ButtonRetourClick();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boites->boites.empty());
}

TEST_F(FenetreSorts, OuvrirEtSauverUnFichierDeSorts)
{
    cree();
    repond(LigneSommeil, "50");

    boites->fichiers = {dossier.chemin("Copie.mag")};
    Controle<QAction>(form, "Sauver1")->trigger();
    ASSERT_EQ(boites->dialogues.size(), 1u);
    const DialogueFichier& s = boites->dialogues[0].dialogue;
    EXPECT_TRUE(boites->dialogues[0].sauvegarde);
    EXPECT_EQ(s.titre, "Sauvegarde des Sorts de Mage");
    EXPECT_EQ(s.filtre, "Fichiers Sorts de Mage|*.mag|Tous Fichiers|*.*");
    EXPECT_EQ(s.extensionParDefaut, ".mag");
    EXPECT_EQ(s.nomInitial, "Mage.mag");
    EXPECT_EQ(ListeTexte::charge(dossier.chemin("Copie.mag")).lignes(),
              (QStringList{Bouclier, Charme, Sommeil, "***", "***", BouleDeFeu, Vol, "***", "***", "***", "***",
                           "***", "***", "***"}));

    // Another catalogue in its place, then the copy opened again: the same
    // catalogue, the character's spell marked again.
    form->FixeCatalogue({QStringList{"Autre&1"}});
    boites->fichiers = {dossier.chemin("Copie.mag")};
    Controle<QAction>(form, "Ouvrir1")->trigger();
    ASSERT_EQ(boites->dialogues.size(), 2u);
    const DialogueFichier& o = boites->dialogues[1].dialogue;
    EXPECT_FALSE(boites->dialogues[1].sauvegarde);
    EXPECT_EQ(o.titre, "");
    EXPECT_EQ(o.filtre, "Fichiers Sorts de Mage|*.mag|Tous Fichiers|*.*");
    EXPECT_EQ(o.extensionParDefaut, ".mag");
    EXPECT_EQ(o.nomInitial, "Mage.mag");
    EXPECT_EQ(form->Sorts(1), (QStringList{Bouclier, Charme, Sommeil}));
    EXPECT_EQ(form->Marques(1), QList<int>{LigneSommeil});
    EXPECT_TRUE(boites->boites.empty());
    EXPECT_FALSE(form->SortsModifies);

    // The dialogs show the last name chosen; a cancelled dialog does nothing.
    Controle<QAction>(form, "Sauver1")->trigger();
    Controle<QAction>(form, "Ouvrir1")->trigger();
    EXPECT_EQ(boites->dialogues[2].dialogue.nomInitial, dossier.chemin("Copie.mag"));
    EXPECT_EQ(boites->dialogues[3].dialogue.nomInitial, dossier.chemin("Copie.mag"));

    // A file that cannot be read leaves the catalogue as it was.
    boites->fichiers = {dossier.chemin("Absent.mag")};
    Controle<QAction>(form, "Ouvrir1")->trigger();
    EXPECT_EQ(textesDesBoites(),
              std::vector<QString>{"Ne peut ouvrir le fichier " + dossier.chemin("Absent.mag") + "\nFichier introuvable"});
    EXPECT_EQ(form->Sorts(1), (QStringList{Bouclier, Charme, Sommeil}));

    // A save that fails says so and keeps the previous file.
    boites->fichiers = {dossier.racine()};
    Controle<QAction>(form, "Sauver1")->trigger();
    EXPECT_EQ(textesDesBoites().back(), "Ne peut créer le fichier " + dossier.racine() + "\nC'est un dossier, pas un fichier");
}

TEST_F(FenetreSorts, FichierSansNeufFinsDeNiveau)
{
    cree();
    const QString court = dossier.ecrit("Court.mag", "Un&1\r\n***\r\nDeux&2\r\n***\r\nTrois&3\r\n");
    boites->fichiers = {court};
    Controle<QAction>(form, "Ouvrir1")->trigger();
    EXPECT_EQ(textesDesBoites(), std::vector<QString>{"Index liste hors bornes\n« " + court +
                                                      " » n'est pas un fichier de sorts de mage, ou il est abîmé."});
    EXPECT_EQ(form->Sorts(1), QStringList{"Un&1"});
    EXPECT_EQ(form->Sorts(2), QStringList{"Deux&2"});
    EXPECT_EQ(form->Sorts(3), QStringList{"Trois&3"});
    EXPECT_EQ(form->Sorts(4), QStringList{});
}

TEST_F(FenetreSorts, FichierMalFormeSeRelitEtSeResauvePareil)
{
    cree();
    QByteArray octets;
    octets += QByteArray(2000, 'x') + "&1&2\r\n";          // a long line
    octets += "Sans et commercial\r\n";                   // a record with no "&"
    octets += "&1&2&3&4&5\r\n";                           // an empty name
    QByteArray hauts;
    for (int b = 0x80; b <= 0xFF; ++b)
        hauts += static_cast<char>(b);
    octets += "Haut" + hauts + "&1\r\n";                  // bytes 0x80 to 0xFF
    for (int i = 0; i < 20; ++i)                          // twenty ends of level
        octets += "***\r\n";
    octets += "Perdu&9\r\n";
    boites->fichiers = {dossier.ecrit("Bizarre.mag", octets)};
    Controle<QAction>(form, "Ouvrir1")->trigger();
    EXPECT_TRUE(boites->boites.empty());
    ASSERT_EQ(form->Sorts(1).size(), 4);
    for (int n = 2; n <= 9; ++n)
        EXPECT_EQ(form->Sorts(n), QStringList{}) << n;

    // Drawn and acted on without harm.
    for (int n = 1; n <= 9; ++n)
        liste(n)->viewport()->grab();
    Controle<QCheckBox>(form, "CheckBoxPourcent")->setChecked(false);
    for (int ligne = 0; ligne < 4; ++ligne)
        clic(1, ligne);
    liste(1)->viewport()->grab();
    // The record with no "&" and the one with an empty name are both the
    // spell "": the second click, on a record still unmarked, chose it again.
    EXPECT_EQ(sorts()[0], (QStringList{"&1", "Haut" + Windows1252::decode(hauts) + "&1", QString(2000, u'x') + "&1"}));

    // Saved: the same lines, sorted, then nine ends of level; saved again
    // from what it reads: the same bytes.
    boites->fichiers = {dossier.chemin("Un.mag")};
    Controle<QAction>(form, "Sauver1")->trigger();
    const QByteArray une = dossier.lit("Un.mag");
    for (const QByteArray& ligne : octets.split('\n').mid(0, 4))
        EXPECT_TRUE(une.contains(ligne.chopped(1) + "\r\n")) << ligne.left(20).toStdString();
    EXPECT_TRUE(une.endsWith(QByteArray("***\r\n").repeated(9)));
    EXPECT_EQ(une.count("***"), 9);
    boites->fichiers = {dossier.chemin("Un.mag"), dossier.chemin("Deux.mag")};
    Controle<QAction>(form, "Ouvrir1")->trigger();
    Controle<QAction>(form, "Sauver1")->trigger();
    EXPECT_EQ(dossier.lit("Deux.mag"), une);
    EXPECT_TRUE(boites->boites.empty());
}

TEST_F(FenetreSorts, LeCatalogueLivreSeResauveOctetPourOctet)
{
    QFile::remove(dossier.chemin("Mage.mag"));
    QFile::copy(QDir(DossierDonnees()).filePath("Mage.mag"), dossier.chemin("Mage.mag"));
    cree();
    EXPECT_TRUE(boites->boites.empty());
    int total = 0;
    for (int n = 1; n <= 9; ++n) {
        EXPECT_GT(form->Sorts(n).size(), 0) << n;
        total += static_cast<int>(form->Sorts(n).size());
    }
    form->SauveSorts(dossier.chemin("Resauve.mag"));
    EXPECT_EQ(dossier.lit("Resauve.mag"), dossier.lit("Mage.mag"));
    EXPECT_EQ(total + 9, ListeTexte::charge(dossier.chemin("Mage.mag")).count());
}

// Every single-line field of the spell windows takes a pasted text on one
// line, so that no record of the spell file or of the character file can be
// cut in two.
TEST(ChampsDeSort, UnCollageResteSurUneLigne)
{
    TFormPourcentage pourcentage;
    TFormNouveauSortDeMage nouveau;
    pourcentage.show();
    nouveau.show();
    for (QLineEdit* champ : {pourcentage.EditPourcentage, pourcentage.EditVitesse, pourcentage.EditComposants,
                             nouveau.EditNom, nouveau.EditZoneDEffet, nouveau.EditComposants}) {
        champ->clear();
        QGuiApplication::clipboard()->setText("V,\r\nS\n");
        QTest::keySequence(champ, QKeySequence::Paste);
        EXPECT_EQ(champ->text(), "V, S ") << champ->objectName().toStdString();
    }
}

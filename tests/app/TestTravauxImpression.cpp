#include "CanevasPeintre.h"
#include "Champs.h"
#include "Controles.h"
#include "Fenetres.h"
#include "PersonnageOuvert.h"
#include "ListeMarquee.h"
#include "Pages.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitFormSpheres.h"
#include "UnitFormChoixImpression.h"
#include "UnitFormNotes.h"
#include "UnitFormPreview.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormTalentsBarde.h"
#include "UnitFormTalentsVoleur.h"
#include "UnitFormPourcentage.h"
#include "UnitNouveauSortDeMage.h"
#include "UnitPerso.h"

#include "Fichiers.h"
#include "PlateformeScriptee.h"
#include "ProgrammeDeTest.h"
#include "Saisie.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPrinter>
#include <QPushButton>
#include <QImage>
#include <QPainter>
#include <QAction>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace {

// The windows as the program entry creates them, on a copy of the shipped
// data; printing goes to the scripted platform's PDF file.
class TravauxImpression : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QDir donnees(DossierDonnees());
        for (const QString& nom : donnees.entryList(QDir::Files))
            QFile::copy(donnees.filePath(nom), dossier.chemin(nom));
        const QString avant = QDir::currentPath();
        QDir::setCurrent(dossier.racine());
        f = std::make_unique<TPersoForm>();
        fenetres = CreeFenetres(*f);
        QDir::setCurrent(avant);
        plateforme = &PlateformeScriptee::remiseAZero();
        f->show();
        f->activateWindow();
        QApplication::processEvents();
    }

    void TearDown() override { PlateformeScriptee::remiseAZero(); }

    // A character that passes the full check.
    void personnage(const QString& classe, const QStringList& niveaux)
    {
        f->EditNom->setText("Arthur");
        choisit(f->ComboRace, "Humain");
        choisit(f->ComboSexe, "Masculin");
        choisit(f->ComboAlignement, "Loyal Bon");
        for (QLineEdit* e : {f->EditForce, f->EditIntelligence, f->EditSagesse, f->EditDexterite,
                             f->EditConstitution, f->EditCharisme, f->EditBeaute})
            e->setText("12");
        choisit(f->ComboClasse, classe);
        QLineEdit* niveau[] = {f->EditNiveau1, f->EditNiveau2, f->EditNiveau3};
        for (qsizetype i = 0; i < niveaux.size(); ++i)
            niveau[i]->setText(niveaux[i]);
    }

    // "&Imprimer"; in the print choice, ticks the boxes named and clicks
    // OK (or cancels). Returns whether the print choice was shown.
    bool imprime(const QList<QCheckBox*>& cases, bool ok = true)
    {
        bool montre = false;
        avecDialogue([&] { f->Imprimer1Click(); }, [&](QWidget* d) {
            if (d != choix())
                return;
            montre = true;
            for (QCheckBox* c : cases)
                QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
            QTest::mouseClick(ok ? Controle<QPushButton>(choix(), "BitBtn1") : Controle<QPushButton>(choix(), "BitBtn2"), Qt::LeftButton);
        });
        return montre;
    }

    // A cleric-fighter-mage of level 7 with every choice made: proficiencies,
    // weapons and a specialisation, standard spheres, notes, and a third of
    // the known spells of levels 1 to 4, some failed, some without a roll.
    void lanceurDeSorts()
    {
        personnage("Clerc-Guerrier-Mage", {"7", "7", "7"});
        f->EditNom->setText("Elminster");
        f->EditForce->setText("18");
        f->EditXtra->setText("45");
        f->EditIntelligence->setText("17");
        f->EditSagesse->setText("16");
        f->EditPV->setText("38");
        f->EditLangues->setText("Commun, Elfe, Nain");
        PersonnageOuvert& o = *fenetres.Ouvert;
        Retouche r(o);
        r->competences = {3, 10, 25, 40};
        r->armes = {5, 12, 30};
        r->specialisation = o.Armes.at(12);
        r->spheres = ChoixStandard();
        r->notes = QStringList{"Porte l'anneau de son maître, dont il ignore encore les pouvoirs "
                                    "et l'origine véritable.",
                                    "", "Doit 300 po au temple."};
        int k = 0;
        for (int niveau = 1; niveau <= 4; ++niveau) {
            const QStringList& liste = o.Catalogue.catalogue[std::size_t(niveau - 1)];
            for (int i = 0; i < liste.size(); i += 3) {
                o.Catalogue.marques[std::size_t(niveau - 1)].append(i);
                if (++k % 7 != 0)
                    r->sortsDeMage[std::size_t(niveau - 1)].append(Champ1(liste[i]) + "&"
                                                                       + QString::number((7 + 13 * k) % 100));
            }
        }
        // The marks as the spell window leaves them: some without a roll.
        const MarquesSorts marques = o.Catalogue.marques;
        r.fin();
        o.Catalogue.marques = marques;
        o.SortsDesMarques = o.Fiche().sortsDeMage;
    }

    QByteArray pdf() const
    {
        QFile fichier(plateforme->fichierImprime());
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }
    int pagesDuPdf() const
    {
        return int(QString::fromLatin1(pdf()).count(QRegularExpression("/Type\\s*/Page[^s]")));
    }

    DossierTemporaire dossier;
    std::unique_ptr<TPersoForm> f;
    Fenetres fenetres;
    PersonnageOuvert& o() const { return *fenetres.Ouvert; }
    // The dialogs, created at their first use.
    TFormChoixImpression* choix() const { return &fenetres.FormChoixImpression(); }
    TFormPreview* apercu() const { return &fenetres.FormPreview(); }
    PlateformeScriptee* plateforme = nullptr;
};

// No dialog exists at start; each is built, once, a child of the main window,
// when it is first asked for.
TEST_F(TravauxImpression, ChaqueDialogueConstruitASaPremiereDemande)
{
    auto dialogues = [&] {
        QStringList noms;
        for (QObject* o : f->children())
            if (auto* w = qobject_cast<QDialog*>(o))
                noms.append(w->objectName());
        return noms;
    };
    EXPECT_EQ(dialogues(), QStringList{});
    const std::pair<std::function<QDialog*()>, const char*> cas[] = {
        {[&] { return &fenetres.FormPreview(); }, "FormPreview"},
        {[&] { return &fenetres.FormNWP(); }, "FormNWP"},
        {[&] { return &fenetres.FormArmes(); }, "FormArmes"},
        {[&] { return &fenetres.FormTalentsVoleur(); }, "FormTalentsVoleur"},
        {[&] { return &fenetres.FormSpheres(); }, "FormSpheres"},
        {[&] { return &fenetres.FormNotes(); }, "FormNotes"},
        {[&] { return &fenetres.FormTalentsBarde(); }, "FormTalentsBarde"},
        {[&] { return &fenetres.FormChoixImpression(); }, "FormChoixImpression"},
        {[&] { return &fenetres.FormPourcentage(); }, "FormPourcentage"},
        {[&] { return &fenetres.FormNouveauSortDeMage(); }, "FormNouveauSortDeMage"},
        {[&] { return &fenetres.FormSortsDeMage(); }, "FormSortsDeMage"},
    };
    QStringList attendus;
    for (const auto& [demande, nom] : cas) {
        QDialog* d = demande();
        attendus.append(nom);
        EXPECT_EQ(d->objectName(), nom);
        EXPECT_EQ(d->parent(), f.get());
        EXPECT_EQ(demande(), d) << nom;
        EXPECT_EQ(dialogues(), attendus);
    }
    // The catalogue read at start is the one the spell dialog shows.
    EXPECT_EQ(fenetres.FormSortsDeMage().Etat(), o().Catalogue);
    EXPECT_FALSE(o().Catalogue.catalogue[0].isEmpty());
}

TEST_F(TravauxImpression, LeChoixDesPagesEtSesControles)
{
    EXPECT_EQ(choix()->windowTitle(), "Impression...");
    EXPECT_FALSE(choix()->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    struct Cas {
        QWidget* controle;
        const char* nom;
        const char* texte;
    };
    const Cas cas[] = {
        {Controle<QCheckBox>(choix(), "CheckBoxPage1"), "CheckBoxPage1", "Page 1 : Caractéristiques"},
        {Controle<QCheckBox>(choix(), "CheckBoxPage2"), "CheckBoxPage2", "Page 2 : Equipement et notes"},
        {Controle<QCheckBox>(choix(), "CheckBoxSortsMage"), "CheckBoxSortsMage", "Sorts de mage"},
        {Controle<QCheckBox>(choix(), "CheckBoxSortsPretre"), "CheckBoxSortsPretre", "Sorts de prêtre"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(c.controle->objectName(), c.nom);
        EXPECT_EQ(static_cast<QCheckBox*>(c.controle)->text(), c.texte);
    }
    EXPECT_EQ(Controle<QLabel>(choix(), "Label1")->text(), "Choisissez la ou les pages à imprimer...");
    EXPECT_EQ(Controle<QLabel>(choix(), "Label1")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(Controle<QPushButton>(choix(), "BitBtn1")->toolTip(), "Impression des pages sélectionnées");
    EXPECT_EQ(Controle<QPushButton>(choix(), "BitBtn2")->toolTip(), "Abandon de l'impression");
    EXPECT_EQ(Controle<QPushButton>(choix(), "BitBtn1")->objectName(), "BitBtn1");
    EXPECT_EQ(Controle<QPushButton>(choix(), "BitBtn2")->objectName(), "BitBtn2");
}

// The spell boxes follow the class and level; every opening starts with
// nothing ticked (the previous opening ticked the two page boxes).
TEST_F(TravauxImpression, CasesOffertesSelonLaClasseEtDecocheesAChaqueOuverture)
{
    struct Cas {
        const char* classe;
        QStringList niveaux;
        bool mage, pretre;
    };
    const Cas cas[] = {
        {"Guerrier", {"5"}, false, false}, {"Mage", {"3"}, true, false},  {"Barde", {"5"}, false, false},
        {"Paladin", {"8"}, false, false},  {"Paladin", {"9"}, false, true}, {"Ranger", {"7"}, false, false},
        {"Ranger", {"8"}, false, true},    {"Druide", {"2"}, false, true},  {"Clerc-Mage", {"1", "1"}, true, true},
    };
    for (const Cas& c : cas) {
        personnage(c.classe, c.niveaux);
        bool vu = false;
        avecDialogue([&] { f->Imprimer1Click(); }, [&](QWidget* d) {
            ASSERT_EQ(d, choix()) << c.classe;
            vu = true;
            EXPECT_TRUE(Controle<QCheckBox>(choix(), "CheckBoxPage1")->isEnabled());
            EXPECT_TRUE(Controle<QCheckBox>(choix(), "CheckBoxPage2")->isEnabled());
            EXPECT_EQ(Controle<QCheckBox>(choix(), "CheckBoxSortsMage")->isEnabled(), c.mage) << c.classe << " " << c.niveaux.join("-");
            EXPECT_EQ(Controle<QCheckBox>(choix(), "CheckBoxSortsPretre")->isEnabled(), c.pretre) << c.classe << " " << c.niveaux.join("-");
            for (QCheckBox* b : {Controle<QCheckBox>(choix(), "CheckBoxPage1"), Controle<QCheckBox>(choix(), "CheckBoxPage2"), Controle<QCheckBox>(choix(), "CheckBoxSortsMage"),
                                 Controle<QCheckBox>(choix(), "CheckBoxSortsPretre")})
                EXPECT_FALSE(b->isChecked()) << c.classe;
            EXPECT_EQ(choix()->focusWidget(), Controle<QPushButton>(choix(), "BitBtn1"));
            Controle<QCheckBox>(choix(), "CheckBoxPage1")->setChecked(true);
            Controle<QCheckBox>(choix(), "CheckBoxPage2")->setChecked(true);
            QTest::mouseClick(Controle<QPushButton>(choix(), "BitBtn2"), Qt::LeftButton);
        });
        EXPECT_TRUE(vu);
    }
    EXPECT_FALSE(QFile::exists(plateforme->fichierImprime()));
    EXPECT_TRUE(plateforme->boites.empty());
}

// One document of the kinds ticked: a cleric-mage with no spell marked and
// no sphere has one page of each kind.
TEST_F(TravauxImpression, UnDocumentDesPagesCochees)
{
    personnage("Clerc-Mage", {"1", "1"});
    struct Cas {
        QList<QCheckBox*> cases;
        int pages;
    };
    const Cas cas[] = {
        {{Controle<QCheckBox>(choix(), "CheckBoxPage1")}, 1},
        {{Controle<QCheckBox>(choix(), "CheckBoxSortsPretre")}, 1},
        {{Controle<QCheckBox>(choix(), "CheckBoxPage1"), Controle<QCheckBox>(choix(), "CheckBoxSortsPretre")}, 2},
        {{Controle<QCheckBox>(choix(), "CheckBoxSortsMage"), Controle<QCheckBox>(choix(), "CheckBoxPage2")}, 2},
        {{Controle<QCheckBox>(choix(), "CheckBoxSortsPretre"), Controle<QCheckBox>(choix(), "CheckBoxSortsMage"), Controle<QCheckBox>(choix(), "CheckBoxPage2"), Controle<QCheckBox>(choix(), "CheckBoxPage1")}, 4},
    };
    for (const Cas& c : cas) {
        PlateformeScriptee::remiseAZero();
        ASSERT_TRUE(imprime(c.cases));
        EXPECT_EQ(pagesDuPdf(), c.pages);
        EXPECT_EQ(plateforme->dialoguesImpression, 1);
        EXPECT_TRUE(plateforme->boites.empty());
    }
    // The document's title.
    QByteArray titre;
    for (QChar c : QStringLiteral("Personnage de Vardel"))
        titre.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
    EXPECT_TRUE(pdf().contains(titre));
}

// "Annuler" in the print dialog ends the command: no check, no choice of
// pages, nothing printed, no box; an empty sheet shows no error list.
TEST_F(TravauxImpression, LeDialogueDImpressionAnnuleArreteTout)
{
    plateforme->reponsesImpression = {false};
    EXPECT_FALSE(imprime({Controle<QCheckBox>(choix(), "CheckBoxPage2")}));
    EXPECT_EQ(plateforme->dialoguesImpression, 1);
    EXPECT_TRUE(plateforme->boites.empty());

    personnage("Guerrier", {"5"});
    plateforme->reponsesImpression = {false};
    EXPECT_FALSE(imprime({Controle<QCheckBox>(choix(), "CheckBoxPage2")}));
    EXPECT_FALSE(QFile::exists(plateforme->fichierImprime()));
    EXPECT_TRUE(plateforme->boites.empty());

    // Confirmed, the same sheet prints.
    ASSERT_TRUE(imprime({Controle<QCheckBox>(choix(), "CheckBoxPage2")}));
    EXPECT_EQ(pagesDuPdf(), 1);
}

TEST_F(TravauxImpression, RienNEstImprimeSansCaseNiApresAnnulation)
{
    personnage("Guerrier", {"5"});
    ASSERT_TRUE(imprime({Controle<QCheckBox>(choix(), "CheckBoxPage1")}, false));
    ASSERT_TRUE(imprime({}));
    EXPECT_FALSE(QFile::exists(plateforme->fichierImprime()));
    EXPECT_TRUE(plateforme->boites.empty());
}

// The print dialog comes first, then the full check; a sheet that fails it
// reaches neither the print choice nor the printer.
TEST_F(TravauxImpression, LaVerificationSuitLeDialogueDImpression)
{
    choisit(f->ComboClasse, "Guerrier");
    o().MarqueSauve(o().Fichier());
    EXPECT_FALSE(imprime({Controle<QCheckBox>(choix(), "CheckBoxPage1")}));
    EXPECT_EQ(plateforme->dialoguesImpression, 1);
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(plateforme->boites[0].texte,
              "Force incorrecte Intelligence incorrecte Sagesse incorrecte Dextérité incorrecte "
              "Constitution incorrecte Charisme incorrect Beauté incorrecte Race incorrecte "
              "Sexe incorrect Alignement incorrect Niveau incorrect (doit être entre 1 et 20) ");
    EXPECT_EQ(plateforme->boites[0].boutons, std::vector<Bouton>{Bouton::Oui});
    EXPECT_FALSE(QFile::exists(plateforme->fichierImprime()));
    EXPECT_FALSE(o().Modifie());
}

TEST_F(TravauxImpression, UneImprimanteQuiNePeutCommencerLeDit)
{
    personnage("Guerrier", {"5"});
    QPrinter& imprimante = plateforme->imprimante();
    const QString nom = dossier.chemin("absent/fiche.pdf");
    imprimante.setOutputFileName(nom);
    imprime({Controle<QCheckBox>(choix(), "CheckBoxPage1")});
    imprimante.setOutputFileName(plateforme->fichierImprime());
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(plateforme->boites[0].texte, "Ne peut créer le fichier " + QDir::toNativeSeparators(nom));
}

// Printing refreshes what the main sheet prints: the adjustments, the saving
// throws and the standard notes go back to the windows.
TEST_F(TravauxImpression, LaFicheImprimeeRafraichitSesValeurs)
{
    personnage("Guerrier", {"5"});
    ASSERT_TRUE(o().Ajustements[0].isEmpty());
    ASSERT_TRUE(o().NotesStandard.isEmpty());
    ASSERT_TRUE(imprime({Controle<QCheckBox>(choix(), "CheckBoxPage1")}));
    EXPECT_EQ(o().Ajustements[0], "0");
    EXPECT_FALSE(o().JetsDeProtection[0].isEmpty());
    EXPECT_FALSE(o().NotesStandard.isEmpty());
}

// The preview, in the order a user goes through it.
TEST_F(TravauxImpression, LApercuNavigueEntreSesPages)
{
    personnage("Mage", {"3"});
    bool vu = false;
    avecDialogue([&] { f->Aperuavantimpression1Click(); }, [&](QWidget* d) {
        ASSERT_EQ(d, apercu());
        vu = true;
        // The caption follows the page painted.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(apercu()));
        EXPECT_TRUE(apercu()->windowState() & Qt::WindowMaximized);
        EXPECT_EQ(Controle<QWidget>(apercu(), "PaintBoxPreview")->objectName(), "PaintBoxPreview");
        EXPECT_EQ(Controle<QWidget>(apercu(), "PaintBoxPreview")->size(), QSize(755, 1250));
        EXPECT_EQ(Controle<QScrollArea>(apercu(), "ScrollBox1")->verticalScrollBar()->singleStep(), 10);
        EXPECT_EQ(apercu()->NombreDePages, 3);
        EXPECT_EQ(apercu()->windowTitle(), "Aperçu avant Impression --- Page 1");
        EXPECT_FALSE(Controle<QPushButton>(apercu(), "ButtonPrecedent")->isEnabled());
        EXPECT_TRUE(Controle<QPushButton>(apercu(), "ButtonSuivant")->isEnabled());
        struct Pas {
            QPushButton* bouton;
            int page;
            bool precedent, suivant;
        };
        const Pas pas[] = {
            {Controle<QPushButton>(apercu(), "ButtonSuivant"), 2, true, true},
            {Controle<QPushButton>(apercu(), "ButtonSuivant"), 3, true, false},
            {Controle<QPushButton>(apercu(), "ButtonPrecedent"), 2, true, true},
            {Controle<QPushButton>(apercu(), "ButtonPrecedent"), 1, false, true},
        };
        for (const Pas& p : pas) {
            QTest::mouseClick(p.bouton, Qt::LeftButton);
            EXPECT_EQ(apercu()->PageCourante, p.page);
            EXPECT_EQ(apercu()->windowTitle(), "Aperçu avant Impression --- Page " + QString::number(p.page));
            EXPECT_EQ(Controle<QPushButton>(apercu(), "ButtonPrecedent")->isEnabled(), p.precedent) << p.page;
            EXPECT_EQ(Controle<QPushButton>(apercu(), "ButtonSuivant")->isEnabled(), p.suivant) << p.page;
        }
        QTest::mouseClick(Controle<QPushButton>(apercu(), "ButtonSuivant"), Qt::LeftButton);
        QTest::mouseClick(Controle<QPushButton>(apercu(), "BitBtn2"), Qt::LeftButton);
    });
    EXPECT_TRUE(vu);
    EXPECT_FALSE(apercu()->isVisible());
    EXPECT_FALSE(QFile::exists(plateforme->fichierImprime()));
    EXPECT_EQ(plateforme->dialoguesImpression, 0);
    // The sheet it drew refreshed the figures of the main window.
    EXPECT_EQ(o().Ajustements[0], "0");
    EXPECT_FALSE(o().JetsDeProtection[0].isEmpty());

    // The next opening starts again at page 1.
    avecDialogue([&] { f->Aperuavantimpression1Click(); }, [&](QWidget*) {
        EXPECT_EQ(apercu()->PageCourante, 1);
        EXPECT_EQ(apercu()->windowTitle(), "Aperçu avant Impression --- Page 1");
        EXPECT_FALSE(Controle<QPushButton>(apercu(), "ButtonPrecedent")->isEnabled());
        EXPECT_TRUE(Controle<QPushButton>(apercu(), "ButtonSuivant")->isEnabled());
        QTest::keyClick(apercu(), Qt::Key_Escape);
    });
    EXPECT_FALSE(apercu()->isVisible());
}

TEST_F(TravauxImpression, LApercuCompteLesPagesSelonLaClasse)
{
    struct Cas {
        const char* classe;
        QStringList niveaux;
        int pages;
    };
    const Cas cas[] = {
        {"Guerrier", {"5"}, 2}, {"Paladin", {"8"}, 2}, {"Paladin", {"9"}, 3},
        {"Ranger", {"8"}, 3},   {"Barde", {"1"}, 2},   {"Barde", {"2"}, 3},
        {"Clerc-Mage", {"1", "1"}, 4},
    };
    for (const Cas& c : cas) {
        personnage(c.classe, c.niveaux);
        int pages = 0;
        avecDialogue([&] { f->Aperuavantimpression1Click(); }, [&](QWidget* d) {
            ASSERT_EQ(d, apercu());
            pages = apercu()->NombreDePages;
            apercu()->reject();
        });
        EXPECT_EQ(pages, c.pages) << c.classe << " " << c.niveaux.join("-");
    }
}

TEST_F(TravauxImpression, ImprimerDepuisLApercuPasseAuChoixDesPages)
{
    personnage("Guerrier", {"5"});
    QWidget* second = nullptr;
    avecDialogue([&] { f->Aperuavantimpression1Click(); }, [&](QWidget* d) {
        ASSERT_EQ(d, apercu());
        QTimer::singleShot(0, choix(), [&] {
            second = QApplication::activeModalWidget();
            if (second != choix())
                return;
            Controle<QCheckBox>(choix(), "CheckBoxPage2")->setChecked(true);
            QTest::mouseClick(Controle<QPushButton>(choix(), "BitBtn1"), Qt::LeftButton);
        });
        QTest::mouseClick(Controle<QPushButton>(apercu(), "BitBtn3"), Qt::LeftButton);
    });
    EXPECT_EQ(second, choix());
    EXPECT_EQ(plateforme->dialoguesImpression, 0);
    EXPECT_EQ(pagesDuPdf(), 1);
}

TEST_F(TravauxImpression, LApercuSansSesReglesNeSOuvrePas)
{
    personnage("Guerrier", {"5"});
    QFile::remove(dossier.chemin("Vardel.Aju"));
    avecDialogue([&] { f->Aperuavantimpression1Click(); }, [&](QWidget* d) { EXPECT_EQ(d, nullptr); });
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(plateforme->boites[0].texte, "Ne peut ouvrir le fichier " + dossier.chemin("Vardel.Aju"));
    EXPECT_EQ(f->cursor().shape(), Qt::ArrowCursor);
}

// Counts the breaks of the spell pages, drawing nothing anyone sees.
struct Sauts : Pagination {
    int sauts = 0;
    bool NouvellePage(PageDeDessin& page) override
    {
        ++sauts;
        page.Efface();
        return true;
    }
};

// A full caster printed whole: the document holds the sheet, the possessions,
// and the spell pages as many as their breaks at the printer's size make.
// With VARDEL_RENDU naming a folder, the PDF and a picture of every preview
// page (as the screen shows it) are left there to be looked at.
TEST_F(TravauxImpression, UnLanceurDeSortsImprimeEtApercu)
{
    lanceurDeSorts();
    ASSERT_TRUE(imprime({Controle<QCheckBox>(choix(), "CheckBoxPage1"), Controle<QCheckBox>(choix(), "CheckBoxPage2"), Controle<QCheckBox>(choix(), "CheckBoxSortsMage"),
                         Controle<QCheckBox>(choix(), "CheckBoxSortsPretre")}));
    ASSERT_TRUE(plateforme->boites.empty());

    QPrinter& imprimante = plateforme->imprimante();
    QImage image(1, 1, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(imprimante.logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(imprimante.logicalDpiY() / 0.0254));
    Sauts livre, pretre;
    {
        QPainter peintre(&image);
        CanevasPeintre canevas(peintre);
        PageDeDessin page(canevas, imprimante.width(), imprimante.height());
        DonneesImpression d;
        d.Perso = f->personnage();
        for (int niveau = 1; niveau <= 9; ++niveau)
            d.SortsDeMage[std::size_t(niveau - 1)] = SortsMarques(o().Catalogue, niveau);
        d.SortsDeMageParNiveau = o().Fiche().sortsDeMage;
        d.ChanceApprentissage = ChanceApprentissageDe(d.Perso);
        d.SortsDeClercParNiveau = o().SortsDeClercParNiveau;   // as the print job built them
        ASSERT_FALSE(d.SortsDeClercParNiveau[0].isEmpty());
        DessineLivreDeSorts(page, d, livre);
        DessineSortsDePretre(page, d, pretre);
    }
    EXPECT_GE(livre.sauts, 1);
    EXPECT_EQ(pagesDuPdf(), 2 + 1 + livre.sauts + 1 + pretre.sauts);

    const QString rendu = qEnvironmentVariable("VARDEL_RENDU");
    if (!rendu.isEmpty()) {
        QFile::remove(QDir(rendu).filePath("fiche.pdf"));
        QFile::copy(plateforme->fichierImprime(), QDir(rendu).filePath("fiche.pdf"));
    }
    int pages = 0;
    avecDialogue([&] { f->Aperuavantimpression1Click(); }, [&](QWidget* d) {
        ASSERT_EQ(d, apercu());
        pages = apercu()->NombreDePages;
        for (int n = 1; n <= pages; ++n) {
            if (n > 1)
                QTest::mouseClick(Controle<QPushButton>(apercu(), "ButtonSuivant"), Qt::LeftButton);
            if (!rendu.isEmpty()) {
                QTest::qWait(300);
                apercu()->screen()->grabWindow(0).save(QDir(rendu).filePath(QStringLiteral("apercu-%1.png").arg(n)));
            }
        }
        EXPECT_FALSE(Controle<QPushButton>(apercu(), "ButtonSuivant")->isEnabled());
        apercu()->reject();
    });
    EXPECT_GE(pages, 5);
}

// A rule file gone while the preview is open: the page stays as far as it
// was drawn and the failure is told once, after the paint.
TEST_F(TravauxImpression, UnEchecEnPeignantLApercuEstDitUneFois)
{
    personnage("Guerrier", {"5"});
    avecDialogue([&] { f->Aperuavantimpression1Click(); }, [&](QWidget* d) {
        ASSERT_EQ(d, apercu());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(apercu()));
        QFile::remove(dossier.chemin("Vardel.Aju"));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(Controle<QPushButton>(apercu(), "ButtonSuivant"), Qt::LeftButton);
            QTest::mouseClick(Controle<QPushButton>(apercu(), "ButtonPrecedent"), Qt::LeftButton);
            QApplication::processEvents();
        }
        EXPECT_TRUE(apercu()->isVisible());
        apercu()->reject();
    });
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(plateforme->boites[0].texte, "Ne peut ouvrir le fichier " + dossier.chemin("Vardel.Aju"));
}

TEST_F(TravauxImpression, LesBoutonsDeLApercu)
{
    struct Cas {
        QPushButton* bouton;
        const char* nom;
        const char* texte;
        const char* bulle;
    };
    const Cas cas[] = {
        {Controle<QPushButton>(apercu(), "ButtonPrecedent"), "ButtonPrecedent", "&Précédent", "Page précédente"},
        {Controle<QPushButton>(apercu(), "BitBtn2"), "BitBtn2", "OK", "Retour au personnage"},
        {Controle<QPushButton>(apercu(), "BitBtn3"), "BitBtn3", "&Imprimer", "Impression du personnage"},
        {Controle<QPushButton>(apercu(), "ButtonSuivant"), "ButtonSuivant", "&Suivant", "Page suivante"},
    };
    apercu()->layout()->activate();
    int x = -1;
    for (const Cas& c : cas) {
        EXPECT_EQ(c.bouton->objectName(), c.nom);
        EXPECT_EQ(c.bouton->text(), c.texte);
        EXPECT_EQ(c.bouton->toolTip(), c.bulle);
        // One row, in this order, above the scroll box.
        EXPECT_GT(c.bouton->x(), x) << c.nom;
        x = c.bouton->x();
    }
    EXPECT_TRUE(Controle<QPushButton>(apercu(), "BitBtn2")->isDefault());
}

}

// A printer that refuses a new page halfway through the job: the job stops
// there and says so, as every other failure of printing does, instead of
// drawing the next kinds over the page before.
TEST_F(TravauxImpression, UneImprimanteQuiRefuseUnePageLeDit)
{
    personnage("Guerrier", {"5"});
    plateforme->nouvellesPagesAccordees = 0;
    imprime({Controle<QCheckBox>(choix(), "CheckBoxPage1"), Controle<QCheckBox>(choix(), "CheckBoxPage2")});
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(plateforme->boites[0].texte,
              "Ne peut créer le fichier " + QDir::toNativeSeparators(plateforme->fichierImprime()));
}

// "Exporter en PDF...": the checks of printing, the same print choice, the
// file named with the character's name, and exactly the pages printing to a
// file gives, with no print dialog.
TEST_F(TravauxImpression, LExportPDFDonneLesPagesDeLImpression)
{
    lanceurDeSorts();
    const QList<QCheckBox*> toutes = {Controle<QCheckBox>(choix(), "CheckBoxPage1"), Controle<QCheckBox>(choix(), "CheckBoxPage2"), Controle<QCheckBox>(choix(), "CheckBoxSortsMage"),
                                      Controle<QCheckBox>(choix(), "CheckBoxSortsPretre")};
    ASSERT_TRUE(imprime(toutes));
    const QByteArray imprime = pdf();
    const int pages = pagesDuPdf();
    ASSERT_GE(pages, 5);

    auto exporte = [&](const QList<QCheckBox*>& cases, const QString& fichier) {
        plateforme = &PlateformeScriptee::remiseAZero();
        plateforme->fichiers = {fichier};
        bool montre = false;
        avecDialogue([&] { f->ExporterPDF1->trigger(); }, [&](QWidget* d) {
            if (d != choix())
                return;
            montre = true;
            for (QCheckBox* c : cases)
                QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
            QTest::mouseClick(Controle<QPushButton>(choix(), "BitBtn1"), Qt::LeftButton);
        });
        return montre;
    };
    const QString nom = dossier.chemin("elminster.pdf");
    ASSERT_TRUE(exporte(toutes, nom));
    EXPECT_EQ(plateforme->dialoguesImpression, 0);
    EXPECT_TRUE(plateforme->boites.empty());
    ASSERT_EQ(plateforme->dialogues.size(), 1u);
    const DialogueFichier& d = plateforme->dialogues[0].dialogue;
    EXPECT_TRUE(plateforme->dialogues[0].sauvegarde);
    EXPECT_EQ(d.filtre, "Fichiers PDF (*.pdf)|*.pdf");
    EXPECT_EQ(d.extensionParDefaut, "pdf");
    EXPECT_EQ(d.nomInitial, "Elminster.pdf");
    QFile fichier(nom);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QByteArray exporte_ = fichier.readAll();
    const QRegularExpression page("/Type\\s*/Page[^s]");
    EXPECT_EQ(QString::fromLatin1(exporte_).count(page), pages);
    // The same A4 pages as the printer's.
    const QRegularExpression format("/MediaBox\\s*\\[[^\\]]*\\]");
    EXPECT_EQ(QString::fromLatin1(exporte_).count(format), QString::fromLatin1(imprime).count(format));
    EXPECT_EQ(QRegularExpression(format).match(QString::fromLatin1(exporte_)).captured(),
              QRegularExpression(format).match(QString::fromLatin1(imprime)).captured());

    // The next export proposes the folder of the last one; a file that
    // cannot be written says so.
    const QString absent = dossier.chemin("absent/fiche.pdf");
    ASSERT_TRUE(exporte({Controle<QCheckBox>(choix(), "CheckBoxPage1")}, absent));
    EXPECT_EQ(plateforme->dialogues[0].dialogue.nomInitial, QDir(dossier.racine()).filePath("Elminster.pdf"));
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(plateforme->boites[0].texte, "Ne peut créer le fichier " + absent);

    // The checks of printing come first.
    f->EditForce->clear();
    EXPECT_FALSE(exporte({Controle<QCheckBox>(choix(), "CheckBoxPage1")}, nom));
    ASSERT_EQ(plateforme->boites.size(), 1u);
    EXPECT_TRUE(plateforme->boites[0].texte.startsWith("Force incorrecte"));
}

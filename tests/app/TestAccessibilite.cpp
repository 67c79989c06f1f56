#include "Controles.h"
#include "ProgrammeDeTest.h"
#include "Saisie.h"

#include "Champs.h"
#include "Colonnes.h"
#include "ControlesTalents.h"
#include "ListeMarquee.h"
#include "ListeSorts.h"
#include "UnitFormArmes.h"
#include "UnitFormChoixImpression.h"
#include "UnitFormNWP.h"
#include "UnitFormNotes.h"
#include "UnitFormPourcentage.h"
#include "UnitFormPreview.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitFormTalentsBarde.h"
#include "UnitFormTalentsVoleur.h"
#include "UnitNouveauSortDeMage.h"

#include "PlateformeScriptee.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// The roles a user acts upon: each must carry a name.
bool interactif(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Table:
    case QAccessible::Cell:
    case QAccessible::Tree:
    case QAccessible::TreeItem:
        return true;
    default:
        return false;
    }
}

// The nearest object's name up the accessible tree (a list's entry has no
// object of its own).
QString nomObjet(QAccessibleInterface* i)
{
    for (; i; i = i->parent())
        if (QObject* o = i->object())
            return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
    return QStringLiteral("?");
}

// Every shown interactive control under `i` without a name.
void sansNom(QAccessibleInterface* i, QStringList& trouves, int profondeur = 0)
{
    if (!i || !i->isValid() || profondeur > 40 || i->state().invisible)
        return;
    if (interactif(i->role()) && i->text(QAccessible::Name).trimmed().isEmpty())
        trouves.append(nomObjet(i) + QStringLiteral(" (rôle ") + QString::number(i->role(), 16) + u')');
    for (int k = 0; k < i->childCount(); ++k)
        sansNom(i->child(k), trouves, profondeur + 1);
}

QAccessibleInterface* acces(QObject* o)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    EXPECT_NE(i, nullptr) << o->objectName().toStdString();
    return i;
}

QString nom(QObject* o)
{
    QAccessibleInterface* i = acces(o);
    return i ? i->text(QAccessible::Name) : QString();
}

int position(const ListeMarquee* l, const QString& nom)
{
    for (int i = 0; i < l->Nombre(); ++i)
        if (Champ1(l->Texte(i)) == nom)
            return i;
    ADD_FAILURE() << nom.toStdString();
    return -1;
}

// The accessible entry of row `ligne` of a list.
QAccessibleInterface* entree(QListWidget* l, int ligne)
{
    QAccessibleInterface* liste = acces(l);
    if (!liste || !liste->tableInterface())
        return nullptr;
    return liste->tableInterface()->cellAt(ligne, 0);
}

}

// Each of the twelve windows, after its first showing: every control a
// user can act upon is named for a screen reader.
TEST(Accessibilite, ChaqueControleDeChaqueFenetreEstNomme)
{
    PlateformeScriptee::remiseAZero();
    ProgrammeDeTest t;
    choisitClasse(t.p(), "Mage", {"3"});
    t.p().EditIntelligence->setText("12");
    const Fenetres& f = t.f;
    const std::vector<QWidget*> fenetres = {
        t.persoForm.get(), &f.FormNWP(), &f.FormArmes(), &f.FormTalentsVoleur(), &f.FormTalentsBarde(),
        &f.FormSpheres(), &f.FormSortsDeMage(), &f.FormPourcentage(), &f.FormNouveauSortDeMage(), &f.FormNotes(),
        &f.FormChoixImpression(), &f.FormPreview()};
    for (QWidget* w : fenetres) {
        if (w != t.persoForm.get())
            w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << w->objectName().toStdString();
        QStringList trouves;
        sansNom(acces(w), trouves);
        EXPECT_TRUE(trouves.isEmpty()) << w->objectName().toStdString() << " : "
                                       << trouves.join(QStringLiteral(", ")).toStdString();
        if (w != t.persoForm.get())
            w->hide();
    }
}

// The names are the captions and hints the windows show; where a control
// has neither, a short name of its own.
TEST(Accessibilite, LesNomsSontLesLegendesEtLesBulles)
{
    PlateformeScriptee::remiseAZero();
    ProgrammeDeTest t;
    const Fenetres& f = t.f;
    TPersoForm& p = t.p();
    TFormTalentsVoleur& voleur = f.FormTalentsVoleur();
    TFormPourcentage& pourcentage = f.FormPourcentage();
    const std::pair<QObject*, const char*> cas[] = {
        {p.EditNom, "Nom"},
        {p.ComboRace, "Race"},
        {p.EditPV, "Points de Vie"},
        {p.EditLangues, "Langues parlées"},
        {p.EditXtra, "Extra"},
        {p.EditBeaute, "Beauté"},
        {p.SpeedButtonOuvrir, "Ouvrir un fichier personnage"},
        {p.SpeedButtonSortsDeClerc, "Sphères d'influence du prêtre"},
        {p.ButtonPV, "Tirer PV"},
        {Controle<ListeMarquee>(f.FormNWP(), "ListBoxNWP"), "Choix des compétences"},
        {Controle<ListeMarquee>(f.FormArmes(), "ListBoxArmes"), "Choix des armes"},
        {Controle<ListeSorts>(f.FormSortsDeMage(), "ListBox3"), "Niveau 3"},
        {Controle<UpDown>(voleur, "UpDown1"), "Pickpocket"},
        {Controle<UpDown>(voleur, "UpDown1")->BoutonHaut, "Augmenter Pickpocket"},
        {Controle<UpDown>(voleur, "UpDown8")->BoutonBas, "Diminuer Lire des langues inconnues"},
        {Controle<UpDown>(f.FormTalentsBarde(), "UpDown1"), "Grimper"},
        {pourcentage.EditDuree, "Durée"},
        {pourcentage.EditComposants, "Composants"},
        {f.FormNotes().findChild<QWidget*>("MemoStandard"), "Notes standard"},
        {f.FormNotes().findChild<QWidget*>("MemoNotes"), "Notes supplémentaires"},
    };
    for (const auto& [objet, attendu] : cas)
        EXPECT_EQ(nom(objet), QString::fromUtf8(attendu)) << objet->objectName().toStdString();

    // The level fields are named by the class part they hold, else by
    // their place.
    EXPECT_EQ(nom(p.EditNiveau1), "Niveau 1");
    choisitClasse(p, "Guerrier-Mage", {"2", "3"});
    EXPECT_EQ(nom(p.EditNiveau1), "Guerrier");
    EXPECT_EQ(nom(p.EditNiveau2), "Mage");

    // The percentage by its caption, or by the window's title.
    pourcentage.LabelSort->setText("Pourcentage pour Alarme");
    pourcentage.show();
    EXPECT_EQ(nom(pourcentage.EditPourcentage), "Pourcentage pour Alarme");
    pourcentage.hide();
    pourcentage.LabelSort->clear();
    pourcentage.show();
    EXPECT_EQ(nom(pourcentage.EditPourcentage), "Pourcentage");
    pourcentage.hide();
}

// A proficiency reads as drawn, its mark as checked, and the points left
// follow as the list's description, told to the screen reader.
TEST(Accessibilite, CompetencesLuesCommeDessineesEtCochees)
{
    auto* boites = &PlateformeScriptee::remiseAZero();
    ProgrammeDeTest t;
    // Voleur 1, Intelligence 12: the thief's groups open, 6 points.
    choisitClasse(t.p(), "Voleur", {"1"});
    t.p().EditIntelligence->setText("12");
    TFormNWP& nwp = t.f.FormNWP();
    avecDialogue([&] { t.p().ButtonNWPClick(); }, [&](QWidget* d) {
        ASSERT_EQ(d, &nwp);
        ListeMarquee* l = Controle<ListeMarquee>(nwp, "ListBoxNWP");
        QAccessibleInterface* liste = acces(l);
        ASSERT_NE(liste, nullptr);
        EXPECT_EQ(liste->text(QAccessible::Description), Controle<QLabel>(nwp, "PanelReste")->text());
        const QString avant = Controle<QLabel>(nwp, "PanelReste")->text();

        // A thief's proficiency at its cost, one outside the groups at one more.
        const std::pair<const char*, const char*> lus[] = {
            {"Acrobatie", "Acrobatie, coût 1, Dextérité, 0"},
            {"Astrologie", "Astrologie, coût 3, Intelligence, 0"},
        };
        for (const auto& [competence, attendu] : lus) {
            QAccessibleInterface* e = entree(l, position(l, competence));
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(e->text(QAccessible::Name), QString::fromUtf8(attendu));
            EXPECT_FALSE(e->state().checked);
        }

        // Space marks the current entry, in the modal dialog as shown.
        const int acrobatie = position(l, "Acrobatie");
        l->setFocus();
        // (setCurrentRow alone would mark it: a multiple selection selects
        // the row it makes current.)
        l->setCurrentRow(acrobatie, QItemSelectionModel::NoUpdate);
        QTest::keyClick(l, Qt::Key_Space);
        EXPECT_TRUE(l->EstMarquee(acrobatie));
        EXPECT_TRUE(entree(l, acrobatie)->state().checked);
        EXPECT_EQ(Controle<QLabel>(nwp, "PanelReste")->text(), "Il reste 5 points");
        EXPECT_NE(Controle<QLabel>(nwp, "PanelReste")->text(), avant);
        EXPECT_EQ(liste->text(QAccessible::Description), "Il reste 5 points");

        // And again unmarks it.
        QTest::keyClick(l, Qt::Key_Space);
        EXPECT_FALSE(l->EstMarquee(acrobatie));
        EXPECT_FALSE(entree(l, acrobatie)->state().checked);
        EXPECT_EQ(liste->text(QAccessible::Description), avant);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_TRUE(boites->boites.empty());
}

// A weapon reads as drawn, each figure after its column's title.
TEST(Accessibilite, ArmesLuesCommeDessinees)
{
    PlateformeScriptee::remiseAZero();
    ProgrammeDeTest t;
    TFormArmes& armes = t.f.FormArmes();
    ListeMarquee* l = Controle<ListeMarquee>(armes, "ListBoxArmes");
    const int i = position(l, "Arbalète légère");
    armes.FixeSpecialisation(l->Texte(i));
    const QStringList c = DecoupeColonnes(l->Texte(i), 5);
    EXPECT_EQ(entree(l, i)->text(QAccessible::Name),
              QStringLiteral("S Arbalète légère, Facteur vitesse %1, P-M %2, G %3, Cadence de tir %4")
                  .arg(c[1], c[2], c[3], c[4]));
}

// A spell reads as drawn: its name, its percentage, learned or failed; Space
// opens the percentage of the current spell.
TEST(Accessibilite, SortsLusCommeDessinesEtCoches)
{
    PlateformeScriptee::remiseAZero();
    ProgrammeDeTest t;
    choisitClasse(t.p(), "Mage", {"3"});
    t.p().EditIntelligence->setText("9");
    TFormSortsDeMage& sorts = t.f.FormSortsDeMage();
    avecDialogue([&] { t.p().ButtonSortsDeMageClick(); }, [&](QWidget* d) {
        ASSERT_EQ(d, &sorts);
        Controle<QCheckBox>(sorts, "CheckBoxPourcent")->setChecked(true);
        ListeSorts* l = Controle<ListeSorts>(sorts, "ListBox1");
        ASSERT_GE(l->count(), 2);
        const QString premier = Champ1(l->item(0)->text());
        EXPECT_EQ(entree(l, 0)->text(QAccessible::Name), premier);
        EXPECT_FALSE(entree(l, 0)->state().checked);

        // Space on the first spell: 45 % typed in the percentage window.
        l->setFocus();
        l->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        avecDialogue([&] { QTest::keyClick(l, Qt::Key_Space); }, [&](QWidget* p) {
            ASSERT_EQ(p, &t.f.FormPourcentage());
            EXPECT_EQ(nom(t.f.FormPourcentage().EditPourcentage), QStringLiteral("Pourcentage pour ") + premier);
            t.f.FormPourcentage().EditPourcentage->setText("45");
            QTest::mouseClick(t.f.FormPourcentage().ButtonOK, Qt::LeftButton);
        });
        // Intelligence 9 learns at 35 %: 45 is failed.
        EXPECT_EQ(entree(l, 0)->text(QAccessible::Name), premier + QStringLiteral(", 45 %, raté"));
        EXPECT_TRUE(entree(l, 0)->state().checked);
        Controle<QCheckBox>(sorts, "CheckBoxPourcent")->setChecked(false);
        EXPECT_EQ(entree(l, 0)->text(QAccessible::Name), premier + QStringLiteral(", raté"));
        Controle<QCheckBox>(sorts, "CheckBoxPourcent")->setChecked(true);
        QTest::keyClick(d, Qt::Key_Escape);
    });
}

// A skill's spinner is a spin box of that skill, whose value a screen
// reader reads and sets; the points left follow as its description.
TEST(Accessibilite, TalentsLusEtReglesParLeurValeur)
{
    PlateformeScriptee::remiseAZero();
    ProgrammeDeTest t;
    choisit(t.p().ComboRace, "Humain");
    choisitClasse(t.p(), "Voleur", {"1"});
    t.p().EditDexterite->setText("16");
    TFormTalentsVoleur& voleur = t.f.FormTalentsVoleur();
    avecDialogue([&] { t.p().ButtonTalentsDeVoleurClick(); }, [&](QWidget* d) {
        ASSERT_EQ(d, &voleur);
        UpDown* pickpocket = Controle<UpDown>(voleur, "UpDown1");
        QAccessibleInterface* i = acces(pickpocket);
        ASSERT_NE(i, nullptr);
        EXPECT_EQ(i->role(), QAccessible::SpinBox);
        QAccessibleValueInterface* valeur = i->valueInterface();
        ASSERT_NE(valeur, nullptr);
        EXPECT_EQ(valeur->currentValue().toInt(), pickpocket->Position());
        EXPECT_EQ(i->text(QAccessible::Value), Controle<QLabel>(voleur, "PanelPickpocket")->text());
        EXPECT_EQ(valeur->minimumValue().toInt(), MinTalent);
        EXPECT_EQ(valeur->maximumValue().toInt(), MaxTalent);
        EXPECT_EQ(i->text(QAccessible::Description), Controle<QLabel>(voleur, "PanelReste")->text());

        // Three points up, as a screen reader sets it.
        const int avant = pickpocket->Position();
        const QString resteAvant = Controle<QLabel>(voleur, "PanelReste")->text();
        valeur->setCurrentValue(avant + 3);
        EXPECT_EQ(pickpocket->Position(), avant + 3);
        EXPECT_EQ(Controle<QLabel>(voleur, "PanelPickpocket")->text(), TextePourcentage(avant + 3));
        EXPECT_NE(Controle<QLabel>(voleur, "PanelReste")->text(), resteAvant);
        EXPECT_EQ(i->text(QAccessible::Description), Controle<QLabel>(voleur, "PanelReste")->text());
        EXPECT_EQ(acces(Controle<UpDown>(voleur, "UpDown6"))->text(QAccessible::Description), Controle<QLabel>(voleur, "PanelReste")->text());
        QTest::keyClick(d, Qt::Key_Escape);
    });
}

// "Tirer PV" takes the focus, by Tab from "Points de Vie"; Shift+Tab goes
// back.
TEST(Accessibilite, TirerPVParLeClavier)
{
    PlateformeScriptee::remiseAZero();
    ProgrammeDeTest t;
    TPersoForm& p = t.p();
    choisitClasse(p, "Guerrier", {"1"});
    p.EditConstitution->setText("12");
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    ASSERT_TRUE(p.ButtonPV->isEnabled());
    p.EditPV->setFocus();
    QTest::keyClick(p.EditPV, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), p.ButtonPV);
    // Space rolls.
    p.EditPV->clear();
    QTest::keyClick(p.ButtonPV, Qt::Key_Space);
    EXPECT_FALSE(p.EditPV->text().isEmpty());
    QTest::keyClick(p.ButtonPV, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), p.ComboClasse);
    QTest::keyClick(p.ComboClasse, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), p.ButtonPV);
}

// In each window no two shown controls (buttons, captions of a field, the
// menu bar's entries, a menu's entries) underline the same letter.
TEST(Accessibilite, AucuneLettreSouligneeEnDouble)
{
    PlateformeScriptee::remiseAZero();
    ProgrammeDeTest t;
    const Fenetres& f = t.f;
    const std::vector<QWidget*> fenetres = {
        t.persoForm.get(), &f.FormNWP(), &f.FormArmes(), &f.FormTalentsVoleur(), &f.FormTalentsBarde(),
        &f.FormSpheres(), &f.FormSortsDeMage(), &f.FormPourcentage(), &f.FormNouveauSortDeMage(), &f.FormNotes(),
        &f.FormChoixImpression(), &f.FormPreview()};
    auto lettre = [](const QString& texte) -> QChar {
        for (qsizetype k = 0; k + 1 < texte.size(); ++k) {
            if (texte[k] != u'&')
                continue;
            if (texte[k + 1] != u'&')
                return texte[k + 1].toCaseFolded();
            ++k;
        }
        return {};
    };
    auto verifie = [&](const QString& ou, const std::vector<QString>& textes) {
        std::map<QChar, QString> vus;
        for (const QString& texte : textes) {
            const QChar l = lettre(texte);
            if (l.isNull())
                continue;
            const auto [it, nouveau] = vus.emplace(l, texte);
            EXPECT_TRUE(nouveau) << ou.toStdString() << " : « " << it->second.toStdString() << " » et « "
                                 << texte.toStdString() << " »";
        }
    };
    for (QWidget* w : fenetres) {
        std::vector<QString> textes;
        // The window's own controls, not those of its dialogs (its children).
        auto sienne = [w](const QWidget* c) { return c->window() == w; };
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (sienne(b) && !b->isHidden())
                textes.push_back(b->text());
        for (QLabel* l : w->findChildren<QLabel*>())
            if (sienne(l) && l->buddy())
                textes.push_back(l->text());
        for (QGroupBox* g : w->findChildren<QGroupBox*>())
            if (sienne(g))
                textes.push_back(g->title());
        for (QMenuBar* m : w->findChildren<QMenuBar*>())
            if (sienne(m))
                for (QAction* a : m->actions())
                    textes.push_back(a->text());
        verifie(w->objectName(), textes);
        for (QMenu* m : w->findChildren<QMenu*>()) {
            if (m->parentWidget() && m->parentWidget()->window() != w)
                continue;
            std::vector<QString> entrees;
            for (QAction* a : m->actions())
                entrees.push_back(a->text());
            verifie(w->objectName() + u'/' + m->title(), entrees);
        }
    }
    EXPECT_EQ(t.p().ButtonSortsDeClerc->text(), "Sorts de C&lerc");
}

// Escape closes each dialog of the sheet, and the focus comes back to the
// button that opened it.
TEST(Accessibilite, EchapFermeEtLeFocusRevient)
{
    auto* boites = &PlateformeScriptee::remiseAZero();
    ProgrammeDeTest t;
    TPersoForm& p = t.p();
    choisit(p.ComboRace, "Humain");
    choisit(p.ComboSexe, "Masculin");
    choisit(p.ComboAlignement, "Neutre Neutre");
    p.EditNom->setText("Essai");
    p.EditPV->setText("8");
    p.EditForce->setText("12");
    p.EditIntelligence->setText("12");
    p.EditSagesse->setText("12");
    p.EditDexterite->setText("12");
    p.EditConstitution->setText("12");
    p.EditCharisme->setText("12");
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    struct Cas { const char* classe; QStringList niveaux; QPushButton* bouton; };
    const Cas cas[] = {
        {"Barde", {"3"}, p.ButtonNWP},
        {"Barde", {"3"}, p.ButtonArmes},
        {"Barde", {"3"}, p.ButtonNotes},
        {"Barde", {"3"}, p.ButtonBarde},
        {"Barde", {"3"}, p.ButtonSortsDeMage},
        {"Clerc-Voleur", {"3", "3"}, p.ButtonSortsDeClerc},
        {"Clerc-Voleur", {"3", "3"}, p.ButtonTalentsDeVoleur},
    };
    for (const Cas& c : cas) {
        choisitClasse(p, c.classe, c.niveaux);
        ASSERT_TRUE(c.bouton->isEnabled()) << c.bouton->objectName().toStdString();
        c.bouton->setFocus();
        QWidget* ouvert = nullptr;
        bool fermeParEchap = false;
        avecDialogue([&] { QTest::keyClick(c.bouton, Qt::Key_Space); }, [&](QWidget* d) {
            ouvert = d;
            if (!d)
                return;
            QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Escape);
            fermeParEchap = !d->isVisible();
        });
        EXPECT_NE(ouvert, nullptr) << c.bouton->objectName().toStdString();
        EXPECT_TRUE(fermeParEchap) << c.bouton->objectName().toStdString();
        // The sheet gives the focus back to its own focus widget when the
        // desktop activates it again (the offscreen platform does not): the
        // button, which neither the command nor the refresh moved.
        EXPECT_EQ(p.focusWidget(), c.bouton) << c.bouton->objectName().toStdString();
    }
    for (const auto& b : boites->boites)
        ADD_FAILURE() << b.texte.toStdString();
}

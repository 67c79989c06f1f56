#include "Champs.h"
#include "Commandes.h"
#include "CommandesFichier.h"
#include "Competences.h"
#include "Controles.h"
#include "Fenetres.h"
#include "PersonnageOuvert.h"
#include "FichierPersonnage.h"
#include "ListeMarquee.h"
#include "Niveaux.h"
#include "UnitFormArmes.h"
#include "UnitFormNWP.h"
#include "UnitFormNotes.h"
#include "UnitFormSortsDeMage.h"
#include "UnitFormSpheres.h"
#include "UnitPerso.h"
#include "Windows1252.h"

#include "Fichiers.h"
#include "ProgrammeDeTest.h"
#include "PlateformeScriptee.h"
#include "Saisie.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <random>

void PrintTo(const Personnage& p, std::ostream* os)
{
    *os << '{';
    for (const QString& t : {p.nom, p.race, p.sexe, p.age, p.taille, p.poids, p.classe, p.niveaux[0], p.niveaux[1],
                             p.niveaux[2], p.alignement, p.pointsDeVie, p.langues, p.force, p.extra, p.intelligence,
                             p.sagesse, p.dexterite, p.constitution, p.charisme, p.beaute})
        *os << '"' << t.toStdString() << "\" ";
    *os << '}';
}

namespace {

// The second line of a file that is no character file.
QString pasUnPersonnage(const QString& chemin)
{
    return "« " + chemin + " » n'est pas un personnage Vardel, ou il est abîmé.";
}

}

namespace {

// The program, and what it shows beyond the character file.
struct Programme : ProgrammeDeTest {
    // Everything the character file does not hold but the windows show.
    struct Reste {
        QString extra;
        CatalogueSorts catalogue;
        std::array<QList<int>, NombreNiveauxSorts> marquesSorts;
        QStringList standard;
        bool modifie, deBase;
        int pointsCompetences, pointsArmes;
        bool operator==(const Reste&) const = default;
    };
    Reste reste() const
    {
        return {p().EditXtra->text(), o().Catalogue.catalogue, o().Catalogue.marques, o().NotesStandard,
                o().Modifie(), o().TalentsVoleurDeBase(), o().BudgetNWP.PointsCompetences, o().PointsArmes};
    }
};

// The whole character as the program holds it.
FichePersonnage RassembleFiche(const Fenetres& f)
{
    return f.Ouvert->Fiche();
}

int position(const QStringList& lignes, const QString& nom)
{
    for (int i = 0; i < lignes.size(); ++i)
        if (Champ1(lignes[i]) == nom)
            return i;
    ADD_FAILURE() << nom.toStdString();
    return 0;
}

// The position of the last record of that name in a level of the
// catalogue, -1 when there is none.
int cherche(const EtatCatalogue& e, int niveau, const QString& nom)
{
    const QStringList& sorts = e.catalogue[static_cast<std::size_t>(niveau - 1)];
    for (int i = static_cast<int>(sorts.size()) - 1; i >= 0; --i)
        if (Champ1(sorts[i]) == nom)
            return i;
    return -1;
}

// A Guerrier-Voleur typed in and chosen in the dialogs, with spells of the
// catalogue and spells it does not know.
void remplit(const Programme& pr)
{
    TPersoForm& p = pr.p();
    tape(p.EditNom, "Thorgrim & Cie");
    choisit(p.ComboRace, "Nain");
    choisit(p.ComboSexe, "Masculin");
    tape(p.EditAge, "87");
    tape(p.EditTaille, "1,30 m");
    tape(p.EditPoids, "75");
    choisit(p.ComboAlignement, "Loyal Neutre");
    tape(p.EditPV, "41");
    choisit(p.ComboClasse, "Guerrier-Voleur");
    tape(p.EditNiveau1, "6");
    tape(p.EditNiveau2, "7");
    tape(p.EditLangues, "Commun, nain, gnome");
    tape(p.EditForce, "18");
    tape(p.EditXtra, "63");
    tape(p.EditIntelligence, "14");
    tape(p.EditSagesse, "10");
    tape(p.EditDexterite, "17");
    tape(p.EditConstitution, "16");
    tape(p.EditCharisme, "8");
    tape(p.EditBeaute, "9");

    PersonnageOuvert& o = pr.o();
    Retouche r(o);
    const QStringList& nwp = o.Competences.competences;
    r->competences = {position(nwp, "Alpinisme"), position(nwp, "Armurier"), nwp.size() - 1};
    const int hache = position(o.Armes, "Hache d'armes");
    r->armes = {0, hache};
    r->specialisation = o.Armes[hache];
    r->talentsVoleur = {45, 37, 20, 15, 10, 20, 60, -5};
    r->sortsDeMage[0] = QStringList{"Sommeil&40", "Sort de famille&12"};
    r->sortsDeMage[1] = QStringList{"Inconnu de niveau 2&5"};
    r->sortsDeMage[2] = QStringList{"Boule de feu&33"};
    o.Catalogue.marques[0] = {cherche(o.Catalogue, 1, "Sommeil")};
    o.Catalogue.marques[2] = {cherche(o.Catalogue, 3, "Boule de feu")};
    r->spheres = ChoixStandard();
    r->notes = QStringList{"Doit 30 po à Bran", "", "Fin des armes"};
    // The marks as the spell window leaves them.
    const MarquesSorts marques = o.Catalogue.marques;
    r.fin();
    o.Catalogue.marques = marques;
    o.SortsDesMarques = o.Fiche().sortsDeMage;
    ReconstruitNotesStandard(o);
}

QStringList lignesDe(const QString& nom)
{
    return ListeTexte::charge(nom).lignes();
}

}

// A full character saved, a new one started, the file opened: everything
// comes back, and saving again gives the same bytes.
TEST(CommandesFichier, SauverNouveauOuvrirRestitueTout)
{
    DossierTemporaire dossier;
    const Programme pr;
    TPersoForm& p = pr.p();
    remplit(pr);
    const Personnage avant = p.personnage();
    const FichePersonnage fiche = RassembleFiche(pr.f);
    const QStringList standard = pr.o().NotesStandard;
    ASSERT_FALSE(standard.isEmpty());

    auto* plateforme = &PlateformeScriptee::remiseAZero();
    const QString nom = dossier.chemin("thorgrim.vdl");
    plateforme->fichiers = {nom};
    Controle<QAction>(p, "Sauver1")->trigger();
    ASSERT_EQ(plateforme->dialogues.size(), 1u);
    EXPECT_TRUE(plateforme->dialogues[0].sauvegarde);
    const DialogueFichier& d = plateforme->dialogues[0].dialogue;
    EXPECT_EQ(d.titre, "Sauvegarde du personnage");
    EXPECT_EQ(d.filtre, "Fichiers Personnage de Vardel (*.vdl)|*.vdl");
    EXPECT_EQ(filtresDeDialogue(d.filtre), QStringList{"Fichiers Personnage de Vardel (*.vdl)"});
    EXPECT_EQ(d.extensionParDefaut, "vdl");
    EXPECT_EQ(d.nomInitial, "");
    EXPECT_TRUE(plateforme->boites.empty());
    EXPECT_FALSE(pr.o().Modifie());
    const QByteArray octets = dossier.lit("thorgrim.vdl");
    EXPECT_EQ(lignesDe(nom), EcritFichePersonnage(fiche).lignes());
    const QStringList marques = {QString::number(position(pr.o().Competences.competences, "Alpinisme")),
                                 QString::number(position(pr.o().Competences.competences, "Armurier")),
                                 QString::number(pr.o().Competences.competences.size() - 1), "Fin des compétences", "0",
                                 QString::number(position(pr.o().Armes, "Hache d'armes"))};
    EXPECT_EQ(lignesDe(nom).mid(18, 6), marques);

    // "&Nouveau": an empty sheet, every part of every dialog emptied, and
    // nothing to save.
    // The budgets the dialogs last computed for this character.
    pr.o().BudgetNWP.PointsCompetences = 9;
    pr.o().PointsArmes = 7;
    p.SpeedButtonNouveau->click();
    EXPECT_TRUE(plateforme->boites.empty());
    EXPECT_EQ(RassembleFiche(pr.f), FichePersonnage{});
    EXPECT_EQ(p.EditLangues->text(), "");
    EXPECT_EQ(p.EditXtra->text(), "");
    EXPECT_EQ(p.ComboClasse->currentIndex(), -1);
    EXPECT_EQ(pr.o().NotesStandard, QStringList{});
    for (int n = 1; n <= NombreNiveauxSorts; ++n)
        EXPECT_EQ(pr.o().Catalogue.marques[static_cast<std::size_t>(n - 1)], QList<int>{}) << n;
    for (QPushButton* b : {p.ButtonTalentsDeVoleur, p.ButtonBarde, p.ButtonSortsDeMage, p.ButtonSortsDeClerc})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(pr.o().TalentsVoleurDeBase());
    EXPECT_FALSE(pr.o().Modifie());
    // The budgets are the empty character's: nothing of the last one's is
    // printed as points left.
    EXPECT_EQ(pr.o().BudgetNWP.PointsCompetences, CalculeCompetences(Personnage{}).PointsCompetences);
    EXPECT_EQ(pr.o().PointsArmes, CalculeEmplacementsArmes(Personnage{}));
    const QString vide = dossier.chemin("vide.vdl");
    plateforme->fichiers = {vide};
    p.Sauver1Click();
    EXPECT_EQ(plateforme->dialogues.back().dialogue.nomInitial, nom);
    EXPECT_EQ(lignesDe(vide), EcritFichePersonnage({}).lignes());
    EXPECT_EQ(lignesDe(vide).size(), 55);

    // "&Ouvrir".
    plateforme->fichiers = {nom};
    p.SpeedButtonOuvrir->click();
    EXPECT_TRUE(plateforme->boites.empty());
    ASSERT_EQ(plateforme->dialogues.size(), 3u);
    EXPECT_FALSE(plateforme->dialogues[2].sauvegarde);
    const DialogueFichier& o = plateforme->dialogues[2].dialogue;
    EXPECT_EQ(o.titre, "");
    EXPECT_EQ(o.filtre, "Fichier Personnage de Vardel (*.vdl)|*.vdl");
    EXPECT_EQ(o.extensionParDefaut, "vdl");
    const Personnage attendu = avant;   // the exceptional strength included
    EXPECT_EQ(attendu.extra, "63");
    EXPECT_EQ(p.personnage(), attendu);
    EXPECT_EQ(RassembleFiche(pr.f), fiche);
    EXPECT_EQ(pr.o().NotesStandard, standard);
    // The spells mark the catalogue; the level-1 spell it lacked was added.
    const EtatCatalogue& catalogue = pr.o().Catalogue;
    const QString sommeil = catalogue.catalogue[0][cherche(catalogue, 1, "Sommeil")];
    EXPECT_EQ(SortsMarques(catalogue, 1), (QStringList{sommeil, "Sort de famille&Vitesse&Durée&Portée&Zone&Composants"}));
    EXPECT_EQ(cherche(catalogue, 2, "Inconnu de niveau 2"), -1);
    EXPECT_EQ(catalogue.marques[1], QList<int>{});
    EXPECT_EQ(catalogue.marques[2], QList<int>{cherche(catalogue, 3, "Boule de feu")});
    // The budgets follow the character read; the thief values are kept.
    EXPECT_EQ(pr.o().BudgetNWP.PointsCompetences, CalculeCompetences(attendu).PointsCompetences);
    EXPECT_EQ(pr.o().PointsArmes, CalculeEmplacementsArmes(attendu));
    EXPECT_TRUE(p.ButtonTalentsDeVoleur->isEnabled());
    EXPECT_FALSE(pr.o().TalentsVoleurDeBase());
    EXPECT_FALSE(pr.o().Modifie());

    // Saved again under the name opened: the same bytes.
    plateforme->fichiers = {dossier.chemin("encore.vdl")};
    p.Sauver1Click();
    EXPECT_EQ(plateforme->dialogues.back().dialogue.nomInitial, nom);
    EXPECT_EQ(dossier.lit("encore.vdl"), octets);
}

// A damaged file, or one that cannot be read, changes nothing at all: not a
// field, not a mark, not the catalogue, not the flags, not the name the
// save dialog proposes.
TEST(CommandesFichier, FichierAbimeNeChangeRien)
{
    DossierTemporaire dossier;
    const Programme pr;
    TPersoForm& p = pr.p();
    remplit(pr);
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    const QString nom = dossier.chemin("thorgrim.vdl");
    plateforme->fichiers = {nom};
    p.Sauver1Click();
    ASSERT_FALSE(pr.o().Modifie());
    const FichePersonnage fiche = RassembleFiche(pr.f);
    const Personnage personnage = p.personnage();
    const Programme::Reste reste = pr.reste();

    const QString fixtures = QStringLiteral(VARDEL_PERSONNAGES);
    const struct {
        QString fichier;
        QString message;
    } cas[] = {
        {fixtures + "/coupe.vdl", "Index liste hors bornes\n" + pasUnPersonnage(fixtures + "/coupe.vdl")},
        {fixtures + "/sans-marqueur.vdl", "Index liste hors bornes\n" + pasUnPersonnage(fixtures + "/sans-marqueur.vdl")},
        {fixtures + "/position.vdl", "Index liste hors bornes\n" + pasUnPersonnage(fixtures + "/position.vdl")},
        {"/etc/passwd", "Index liste hors bornes\n« /etc/passwd » n'est pas un personnage Vardel, ou il est abîmé."},
        {dossier.chemin("absent.vdl"), "Ne peut ouvrir le fichier " + dossier.chemin("absent.vdl") + "\nFichier introuvable"},
        {dossier.racine(), "Ne peut ouvrir le fichier " + dossier.racine() + "\nC'est un dossier, pas un fichier"},
    };
    for (const auto& c : cas) {
        plateforme = &PlateformeScriptee::remiseAZero();
        plateforme->fichiers = {c.fichier};
        Controle<QAction>(p, "Ouvrir1")->trigger();
        ASSERT_EQ(plateforme->boites.size(), 1u) << c.fichier;
        EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Erreur);
        EXPECT_EQ(plateforme->boites[0].texte, c.message);
        EXPECT_EQ(p.personnage(), personnage) << c.fichier;
        EXPECT_EQ(RassembleFiche(pr.f), fiche) << c.fichier;
        EXPECT_TRUE(pr.reste() == reste) << c.fichier;
        plateforme->fichiers.clear();
        p.Sauver1Click();
        EXPECT_EQ(plateforme->dialogues.back().dialogue.nomInitial, nom) << c.fichier;
        // The open dialog proposes the file chosen last.
        p.Ouvrir1Click();
        EXPECT_EQ(plateforme->dialogues.back().dialogue.nomInitial, c.fichier);
    }

    // The same file whole opens (the fixtures differ from it only by their
    // damage).
    QStringList lignes = lignesDe(fixtures + "/position.vdl");
    lignes.removeAt(lignes.indexOf("999"));
    ListeTexte(lignes).sauve(dossier.chemin("repare.vdl"));
    plateforme = &PlateformeScriptee::remiseAZero();
    plateforme->fichiers = {dossier.chemin("repare.vdl")};
    p.Ouvrir1Click();
    EXPECT_TRUE(plateforme->boites.empty());
    EXPECT_EQ(p.EditNom->text(), "Intrus");
    EXPECT_EQ(pr.o().Fiche().competences, QList<qsizetype>{2});
    EXPECT_EQ(pr.o().Fiche().notes, QStringList{"Une note"});
    EXPECT_FALSE(pr.o().Modifie());

    // The lenient readings reach the windows: the pick lists take their
    // items whatever the case, and a level line ending in "-" leaves the
    // last level field as it was.
    choisit(p.ComboClasse, "Guerrier-Mage-Voleur");
    p.EditNiveau3->setText("7");
    FichePersonnage f;
    f.personnage.race = "elfe";
    f.personnage.classe = "GUERRIER-mage-voleur";
    f.personnage.niveaux = {"5", "4", ""};
    EcritFichePersonnage(f).sauve(dossier.chemin("indulgent.vdl"));
    plateforme->reponses = {Bouton::Non};
    plateforme->fichiers = {dossier.chemin("indulgent.vdl")};
    p.Ouvrir1Click();
    EXPECT_EQ(plateforme->boites.size(), 1u);
    EXPECT_EQ(p.ComboRace->currentText(), "Elfe");
    EXPECT_EQ(p.ComboClasse->currentText(), "Guerrier-Mage-Voleur");
    EXPECT_EQ(p.EditNiveau1->text(), "5");
    EXPECT_EQ(p.EditNiveau2->text(), "4");
    EXPECT_EQ(p.EditNiveau3->text(), "7");
}

// A save that fails says so, keeps the file it was to replace as it was,
// and the sheet modified.
TEST(CommandesFichier, SauvegardeQuiEchoue)
{
    DossierTemporaire dossier;
    const Programme pr;
    TPersoForm& p = pr.p();
    remplit(pr);
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    const QString nom = dossier.chemin("thorgrim.vdl");
    plateforme->fichiers = {nom};
    p.Sauver1Click();
    const QByteArray avant = dossier.lit("thorgrim.vdl");
    ASSERT_FALSE(avant.isEmpty());

    // A name the file cannot hold (it came in by no keyboard).
    p.EditNom->setText(QStringLiteral("Thorgrim \u03A9"));
    ASSERT_TRUE(pr.o().Modifie());
    const QString absent = dossier.chemin("absent/thorgrim.vdl");
    plateforme->fichiers = {nom, absent};
    p.SpeedButtonSauver->click();
    p.Sauver1Click();
    ASSERT_EQ(plateforme->boites.size(), 2u);
    EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Erreur);
    EXPECT_EQ(plateforme->boites[0].texte, "Ne peut créer le fichier " + nom + "\nLa valeur « Thorgrim \u03A9 » "
                                           "contient un caractère qu'un fichier de Vardel ne peut garder.");
    EXPECT_EQ(plateforme->boites[1].texte, "Ne peut créer le fichier " + absent + "\nLa valeur « Thorgrim \u03A9 » "
                                           "contient un caractère qu'un fichier de Vardel ne peut garder.");
    EXPECT_EQ(dossier.lit("thorgrim.vdl"), avant);
    EXPECT_FALSE(QFile::exists(absent));
    EXPECT_EQ(QDir(dossier.racine()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"thorgrim.vdl"});
    EXPECT_TRUE(pr.o().Modifie());
    // The name chosen is proposed again, the save having failed or not.
    p.Sauver1Click();
    EXPECT_EQ(plateforme->dialogues.back().dialogue.nomInitial, absent);
    EXPECT_TRUE(pr.o().Modifie());
}

// "Sauver le personnage ?" before "&Nouveau", "&Ouvrir" and closing: the
// command goes on after "&Non" or a save that succeeded; "Annuler", or a
// save cancelled or failed after "&Oui", keeps the character and the sheet
// modified.
TEST(CommandesFichier, QuestionAvantDeQuitterLePersonnage)
{
    DossierTemporaire dossier;
    FichePersonnage autre;
    autre.personnage.nom = "Bertrand";
    const QString nomAutre = dossier.chemin("autre.vdl");
    EcritFichePersonnage(autre).sauve(nomAutre);

    enum Commande { Nouveau, Ouvrir, Fermer };
    enum Reponse { Annuler, Non, OuiSauve, OuiAnnule, OuiEchoue };
    const char* noms[] = {"Nouveau", "Ouvrir", "Fermer", "Annuler", "Non", "Oui (sauvé)", "Oui (annulé)",
                          "Oui (échoué)"};
    const QString sauve = dossier.chemin("sauve.vdl");
    const QString absent = dossier.chemin("absent/sauve.vdl");
    for (Commande commande : {Nouveau, Ouvrir, Fermer})
        for (Reponse reponse : {Annuler, Non, OuiSauve, OuiAnnule, OuiEchoue}) {
            const std::string quoi = std::string(noms[commande]) + ", " + noms[3 + reponse];
            QFile::remove(sauve);
            const Programme pr;
            TPersoForm& p = pr.p();
            remplit(pr);
            auto* plateforme = &PlateformeScriptee::remiseAZero();
            plateforme->reponses = {reponse == Annuler ? Bouton::Annuler : reponse == Non ? Bouton::Non : Bouton::Oui};
            if (reponse == OuiSauve)
                plateforme->fichiers.push_back(sauve);
            else if (reponse == OuiAnnule)
                plateforme->fichiers.push_back(QString());
            else if (reponse == OuiEchoue)
                plateforme->fichiers.push_back(absent);
            plateforme->fichiers.push_back(nomAutre);

            bool continue_ = false;
            switch (commande) {
            case Nouveau:
                p.Nouveau1->trigger();
                continue_ = p.EditNom->text().isEmpty();
                break;
            case Ouvrir:
                Controle<QAction>(p, "Ouvrir1")->trigger();
                continue_ = p.EditNom->text() == "Bertrand";
                break;
            case Fermer:
                continue_ = p.close();
                break;
            }
            const bool attendu = reponse == Non || reponse == OuiSauve;
            EXPECT_EQ(continue_, attendu) << quoi;
            // Closing after "&Non" leaves the changes unsaved, and ends.
            EXPECT_EQ(pr.o().Modifie(), !attendu || (commande == Fermer && reponse == Non)) << quoi;
            EXPECT_EQ(p.isVisible(), !(commande == Fermer && attendu)) << quoi;
            ASSERT_GE(plateforme->boites.size(), 1u) << quoi;
            EXPECT_EQ(plateforme->boites[0].genre, GenreBoite::Confirmation);
            EXPECT_EQ(plateforme->boites[0].texte, "Sauver le personnage ?");
            EXPECT_EQ(plateforme->boites[0].boutons, (std::vector<Bouton>{Bouton::Oui, Bouton::Non, Bouton::Annuler}));
            EXPECT_EQ(plateforme->boites.size(), reponse == OuiEchoue ? 2u : 1u) << quoi;
            if (reponse == OuiEchoue) {
                EXPECT_EQ(plateforme->boites[1].texte, "Ne peut créer le fichier " + absent + "\nDossier introuvable : " +
                                                           QDir::toNativeSeparators(dossier.chemin("absent"))) << quoi;
            }
            // The save dialog after "&Oui"; the open dialog only when the
            // command went on.
            const std::size_t sauvegardes = reponse >= OuiSauve ? 1 : 0;
            const std::size_t ouvertures = commande == Ouvrir && attendu ? 1 : 0;
            EXPECT_EQ(plateforme->dialogues.size(), sauvegardes + ouvertures) << quoi;
            EXPECT_EQ(QFile::exists(sauve), reponse == OuiSauve) << quoi;
            if (reponse == OuiSauve) {
                EXPECT_EQ(lignesDe(sauve).value(0), "Thorgrim & Cie") << quoi;
            }
        }
}

namespace {

// Every character a line of the file can hold: the 256 bytes of the code
// page but the two that end a line.
QString caracteres()
{
    QByteArray octets;
    for (int i = 0; i < 256; ++i)
        if (i != '\r' && i != '\n')
            octets.append(static_cast<char>(i));
    return Windows1252::decode(octets);
}

// Those a field keeps: no control character (C0, DEL, and the C1 values
// the code page leaves undefined).
QString caracteresDUnChamp()
{
    QString t;
    for (QChar c : caracteres())
        if (c.unicode() >= 0x20 && !(c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            t += c;
    return t;
}

class Tirage {
public:
    explicit Tirage(unsigned graine) : g_(graine) {}
    int entre(int min, int max) { return std::uniform_int_distribution<int>(min, max)(g_); }
    bool pile() { return entre(0, 1) == 1; }
    QString texte(const QString& alphabet, int longueurMax = 12)
    {
        QString t;
        for (int n = entre(0, longueurMax); n > 0; --n)
            t += alphabet[entre(0, static_cast<int>(alphabet.size()) - 1)];
        return t;
    }
    template <typename T> T parmi(const QList<T>& l) { return l[entre(0, static_cast<int>(l.size()) - 1)]; }

private:
    std::mt19937 g_;
};

QList<qsizetype> marquesAuHasard(Tirage& h, int nombre)
{
    QList<qsizetype> m;
    for (int i = 0; i < nombre; ++i)
        if (h.entre(0, 4) == 0)
            m.append(i);
    return m;
}

// A character drawn at random into the windows, every line kind filled
// with any text its line can hold. The levels hold no "-" (their line is
// cut there) and only the fields of the class's parts (the others are
// emptied by the sheet).
void auHasard(const Programme& pr, Tirage& h)
{
    static const QString tout = caracteres();
    static const QString sansEt = QString(tout).remove(u'&');
    static const QString sansTiret = QString(tout).remove(u'-');
    TPersoForm& p = pr.p();
    auto combo = [&](QComboBox* b) { b->setCurrentIndex(h.entre(-1, b->count() - 1)); };
    for (QLineEdit* e : {p.EditNom, p.EditAge, p.EditTaille, p.EditPoids, p.EditPV, p.EditLangues, p.EditForce,
                         p.EditIntelligence, p.EditSagesse, p.EditDexterite, p.EditConstitution, p.EditCharisme,
                         p.EditBeaute})
        e->setText(h.texte(tout));
    for (QComboBox* b : {p.ComboRace, p.ComboSexe, p.ComboAlignement, p.ComboClasse})
        combo(b);
    p.MetAJourFiche();
    QLineEdit* niveaux[] = {p.EditNiveau1, p.EditNiveau2, p.EditNiveau3};
    for (qsizetype k = 0; k < Classes::Parties(p.ComboClasse->currentText()).size(); ++k)
        niveaux[k]->setText(h.texte(sansTiret, 3));

    PersonnageOuvert& o = pr.o();
    Retouche r(o);
    r->competences = marquesAuHasard(h, static_cast<int>(o.Competences.competences.size()));
    r->armes = marquesAuHasard(h, static_cast<int>(o.Armes.size()));
    r->specialisation = h.pile() ? QString() : h.texte(tout, 40);
    for (int& v : r->talentsVoleur)
        v = h.entre(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    for (int n = 1; n <= NombreNiveauxSorts; ++n) {
        QStringList& sorts = r->sortsDeMage[static_cast<std::size_t>(n - 1)];
        sorts.clear();
        const QStringList catalogue = o.Catalogue.catalogue[static_cast<std::size_t>(n - 1)];
        for (int i = h.entre(0, 3); i > 0; --i) {
            const QString nom = (h.pile() && !catalogue.isEmpty()) ? Champ1(h.parmi(catalogue)) : h.texte(sansEt);
            sorts.append(nom + "&" + h.texte(tout, 4));
        }
    }
    ChoixSpheres spheres;
    for (AccesSphere& s : spheres)
        s = static_cast<AccesSphere>(h.entre(0, 3));
    r->spheres = spheres;
    QStringList notes;
    for (int i = h.entre(0, 5); i > 0; --i)
        notes.append(h.pile() ? QString() : h.texte(tout, 30));
    r->notes = notes;
}

}

// Save, new, open, save: the same bytes, for many characters drawn at
// random.
TEST(CommandesFichier, SauverNouveauOuvrirSauverAuHasard)
{
    DossierTemporaire dossier;
    const Programme pr;
    TPersoForm& p = pr.p();
    Tirage h(20260);
    for (int essai = 0; essai < 40; ++essai) {
        auHasard(pr, h);
        if (essai == 0) {
            // Once, every character in a field, a note and a spell.
            p.EditNom->setText(caracteres());
            EXPECT_EQ(p.EditNom->text().size(), 256 - 2 - 30 - 1 - 5);
            pr.o().Change("test", [&](EtatPersonnage& e) { e.fiche.notes = QStringList{caracteres(), "", caracteres()}; });
            pr.o().Change("test", [&](EtatPersonnage& e) { e.fiche.sortsDeMage[4] = QStringList{QString(caracteres()).remove(u'&') + "&" + caracteres()}; });
        }
        const FichePersonnage fiche = RassembleFiche(pr.f);
        auto* plateforme = &PlateformeScriptee::remiseAZero();
        plateforme->fichiers = {dossier.chemin("a.vdl"), dossier.chemin("a.vdl"), dossier.chemin("b.vdl")};
        plateforme->reponses = {Bouton::Non};
        p.Sauver1Click();
        p.Nouveau1Click();
        p.Ouvrir1Click();
        p.Sauver1Click();
        ASSERT_TRUE(plateforme->boites.empty()) << essai << ": " << plateforme->boites[0].texte;
        ASSERT_EQ(dossier.lit("b.vdl"), dossier.lit("a.vdl")) << "essai " << essai;
        ASSERT_EQ(RassembleFiche(pr.f), fiche) << "essai " << essai;
        if (essai == 0) {
            EXPECT_EQ(p.EditNom->text(), caracteresDUnChamp());
            EXPECT_EQ(pr.o().Fiche().notes, (QStringList{caracteres(), "", caracteres()}));
        }
    }
}

// A file named from outside (given on the command line at start) opens as
// "&Ouvrir" opens it: a good file fills the sheet, unmodified, and its name
// is proposed by the next save; a missing or damaged one gives the same box
// and leaves the empty sheet.
TEST(CommandesFichier, FichierDonneDuDehors)
{
    DossierTemporaire dossier;
    const QString fixtures = QStringLiteral(VARDEL_PERSONNAGES);
    const struct {
        QString fichier;
        QString message;
    } abimes[] = {
        {dossier.chemin("absent.vdl"), "Ne peut ouvrir le fichier " + dossier.chemin("absent.vdl") + "\nFichier introuvable"},
        {fixtures + "/coupe.vdl", "Index liste hors bornes\n" + pasUnPersonnage(fixtures + "/coupe.vdl")},
    };
    for (const auto& c : abimes) {
        const Programme pr;
        auto* plateforme = &PlateformeScriptee::remiseAZero();
        ExecuteCommande([&] { OuvreFichierPersonnage(pr.f, c.fichier); });
        ASSERT_EQ(plateforme->boites.size(), 1u) << c.fichier;
        EXPECT_EQ(plateforme->boites[0].texte, c.message);
        EXPECT_EQ(pr.p().personnage(), Programme().p().personnage()) << c.fichier;
        EXPECT_FALSE(pr.o().Modifie());
    }

    const Programme source;
    remplit(source);
    auto* plateforme = &PlateformeScriptee::remiseAZero();
    const QString nom = dossier.chemin("thorgrim.vdl");
    plateforme->fichiers = {nom};
    source.p().Sauver1Click();

    const Programme pr;
    plateforme = &PlateformeScriptee::remiseAZero();
    OuvreFichierPersonnage(pr.f, nom);
    EXPECT_EQ(pr.p().personnage(), source.p().personnage());
    EXPECT_EQ(RassembleFiche(pr.f), RassembleFiche(source.f));
    EXPECT_FALSE(pr.o().Modifie());
    pr.p().Sauver1Click();
    ASSERT_EQ(plateforme->dialogues.size(), 1u);
    EXPECT_EQ(plateforme->dialogues[0].dialogue.nomInitial, nom);
}

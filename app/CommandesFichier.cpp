#include "CommandesFichier.h"

#include "Commandes.h"
#include "Echec.h"
#include "ExplicationEchec.h"
#include "Fenetres.h"
#include "PersonnagesRecents.h"
#include "Niveaux.h"
#include "UnitFormSortsDeMage.h"
#include "UnitPerso.h"

#include <QFileInfo>
#include <QSettings>
#include <algorithm>

namespace {

// What a character file is, in the second line of a failure.
const QString UnPersonnage = QStringLiteral("un personnage Vardel");

}

DialogueFichier DialogueSauvegardePersonnage(const QString& nom)
{
    return {QStringLiteral("Sauvegarde du personnage"), QStringLiteral("Fichiers Personnage de Vardel (*.vdl)|*.vdl"),
            QStringLiteral("vdl"), nom};
}

DialogueFichier DialogueOuverturePersonnage(const QString& nom)
{
    return {QString(), QStringLiteral("Fichier Personnage de Vardel (*.vdl)|*.vdl"), QStringLiteral("vdl"), nom};
}

void AppliqueFiche(const Fenetres& f, const FichePersonnage& fiche)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    // The sheet first: what it does not set (levels after those read, the
    // exceptional strength of an older file) stays as it shows it.
    f.PersoForm->FixePersonnage(fiche.personnage, fiche.niveauxLus, fiche.extraLu);
    const Personnage personnage = f.PersoForm->personnage();
    ouvert.Fiche = fiche;
    ++ouvert.Remplacements;
    // The character as the sheet shows it now; how the file was read is
    // the file's own business.
    ouvert.Fiche.personnage = personnage;
    ouvert.Fiche.extraLu = false;
    ouvert.Fiche.niveauxLus = 3;
    // The marks as the lists hold them: each entry once, in list order.
    for (QList<qsizetype>* marques : {&ouvert.Fiche.competences, &ouvert.Fiche.armes}) {
        std::sort(marques->begin(), marques->end());
        marques->erase(std::unique(marques->begin(), marques->end()), marques->end());
    }
    ouvert.BudgetNWP = CalculeCompetences(personnage);
    ouvert.PointsArmes = CalculeEmplacementsArmes(personnage);
    // The catalogue marks the character's spells, level by level: the last
    // record of each name, exactly; at level 1 a name it lacks is added
    // first.
    ouvert.Catalogue.marques = MarqueSortsDuPersonnage(ouvert.Catalogue.catalogue, fiche.sortsDeMage);
}

void TravailSauver(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    const QString nom = plateforme().fichierASauver(DialogueSauvegardePersonnage(ouvert.Noms.sauvegarde));
    if (nom.isEmpty())
        return;
    ouvert.Noms.sauvegarde = nom;
    try {
        EcritFichePersonnage(ouvert.Fiche).sauve(nom);
    } catch (const Echec& e) {
        throw Explique(e, nom, UnPersonnage);
    }
    ouvert.Modifie = false;
    ouvert.Signale();
    NoteFichierRecent(f, nom);
}

void TravailOuvrir(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    const QString nom = plateforme().fichierAOuvrir(DialogueOuverturePersonnage(ouvert.Noms.ouverture));
    if (nom.isEmpty())
        return;
    ouvert.Noms.ouverture = nom;
    OuvreFichierPersonnage(f, nom);
}

void OuvreFichierPersonnage(const Fenetres& f, const QString& nom)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    // Read and checked whole before the first field changes: a damaged
    // file leaves the character being edited as it was.
    FichePersonnage fiche;
    try {
        fiche = LitFichePersonnage(ListeTexte::charge(nom), ouvert.Competences.competences.size(), ouvert.Armes.size());
    } catch (const Echec& e) {
        throw Explique(e, nom, UnPersonnage);
    }
    ouvert.Noms.sauvegarde = nom;
    AppliqueFiche(f, fiche);
    // The character is the file's now, its thief values those read. The
    // standard notes come last: data files that fail them leave that true.
    ouvert.Modifie = false;
    ouvert.TalentsVoleurDeBase = false;
    ouvert.Signale();
    NoteFichierRecent(f, nom);
    ReconstruitNotesStandard(ouvert);
}

namespace {

void changeRecents(const Fenetres& f, QStringList recents)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    ouvert.Recents = std::move(recents);
    f.PersoForm->FixeRecents(ouvert.Recents);
    if (ouvert.RecentsChanges)
        ouvert.RecentsChanges(ouvert.Recents);
}

// The list as it is kept now, with what other copies added meanwhile.
QStringList recentsGardes(const PersonnageOuvert& ouvert)
{
    return ouvert.RecentsLus ? ouvert.RecentsLus() : ouvert.Recents;
}

}

void NoteFichierRecent(const Fenetres& f, const QString& nom)
{
    changeRecents(f, AjouteRecent(recentsGardes(*f.Ouvert), nom));
}

void OuvreFichierChoisi(const Fenetres& f, const QString& nom)
{
    if (!QFileInfo(nom).isFile()) {
        QStringList recents = recentsGardes(*f.Ouvert);
        if (recents.removeAll(QFileInfo(nom).absoluteFilePath()) > 0)
            changeRecents(f, recents);
        throw Explique(Echec(Messages::nePeutOuvrir(nom)), nom, UnPersonnage);
    }
    if (!QuitteLePersonnage(f))
        return;
    f.Ouvert->Noms.ouverture = nom;
    OuvreFichierPersonnage(f, nom);
}

bool EstFichierDeSorts(const QString& nom)
{
    return QFileInfo(nom).suffix().compare(QLatin1String("mag"), Qt::CaseInsensitive) == 0;
}

void OuvreFichierSortsDonne(const Fenetres& f, const QString& nom)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    TFormSortsDeMage& sorts = f.FormSortsDeMage();
    sorts.FixeEtat(ouvert.Catalogue);
    const bool lu = sorts.OuvreFichierSorts(nom);
    ouvert.Catalogue = sorts.Etat();
    if (lu)
        f.PersoForm->ButtonSortsDeMageClick();
}

void OuvreFichierDonne(const Fenetres& f, const QString& nom)
{
    if (EstFichierDeSorts(nom))
        OuvreFichierSortsDonne(f, nom);
    else
        OuvreFichierChoisi(f, nom);
}

void GardeRecentsDans(const Fenetres& f, QSettings& reglages)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    ouvert.Recents = LitRecents(reglages);
    f.PersoForm->FixeRecents(ouvert.Recents);
    ouvert.RecentsLus = [&reglages] {
        reglages.sync();
        return LitRecents(reglages);
    };
    ouvert.RecentsChanges = [&reglages](const QStringList& recents) { EcritRecents(reglages, recents); };
}

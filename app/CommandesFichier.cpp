#include "CommandesFichier.h"

#include "Commandes.h"
#include "Echec.h"
#include "Fenetres.h"
#include "PersonnagesRecents.h"
#include "Niveaux.h"
#include "UnitPerso.h"

#include <QFileInfo>
#include <algorithm>

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
    EcritFichePersonnage(ouvert.Fiche).sauve(nom);
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
    const FichePersonnage fiche = LitFichePersonnage(ListeTexte::charge(nom), ouvert.Competences.competences.size(),
                                                     ouvert.Armes.size());
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

}

void NoteFichierRecent(const Fenetres& f, const QString& nom)
{
    changeRecents(f, AjouteRecent(f.Ouvert->Recents, nom));
}

void OuvreFichierChoisi(const Fenetres& f, const QString& nom)
{
    if (!QFileInfo(nom).isFile()) {
        QStringList recents = f.Ouvert->Recents;
        if (recents.removeAll(QFileInfo(nom).absoluteFilePath()) > 0)
            changeRecents(f, recents);
        throw Echec(Messages::nePeutOuvrir(nom));
    }
    if (!QuitteLePersonnage(f))
        return;
    f.Ouvert->Noms.ouverture = nom;
    OuvreFichierPersonnage(f, nom);
}

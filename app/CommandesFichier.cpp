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

void AppliqueFiche(const Fenetres& f, const FichePersonnage& lue, PersonnageOuvert::Origine origine,
                   const QString& fichier, bool talentsVoleurDeBase)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    // Put on the sheet: what the file does not set (levels after those
    // read, the exceptional strength of an older file) stays as it was; how
    // the file was read is the file's own business.
    FichePersonnage fiche = lue;
    fiche.personnage = PoseSurLaFiche(ouvert.Fiche().personnage, lue);
    fiche.extraLu = false;
    fiche.niveauxLus = 3;
    // The marks as the lists hold them: each entry once, in list order.
    for (QList<qsizetype>* marques : {&fiche.competences, &fiche.armes}) {
        std::sort(marques->begin(), marques->end());
        marques->erase(std::unique(marques->begin(), marques->end()), marques->end());
    }
    ouvert.BudgetNWP = CalculeCompetences(fiche.personnage);
    ouvert.PointsArmes = CalculeEmplacementsArmes(fiche.personnage);
    // The catalogue's marks follow with the sheet (SuitLesSorts).
    ouvert.Remplace(fiche, origine, fichier, talentsVoleurDeBase);
}

void TravailSauver(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    const QString nom = plateforme().fichierASauver(DialogueSauvegardePersonnage(ouvert.NomPropose()));
    if (nom.isEmpty())
        return;
    ouvert.NomChoisiPourSauver(nom);
    try {
        EcritFichePersonnage(ouvert.Fiche()).sauve(nom);
    } catch (const Echec& e) {
        throw Explique(e, nom, UnPersonnage);
    }
    ouvert.MarqueSauve(nom);
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
    // The character is the file's now, unmodified, its thief values those
    // read. The standard notes come last: data files that fail them leave
    // that true.
    AppliqueFiche(f, fiche, PersonnageOuvert::Origine::Ouvrir, nom, false);
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
    ouvert.SuitLesSorts();
    bool lu = false;
    std::tie(ouvert.Catalogue, lu) =
        f.FormSortsDeMage().OuvreFichierSorts(ouvert.Fiche().sortsDeMage, ouvert.Catalogue, nom);
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

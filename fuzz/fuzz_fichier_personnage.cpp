// The character file: LitFichePersonnage with the sizes of the shipped
// proficiency and weapon lists, what a save writes of the character it
// read, and the rules the sheet computes at once from the texts it read.

#include "Champs.h"
#include "Combat.h"
#include "Competences.h"
#include "Entree.h"
#include "FichierPersonnage.h"
#include "Niveaux.h"
#include "TalentsBarde.h"
#include "TalentsVoleur.h"

namespace {

int nombreCompetences = 0;
int nombreArmes = 0;

}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    nombreCompetences = static_cast<int>(ListeTexte::charge(QStringLiteral(VARDEL_DONNEES "/Vardel.nwp")).count());
    nombreArmes = static_cast<int>(ListeTexte::charge(QStringLiteral(VARDEL_DONNEES "/Vardel.Arm")).count());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const ListeTexte lignes = ListeDepuisOctets(OctetsDe(donnees, taille));
    FichePersonnage fiche;
    try {
        fiche = LitFichePersonnage(lignes, nombreCompetences, nombreArmes);
    } catch (const Echec&) {
        return 0;
    }

    // Only entries of the lists are kept.
    for (qsizetype i : fiche.competences)
        VERIFIE(i >= 0 && i < nombreCompetences);
    for (qsizetype i : fiche.armes)
        VERIFIE(i >= 0 && i < nombreArmes);
    VERIFIE(fiche.niveauxLus >= 1 && fiche.niveauxLus <= 3);

    // A save of what was read reads back as the same character. What the
    // reading says it set is its own: an empty last level sets no field
    // ("5--" sets two), and an empty Extra is not written.
    QByteArray octets;
    VERIFIE(OctetsDeListe(EcritFichePersonnage(fiche), octets));
    FichePersonnage relue;
    try {
        relue = LitFichePersonnage(ListeDepuisOctets(octets), nombreCompetences, nombreArmes);
    } catch (const Echec&) {
        VERIFIE(!"le fichier écrit se relit");
    }
    relue.niveauxLus = fiche.niveauxLus;
    relue.extraLu = fiche.extraLu;
    VERIFIE(relue == fiche);

    // The figures the sheet shows once the file is open, from texts that no
    // field checked.
    const Personnage& p = fiche.personnage;
    try {
        const Personnage::Etats etats = p.EtatsDeLaFiche();
        CalculeCompetences(p);
        CalculeEmplacementsArmes(p);
        CalculeTHACO(p);
        AttaquesParRound(p);
        ValeursTalentsVoleur talents = fiche.talentsVoleur;
        TexteTalentsRestants(CalculeTalentsVoleur(p, false, talents));
        VERIFIE(talents == fiche.talentsVoleur);
        CalculeTalentsBarde(p);
        // "Tirer PV" is enabled for a chosen class and a Constitution of 1
        // to 25, and then every group the roll reads is at a level of 1 to
        // 20 or not in use (0): the level fields checked are those of the
        // classes in use. A class whose levels are all 0 leaves it enabled
        // with no class in use, and the roll then gives nothing rather than
        // divide by 0 classes.
        if (etats.tirerPV) {
            VERIFIE(!p.classe.isEmpty() && EstEntierEntre(p.constitution, 1, 25));
            for (const QString& groupe : {COMBATTANT, MAGICIEN, PRETRE, LARRON}) {
                const int niveau = p.NiveauParGroupe(groupe);
                VERIFIE(niveau == 0 || (niveau >= 1 && niveau <= 20));
            }
            VERIFIE(TirePointsDeVie(p, [](int n) { return n; }).has_value() == (p.NombreDeClasses() > 0));
        }
    } catch (const Echec&) {
    }
    return 0;
}

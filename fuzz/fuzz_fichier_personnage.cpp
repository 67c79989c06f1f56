// The character file: LitFichePersonnage with the sizes of the shipped
// proficiency and weapon lists, what a save writes of the character it
// read, and the rules the sheet computes at once from the texts it read.

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
        // "Tirer PV", when enabled, rolls nothing for a character whose
        // levels are all 0 or less.
        if (etats.tirerPV)
            VERIFIE(TirePointsDeVie(p, [](int n) { return n; }).has_value() == (p.NombreDeClasses() > 0));
    } catch (const Echec&) {
    }
    return 0;
}

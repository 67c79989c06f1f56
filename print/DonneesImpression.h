#pragma once

#include "Ajustements.h"
#include "Personnage.h"
#include "Spheres.h"

#include <QString>
#include <QStringList>
#include <array>

// Everything the printed pages show of one character, as plain values
// taken from the open character at the moment of printing.
// The pages read nothing else, except the rule files of the data directory
// that the main sheet needs for its figures.
struct DonneesImpression {
    // The character's entry texts.
    Personnage Perso;
    // Where "Vardel.Aju", "ST.dat", "comprace.dat" and "XP.dat" are read.
    QString RepertoireDonnees;
    QString FichierDonnees(const QString& nom) const;

    // Texts the open character keeps for the printout. The main page refreshes
    // Ajustements, JetsDeProtection and NotesStandard as it draws them, for
    // the caller to hand back.
    std::array<QString, NombreAjustements> Ajustements;
    std::array<QString, 5> JetsDeProtection;
    std::array<int, 8> TalentsVoleur{};

    // The marked proficiencies: their lines "name&cost&ability&modifier"
    // in list order, and the points left.
    QStringList Competences;
    int PointsCompetences = 0;
    // The marked weapons: their lines "name&speed&small-medium&large&rate
    // of fire" in list order, the points left, and the whole line of the
    // specialised weapon (empty: none).
    QStringList Armes;
    int PointsArmes = 0;
    QString Specialisation;

    // The sphere choices from which the standard notes are
    // rebuilt, the standard notes, the user's notes.
    ChoixSpheres Spheres{};
    QStringList NotesStandard;
    QStringList Notes;

    // The spell catalogue: for levels 1..9, the marked records
    // "name&casting time&duration&range&area&components" in list order.
    std::array<QStringList, 9> SortsDeMage;
    // The character's spell entries "name&percentage": the learning rolls.
    std::array<QStringList, 9> SortsDeMageParNiveau;
    // The chance to learn spells that decides which spells have failed.
    int ChanceApprentissage = 0;

    // The seven priest spell lists, as ConstruitSortsDePretre builds them.
    std::array<QStringList, 7> SortsDeClercParNiveau;
};

// The chance to learn spells of the character's Intelligence, as the printer
// takes it when it draws the spellbook.
int ChanceApprentissageDe(const Personnage& p);

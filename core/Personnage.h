#pragma once

#include "Classes.h"

#include <QString>
#include <array>

// The entry texts of a character: what the main sheet's fields show (the
// item texts of its pick lists; the empty text when nothing is chosen). A
// Personnage is a plain value, part of the whole character
// (FichePersonnage); the lookups below read its texts.
struct Personnage {
    QString nom, race, sexe, age, taille, poids;
    QString classe;                    // empty: no class chosen
    std::array<QString, 3> niveaux;    // Niveau 1, 2, 3
    QString alignement, pointsDeVie, langues;
    QString force, extra, intelligence, sagesse, dexterite, constitution, charisme, beaute;

    bool operator==(const Personnage&) const = default;

    // True when one part of the class name is that class.
    bool EstDeClasse(ClasseDeBase classe) const;
    // The level of the part that is that class (EntierOuDefaut of its
    // field), 0 when no part is.
    int NiveauParClasse(ClasseDeBase classe) const;
    // The sum of the levels of the group's classes. A text that is no group
    // is a fault of the caller: it throws Echec "Erreur dans NiveauParGroupe,
    // Groupe inconnu : " + the text, which the command's edge shows in an
    // error box with one "OK" button.
    int NiveauParGroupe(const QString& groupe) const;
    // How many of the four groups have a level other than 0.
    int NombreDeClasses() const;
    // The level fields 1..NombreDeClasses() must each hold 1..20; on failure
    // "Niveau incorrect (doit être entre 1 et 20) " is appended to
    // `messages` once.
    bool VerifieNiveaux(QString& messages) const;
    // Exceptional strength applies: a fighter-type class (Guerrier, Paladin
    // or Ranger among the parts) with Force exactly the text "18".
    bool ForceExceptionnelle() const;
    // Casts priest spells: Clerc or Druide among the parts, or Paladin from
    // level 9, or Ranger from level 8.
    bool LanceSortsDePretre() const;
    // Casts mage spells: Mage or Illusioniste among the parts, or Barde from
    // level 2.
    bool LanceSortsDeMage() const;

    // What the main window enables for this character (its refresh applies
    // them; a disabled Extra is also emptied).
    struct Etats {
        bool extra = false;          // EditXtra and its caption
        bool tirerPV = false;        // "Tirer PV"
        bool talentsVoleur = false;  // "Talents de &Voleur" and its tool button
        bool talentsBarde = false;   // "Talents de &Barde" and its tool button
        bool sortsDeMage = false;    // "Sorts de &Mage" and its tool button
        bool sortsDeClerc = false;   // "Sorts de &Clerc" and its tool button
        bool operator==(const Etats&) const = default;
    };
    Etats EtatsDeLaFiche() const;
};

// The character as the sheet's refresh leaves it, whatever changed it
// (typing, a class picked, a file opened, an undo, the ability roll): the
// level fields after the class's last part are empty (no class counts as
// one part), and Extra is empty unless exceptional strength applies.
Personnage RegleLaFiche(Personnage p);

inline const QString MessageGroupeInconnu = QStringLiteral("Erreur dans NiveauParGroupe, Groupe inconnu : ");

inline const QString MessageNiveauIncorrect = QStringLiteral("Niveau incorrect (doit être entre 1 et 20) ");

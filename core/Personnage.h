#pragma once

#include <QString>
#include <array>

// The character being edited, as the texts of the main window's fields at
// the moment it is asked for (TPersoForm::personnage()). Nothing is cached:
// a Personnage is a snapshot, and the lookups below read its texts.
struct Personnage {
    QString nom, race, sexe, age, taille, poids;
    QString classe;                    // empty: no class chosen
    std::array<QString, 3> niveaux;    // Niveau 1, 2, 3
    QString alignement, pointsDeVie, langues;
    QString force, extra, intelligence, sagesse, dexterite, constitution, charisme, beaute;

    // True when one part of the class name equals `nom` exactly.
    bool EstDeClasse(const QString& nom) const;
    // The level of the part that equals `nom` (EntierOuDefaut of its field),
    // 0 when no part does.
    int NiveauParClasse(const QString& nom) const;
    // The sum of the levels of the group's classes. An unknown group shows
    // an error box and gives 0.
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
};

inline const QString MessageNiveauIncorrect = QStringLiteral("Niveau incorrect (doit être entre 1 et 20) ");

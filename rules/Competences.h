#pragma once

#include "Personnage.h"

#include <QSet>
#include <QString>
#include <QStringList>

// The rules of the non-weapon proficiencies: which groups a class opens,
// the point budget, the cost of an entry and the points left.

// What the class, the levels and the Intelligence give.
struct BudgetCompetences {
    // Sorted, without duplicates; always holds "GENERAL".
    QStringList GroupesAutorises;
    int PointsCompetences = 0;
};

// The groups whose word occurs in the class text, and the best of the
// group budgets (levels through NiveauParGroupe) plus the Intelligence bonus.
BudgetCompetences CalculeCompetences(const Personnage& p);

// The bonus of an Intelligence score (text read leniently); 0 outside 2..25.
int BonusIntelligenceCompetences(const QString& intelligence);

// True when `nom` is listed, in the category file `categories`, in a block
// whose group line is one of `groupesAutorises` (compared without regard to
// case); names are compared exactly. The line after a group line is always
// taken as a name, even "FIN". Blank lines before, between and after the
// blocks are ignored, and a last block that lacks its "FIN" ends with the
// file.
bool CompetenceAutorisee(const QStringList& categories, const QStringList& groupesAutorises, const QString& nom);

// The names CompetenceAutorisee allows, gathered in one pass.
QSet<QString> CompetencesAutorisees(const QStringList& categories, const QStringList& groupesAutorises);

// The cost of a proficiency line: its second field read leniently (-32767
// when it is no number), one more when its name is not allowed.
qint64 CoutCompetence(const QString& ligne, const QStringList& categories, const QStringList& groupesAutorises);

// The budget minus the costs of the marked lines, kept within the range of
// an int whatever the costs read from the file.
int PointsRestants(int pointsCompetences, const QStringList& lignesMarquees, const QStringList& categories,
                   const QStringList& groupesAutorises);

// Clamps a count of points to the range of an int.
int BornePoints(qint64 points);

// What the proficiency dialog reads from its two data files: the category
// file as it is, the proficiency file in the order of its list (the
// positions a character file holds).
struct ListesCompetences {
    QStringList categories;
    QStringList competences;
};

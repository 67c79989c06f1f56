#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rules of the weapon slots.

// The entries that sort first in the weapon list: specialising in one of
// them costs two extra slots instead of one.
inline constexpr qsizetype ArmesSpecialisationCouteuse = 7;

// The slots one marked weapon takes: 1, plus 2 (positions 0 to 6) or 1
// (further positions) when its whole line is the specialisation.
int EmplacementsArme(qsizetype position, const QString& ligne, const QString& specialisation);

// The slots left: `pointsArmes` minus what the marked entries take. `lignes`
// are all the entries of the list in its order, `marquees` the positions of
// the marked ones.
int PointsRestants(int pointsArmes, const QStringList& lignes, const QList<qsizetype>& marquees,
                   const QString& specialisation);

// "Se spécialiser dans cette arme (nom) ?" and "Abandonner la
// spécialisation dans cette arme (nom) ?" for a weapon line.
QString QuestionSpecialisation(const QString& ligne);
QString QuestionAbandonSpecialisation(const QString& ligne);

// The name drawn for a weapon line: "S " before it for the specialisation.
QString NomAffiche(const QString& nom, bool specialisee);

#include "Verifications.h"

#include "Champs.h"
#include "Classes.h"

namespace {

void exige(bool condition, const char16_t* message, QString& messages)
{
    if (!condition)
        messages += QString::fromUtf16(message);
}

bool caracteristique(const QString& texte)
{
    return EstEntierEntre(texte, 1, 25);
}

}

namespace Verifications {

bool VerifieSaisie(const Personnage& p, QString& messages)
{
    const qsizetype avant = messages.size();
    if (p.ForceExceptionnelle())
        exige(EstEntierEntre(p.extra, 1, 100), u"Extra incorrect ", messages);
    else
        exige(caracteristique(p.force), u"Force incorrecte ", messages);
    exige(caracteristique(p.intelligence), u"Intelligence incorrecte ", messages);
    exige(caracteristique(p.sagesse), u"Sagesse incorrecte ", messages);
    exige(caracteristique(p.dexterite), u"Dextérité incorrecte ", messages);
    exige(caracteristique(p.constitution), u"Constitution incorrecte ", messages);
    exige(caracteristique(p.charisme), u"Charisme incorrect ", messages);
    exige(caracteristique(p.beaute), u"Beauté incorrecte ", messages);
    exige(!p.race.isEmpty(), u"Race incorrecte ", messages);
    exige(!p.classe.isEmpty(), u"Classe incorrecte ", messages);
    exige(!p.sexe.isEmpty(), u"Sexe incorrect ", messages);
    exige(!p.alignement.isEmpty(), u"Alignement incorrect ", messages);
    // Read unsigned, an empty or negative level (-32767 and below zero)
    // becomes huge and fails like a level above 20.
    for (const QString& groupe : {COMBATTANT, MAGICIEN, LARRON, PRETRE}) {
        if (static_cast<unsigned>(p.NiveauParGroupe(groupe)) > 20u) {
            messages += MessageNiveauIncorrect;
            break;
        }
    }
    return messages.size() == avant;
}

bool AvantCompetences(const Personnage& p, QString& messages)
{
    const qsizetype avant = messages.size();
    exige(!p.classe.isEmpty(), u"Classe incorrecte ", messages);
    exige(caracteristique(p.intelligence), u"Intelligence incorrecte ", messages);
    p.VerifieNiveaux(messages);
    return messages.size() == avant;
}

bool AvantArmes(const Personnage& p, QString& messages)
{
    const qsizetype avant = messages.size();
    exige(!p.classe.isEmpty(), u"Classe incorrecte ", messages);
    p.VerifieNiveaux(messages);
    return messages.size() == avant;
}

bool AvantTalents(const Personnage& p, QString& messages)
{
    const qsizetype avant = messages.size();
    exige(!p.dexterite.isEmpty(), u"Dextérité incorrecte ", messages);
    exige(!p.race.isEmpty(), u"Race incorrecte ", messages);
    p.VerifieNiveaux(messages);
    return messages.size() == avant;
}

bool AvantNotes(const Personnage& p, QString& messages)
{
    const qsizetype avant = messages.size();
    exige(!p.sagesse.isEmpty(), u"Sagesse incorrecte ", messages);
    exige(!p.race.isEmpty(), u"Race incorrecte ", messages);
    exige(!p.classe.isEmpty(), u"Classe incorrecte ", messages);
    return messages.size() == avant;
}

}

bool Verifications::AvantSortsDeMage(const Personnage& p, QString& messages)
{
    if (!p.intelligence.isEmpty())
        return true;
    messages += MessageIntelligenceAbsente;
    return false;
}

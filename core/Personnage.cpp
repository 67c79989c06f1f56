#include "Personnage.h"

#include "Champs.h"
#include "Classes.h"
#include "Plateforme.h"

namespace {
// Parts beyond the third have no level field.
constexpr qsizetype MaxParties = 3;
}

bool Personnage::EstDeClasse(const QString& nom) const
{
    if (classe.isEmpty())
        return false;
    const QStringList parties = Classes::Parties(classe);
    for (qsizetype k = 0; k < parties.size() && k < MaxParties; ++k)
        if (parties[k] == nom)
            return true;
    return false;
}

int Personnage::NiveauParClasse(const QString& nom) const
{
    if (classe.isEmpty())
        return 0;
    const QStringList parties = Classes::Parties(classe);
    for (qsizetype k = 0; k < parties.size() && k < MaxParties; ++k)
        if (parties[k] == nom)
            return EntierOuDefaut(niveaux[static_cast<std::size_t>(k)]);
    return 0;
}

int Personnage::NiveauParGroupe(const QString& groupe) const
{
    const QStringList classes = ClassesDuGroupe(groupe);
    if (classes.isEmpty()) {
        boite(GenreBoite::Erreur, QStringLiteral("Erreur dans NiveauParGroupe, Groupe inconnu : ") + groupe, {Bouton::OK});
        return 0;
    }
    int total = 0;
    for (const QString& c : classes)
        total += NiveauParClasse(c);
    return total;
}

int Personnage::NombreDeClasses() const
{
    int n = 0;
    for (const QString& g : {COMBATTANT, MAGICIEN, PRETRE, LARRON})
        if (NiveauParGroupe(g) != 0)
            ++n;
    return n;
}

bool Personnage::VerifieNiveaux(QString& messages) const
{
    const int n = NombreDeClasses();
    for (int k = 0; k < n && k < 3; ++k) {
        if (!EstEntierEntre(niveaux[static_cast<std::size_t>(k)], 1, 20)) {
            messages += MessageNiveauIncorrect;
            return false;
        }
    }
    return true;
}

bool Personnage::ForceExceptionnelle() const
{
    return force == u"18" && (EstDeClasse("Guerrier") || EstDeClasse("Paladin") || EstDeClasse("Ranger"));
}

bool Personnage::LanceSortsDePretre() const
{
    return EstDeClasse("Clerc") || EstDeClasse("Druide")
        || (EstDeClasse("Paladin") && NiveauParClasse("Paladin") >= 9)
        || (EstDeClasse("Ranger") && NiveauParClasse("Ranger") >= 8);
}

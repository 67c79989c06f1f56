#include "Personnage.h"

#include "Champs.h"
#include "Classes.h"
#include "Echec.h"

namespace {
// Parts beyond the third have no level field.
constexpr qsizetype MaxParties = 3;
}

bool Personnage::EstDeClasse(ClasseDeBase c) const
{
    if (classe.isEmpty())
        return false;
    const QString nom = NomDeClasse(c);
    const QStringList parties = Classes::Parties(classe);
    for (qsizetype k = 0; k < parties.size() && k < MaxParties; ++k)
        if (parties[k] == nom)
            return true;
    return false;
}

int Personnage::NiveauParClasse(ClasseDeBase c) const
{
    if (classe.isEmpty())
        return 0;
    const QString nom = NomDeClasse(c);
    const QStringList parties = Classes::Parties(classe);
    for (qsizetype k = 0; k < parties.size() && k < MaxParties; ++k)
        if (parties[k] == nom)
            return EntierOuDefaut(niveaux[static_cast<std::size_t>(k)]);
    return 0;
}

int Personnage::NiveauParGroupe(const QString& groupe) const
{
    const std::vector<ClasseDeBase> classes = ClassesDuGroupe(groupe);
    if (classes.empty())
        throw Echec(MessageGroupeInconnu + groupe);
    int total = 0;
    for (ClasseDeBase c : classes)
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
    return force == u"18"
        && (EstDeClasse(ClasseDeBase::Guerrier) || EstDeClasse(ClasseDeBase::Paladin) || EstDeClasse(ClasseDeBase::Ranger));
}

bool Personnage::LanceSortsDePretre() const
{
    return EstDeClasse(ClasseDeBase::Clerc) || EstDeClasse(ClasseDeBase::Druide)
        || (EstDeClasse(ClasseDeBase::Paladin) && NiveauParClasse(ClasseDeBase::Paladin) >= 9)
        || (EstDeClasse(ClasseDeBase::Ranger) && NiveauParClasse(ClasseDeBase::Ranger) >= 8);
}

bool Personnage::LanceSortsDeMage() const
{
    return EstDeClasse(ClasseDeBase::Mage) || EstDeClasse(ClasseDeBase::Illusioniste)
        || (EstDeClasse(ClasseDeBase::Barde) && NiveauParClasse(ClasseDeBase::Barde) >= 2);
}

Personnage::Etats Personnage::EtatsDeLaFiche() const
{
    Etats e;
    e.extra = ForceExceptionnelle();
    e.talentsVoleur = EstDeClasse(ClasseDeBase::Voleur);
    e.talentsBarde = EstDeClasse(ClasseDeBase::Barde);
    e.sortsDeMage = LanceSortsDeMage();
    e.sortsDeClerc = LanceSortsDePretre();
    // What the level check appends is never shown from here.
    QString messages;
    e.tirerPV = !classe.isEmpty() && EstEntierEntre(constitution, 1, 25) && VerifieNiveaux(messages);
    return e;
}

Personnage RegleLaFiche(Personnage p)
{
    const qsizetype parties = Classes::Parties(p.classe).size();
    for (qsizetype k = parties; k < 3; ++k)
        p.niveaux[static_cast<std::size_t>(k)].clear();
    if (!p.ForceExceptionnelle())
        p.extra.clear();
    return p;
}

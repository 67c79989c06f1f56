#include "Exigences.h"

#include "Champs.h"
#include "Echec.h"

namespace {

enum Section { AvantLaPremiereCle = -1, Limites, Ajustements, Minimums, ClassesDeRace };

const QStringList& cles()
{
    static const QStringList liste = {QStringLiteral("Limites raciales"), QStringLiteral("Ajustements raciaux"),
                                      QStringLiteral("Minimums de classe"), QStringLiteral("Classes permises")};
    return liste;
}

[[noreturn]] void abime()
{
    throw Echec(Messages::indexHorsBornes());
}

int entier(const QString& texte, int min, int max)
{
    const int v = EntierOuDefaut(texte);
    if (v < min || v > max)
        abime();
    return v;
}

// The fields of a record of a race or class and six figures.
std::array<QString, 1 + NombreCaracteristiques> septChamps(const QString& ligne)
{
    if (ligne.count(u'&') != NombreCaracteristiques)
        abime();
    return {Champ1(ligne), Champ2(ligne), Champ3(ligne), Champ4(ligne),
            Champ5(ligne), Champ6(ligne), ChampsDepuis7(ligne)};
}

// The position of the race among Classes::Races(); each once per section.
qsizetype race(const QString& nom, QList<bool>& vues)
{
    const qsizetype r = Classes::Races().indexOf(nom);
    if (r < 0 || vues[r])
        abime();
    vues[r] = true;
    return r;
}

class Lecteur {
public:
    Lecteur()
    {
        for (const QString& nom : Classes::Races()) {
            ExigencesRace r;
            r.race = nom;
            r.minimums.fill(3);
            r.maximums.fill(18);
            r.ajustements.fill(0);
            e.races.append(r);
        }
        for (Scores& m : e.minimums)
            m.fill(0);
        for (QList<bool>& v : racesVues)
            v = QList<bool>(Classes::Races().size(), false);
    }

    void ligne(const QString& l)
    {
        if (l.isEmpty() || l.startsWith(u';'))
            return;
        const qsizetype cle = cles().indexOf(l);
        if (cle >= 0) {
            if (cle != section + 1)
                abime();
            section = static_cast<int>(cle);
            return;
        }
        switch (section) {
        case Limites: limites(l); break;
        case Ajustements: ajustements(l); break;
        case Minimums: minimums(l); break;
        case ClassesDeRace: classes(l); break;
        default: abime();
        }
    }

    Exigences fin()
    {
        if (section != ClassesDeRace)
            abime();
        return e;
    }

private:
    void limites(const QString& l)
    {
        const auto champs = septChamps(l);
        ExigencesRace& r = e.races[race(champs[0], racesVues[Limites])];
        for (int c = 0; c < NombreCaracteristiques; ++c) {
            const QString& texte = champs[c + 1];
            const qsizetype barre = texte.indexOf(u'/');
            if (barre < 0)
                abime();
            r.minimums[c] = entier(texte.left(barre), 3, 18);
            r.maximums[c] = entier(texte.mid(barre + 1), r.minimums[c], 18);
        }
    }

    void ajustements(const QString& l)
    {
        const auto champs = septChamps(l);
        ExigencesRace& r = e.races[race(champs[0], racesVues[Ajustements])];
        for (int c = 0; c < NombreCaracteristiques; ++c)
            r.ajustements[c] = entier(champs[c + 1], -3, 3);
    }

    void minimums(const QString& l)
    {
        const auto champs = septChamps(l);
        const std::optional<ClasseDeBase> classe = ClasseDeNom(champs[0]);
        if (!classe || classesVues[static_cast<std::size_t>(*classe)])
            abime();
        classesVues[static_cast<std::size_t>(*classe)] = true;
        Scores& m = e.minimums[static_cast<std::size_t>(*classe)];
        for (int c = 0; c < NombreCaracteristiques; ++c)
            m[c] = champs[c + 1] == QStringLiteral("-") ? 0 : entier(champs[c + 1], 3, 18);
    }

    void classes(const QString& l)
    {
        const QStringList champs = l.split(u'&');
        if (champs.size() < 2)
            abime();
        ExigencesRace& r = e.races[race(champs[0], racesVues[ClassesDeRace])];
        QList<bool> permises(Classes::Liste().size(), false);
        for (qsizetype i = 1; i < champs.size(); ++i) {
            const qsizetype k = Classes::Liste().indexOf(champs[i]);
            if (k < 0 || permises[k])
                abime();
            permises[k] = true;
        }
        for (qsizetype k = 0; k < permises.size(); ++k)
            if (permises[k])
                r.classes.append(Classes::Liste()[k]);
    }

    Exigences e;
    int section = AvantLaPremiereCle;
    std::array<QList<bool>, 4> racesVues;
    std::array<bool, ClassesDeBase.size()> classesVues{};
};

const ExigencesRace* exigencesDe(const Exigences& e, const QString& race)
{
    for (const ExigencesRace& r : e.races)
        if (r.race == race)
            return &r;
    return nullptr;
}

}

Exigences LitExigences(const ListeTexte& lignes)
{
    Lecteur lecteur;
    for (const QString& l : lignes.lignes())
        lecteur.ligne(l);
    return lecteur.fin();
}

Exigences ChargeExigences(const QString& fichier)
{
    return LitExigences(ListeTexte::charge(fichier));
}

QStringList RacesPermises(const Exigences& e, const Scores& tires)
{
    QStringList races;
    for (const ExigencesRace& r : e.races) {
        bool permise = !r.classes.isEmpty();
        for (int c = 0; c < NombreCaracteristiques; ++c)
            permise = permise && tires[c] >= r.minimums[c] && tires[c] <= r.maximums[c];
        if (permise)
            races.append(r.race);
    }
    return races;
}

Scores ScoresAjustes(const Exigences& e, const QString& race, const Scores& tires)
{
    Scores ajustes = tires;
    if (const ExigencesRace* r = exigencesDe(e, race))
        for (int c = 0; c < NombreCaracteristiques; ++c)
            ajustes[c] += r->ajustements[c];
    return ajustes;
}

bool SatisfaitMinimums(const Exigences& e, const QString& classe, const Scores& ajustes)
{
    for (const QString& partie : Classes::Parties(classe)) {
        const std::optional<ClasseDeBase> c = ClasseDeNom(partie);
        if (!c)
            return false;
        const Scores& m = e.minimums[static_cast<std::size_t>(*c)];
        for (int k = 0; k < NombreCaracteristiques; ++k)
            if (ajustes[k] < m[k])
                return false;
    }
    return true;
}

QStringList ClassesPermises(const Exigences& e, const QString& race, const Scores& ajustes)
{
    QStringList classes;
    if (const ExigencesRace* r = exigencesDe(e, race))
        for (const QString& classe : r->classes)
            if (SatisfaitMinimums(e, classe, ajustes))
                classes.append(classe);
    return classes;
}

#include "FichierPersonnage.h"

#include "Champs.h"
#include "Classes.h"
#include "Echec.h"

QString FinDesSorts(int niveau)
{
    return QStringLiteral("Fin des sorts de niveau ") + QString::number(niveau);
}

namespace {

// The sphere lines, by the index of the choice: first, second, third.
QString ligneSphere(AccesSphere acces)
{
    switch (acces) {
    case AccesSphere::Majeur: return QStringLiteral("0");
    case AccesSphere::Mineur: return QStringLiteral("1");
    case AccesSphere::PasDAcces: return QStringLiteral("2");
    case AccesSphere::Aucun: break;
    }
    return QStringLiteral("?");
}

AccesSphere accesDe(const QString& ligne)
{
    switch (EntierOuDefaut(ligne)) {
    case 0: return AccesSphere::Majeur;
    case 1: return AccesSphere::Mineur;
    case 2: return AccesSphere::PasDAcces;
    default: return AccesSphere::Aucun;
    }
}

// The lines one after the other; reading past the last throws
// "Index liste hors bornes".
class Lecture {
public:
    explicit Lecture(const ListeTexte& lignes) : lignes_(lignes) {}
    const QString& suivante() { return lignes_.at(i_++); }
    bool reste() const { return i_ < lignes_.count(); }
    const QString& prochaine() const { return lignes_.at(i_); }

private:
    const ListeTexte& lignes_;
    qsizetype i_ = 0;
};

// The item of the list whose text equals the line, case ignored; empty when
// none does.
QString itemDe(const QStringList& items, const QString& ligne)
{
    for (const QString& item : items)
        if (item.compare(ligne, Qt::CaseInsensitive) == 0)
            return item;
    return {};
}

// The marked positions up to the marker; each must be an entry of the list.
QList<qsizetype> positions(Lecture& lecture, const QString& marqueur, int nombre)
{
    QList<qsizetype> marques;
    for (;;) {
        const QString& ligne = lecture.suivante();
        if (ligne == marqueur)
            return marques;
        const int i = EntierOuDefaut(ligne);
        if (i < 0 || i >= nombre)
            throw Echec(Messages::indexHorsBornes());
        marques.append(i);
    }
}

// The level line cut at each "-": the k-th piece goes to Niveau k (pieces
// after the third are dropped); the test for the end comes after each
// piece, so an empty line still gives one empty piece. Returns how many
// fields were set. The line is walked by position, each piece copied at
// most once: a line of any length is cut in one pass.
int coupeNiveaux(const QString& ligne, std::array<QString, 3>& niveaux)
{
    const qsizetype fin = ligne.size();
    qsizetype debut = 0;
    int k = 0;
    do {
        qsizetype tiret = ligne.indexOf(u'-', debut);
        if (tiret < 0)
            tiret = fin;
        if (k < 3)
            niveaux[static_cast<std::size_t>(k)] = ligne.mid(debut, tiret - debut);
        ++k;
        debut = tiret + 1;
    } while (debut < fin);
    return std::min(k, 3);
}

}

ListeTexte EcritFichePersonnage(const FichePersonnage& fiche)
{
    const Personnage& p = fiche.personnage;
    QStringList l;
    l.reserve(64 + fiche.competences.size() + fiche.armes.size() + fiche.notes.size());
    l << p.nom << p.race << p.sexe << p.age << p.taille << p.poids << p.classe
      << p.niveaux[0] + QLatin1Char('-') + p.niveaux[1] + QLatin1Char('-') + p.niveaux[2]
      << p.pointsDeVie << p.alignement << p.langues
      << p.force << p.intelligence << p.sagesse << p.dexterite << p.constitution << p.charisme << p.beaute;
    for (qsizetype i : fiche.competences)
        l << QString::number(i);
    l << FinDesCompetences;
    for (qsizetype i : fiche.armes)
        l << QString::number(i);
    l << FinDesArmes;
    l << fiche.specialisation;
    for (int v : fiche.talentsVoleur)
        l << QString::number(v);
    for (int n = 1; n <= NombreNiveauxSorts; ++n) {
        l << fiche.sortsDeMage[static_cast<std::size_t>(n - 1)];
        l << FinDesSorts(n);
    }
    for (AccesSphere acces : fiche.spheres)
        l << ligneSphere(acces);
    l << QString::number(fiche.notes.size());
    l << fiche.notes;
    if (!p.extra.isEmpty())
        l << DebutExtra + p.extra;
    return ListeTexte(std::move(l));
}

FichePersonnage LitFichePersonnage(const ListeTexte& lignes, int nombreCompetences, int nombreArmes)
{
    FichePersonnage fiche;
    Personnage& p = fiche.personnage;
    Lecture lecture(lignes);

    p.nom = lecture.suivante();
    p.race = itemDe(Classes::Races(), lecture.suivante());
    p.sexe = itemDe(Classes::Sexes(), lecture.suivante());
    p.age = lecture.suivante();
    p.taille = lecture.suivante();
    p.poids = lecture.suivante();
    p.classe = itemDe(Classes::Liste(), lecture.suivante());
    fiche.niveauxLus = coupeNiveaux(lecture.suivante(), p.niveaux);
    p.pointsDeVie = lecture.suivante();
    p.alignement = itemDe(Classes::Alignements(), lecture.suivante());
    p.langues = lecture.suivante();
    for (QString* c : {&p.force, &p.intelligence, &p.sagesse, &p.dexterite, &p.constitution, &p.charisme,
                       &p.beaute})
        *c = lecture.suivante();

    fiche.competences = positions(lecture, FinDesCompetences, nombreCompetences);
    fiche.armes = positions(lecture, FinDesArmes, nombreArmes);
    fiche.specialisation = lecture.suivante();
    for (int& v : fiche.talentsVoleur)
        v = EntierOuDefaut(lecture.suivante());

    for (int n = 1; n <= NombreNiveauxSorts; ++n) {
        const QString marqueur = FinDesSorts(n);
        QStringList& sorts = fiche.sortsDeMage[static_cast<std::size_t>(n - 1)];
        for (;;) {
            const QString& ligne = lecture.suivante();
            if (ligne == marqueur)
                break;
            sorts.append(ligne);
        }
    }

    for (AccesSphere& acces : fiche.spheres)
        acces = accesDe(lecture.suivante());

    const int nombreNotes = EntierOuDefaut(lecture.suivante());
    for (int i = 0; i < nombreNotes; ++i)
        fiche.notes.append(lecture.suivante());

    if (lecture.reste() && lecture.prochaine().startsWith(DebutExtra)) {
        p.extra = lecture.suivante().mid(DebutExtra.size());
        fiche.extraLu = true;
    }
    return fiche;
}

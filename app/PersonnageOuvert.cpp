#include "PersonnageOuvert.h"

#include "Armes.h"
#include "ResumeClasseRace.h"
#include "Spheres.h"

#include <QDir>
#include <QUndoCommand>

// One edit: the state before and after it. Typing in one field merges
// into the step of its run.
class PersonnageOuvert::Etape : public QUndoCommand {
public:
    Etape(PersonnageOuvert& ouvert, const QString& nom, EtatPersonnage avant, EtatPersonnage apres, int saisie)
        : QUndoCommand(nom), ouvert_(ouvert), avant_(std::move(avant)), apres_(std::move(apres)), saisie_(saisie),
          run_(ouvert.saisie_)
    {
    }

    int id() const override { return saisie_ > 0 ? saisie_ : -1; }

    bool mergeWith(const QUndoCommand* autre) override
    {
        const auto* e = static_cast<const Etape*>(autre);
        if (e->saisie_ != saisie_ || e->run_ != run_)
            return false;
        apres_ = e->apres_;
        setObsolete(apres_ == avant_);
        return true;
    }

    void undo() override { ouvert_.fixe(avant_); }
    void redo() override { ouvert_.fixe(apres_); }

private:
    PersonnageOuvert& ouvert_;
    EtatPersonnage avant_;
    EtatPersonnage apres_;
    int saisie_;
    int run_;
};

// Another character in the open one's place: its undo brings back the
// one before with its file and its saved point; the redo, the new one with
// what it was when undone (it may have been saved since).
class PersonnageOuvert::Remplacement : public QUndoCommand {
public:
    Remplacement(PersonnageOuvert& ouvert, const QString& nom, Tout apres)
        : QUndoCommand(nom), ouvert_(ouvert), avant_(ouvert.tout()), apres_(std::move(apres))
    {
    }

    void undo() override
    {
        apres_ = ouvert_.tout();
        ouvert_.remet(avant_);
    }
    void redo() override
    {
        avant_ = ouvert_.tout();
        ouvert_.remet(apres_);
    }

private:
    PersonnageOuvert& ouvert_;
    Tout avant_;
    Tout apres_;
};

PersonnageOuvert::PersonnageOuvert()
{
    historique_.setUndoLimit(0);   // the whole run: each step shares most of its value
    // An undo or a redo ends the run of typing: what is typed next is a
    // step of its own.
    connect(&historique_, &QUndoStack::indexChanged, this, [this] {
        if (!empile_)
            ++saisie_;
    });
}

PersonnageOuvert::~PersonnageOuvert()
{
    // The steps refer to this object: they go first.
    historique_.clear();
}

bool PersonnageOuvert::Modifie() const
{
    return !reference_ || etat_.fiche != *reference_;
}

EtatPersonnage PersonnageOuvert::EtatEnCours() const
{
    EtatPersonnage etat = etat_;
    if (PartOuverte)
        PartOuverte(etat);
    return etat;
}

bool PersonnageOuvert::ModifieEnCours() const
{
    return !reference_ || EtatEnCours().fiche != *reference_;
}

void PersonnageOuvert::Change(const QString& etape, const std::function<void(EtatPersonnage&)>& changement, int saisie)
{
    EtatPersonnage apres = etat_;
    changement(apres);
    if (apres == etat_)
        return;
    empile_ = true;
    historique_.push(new Etape(*this, etape, etat_, std::move(apres), saisie));
    empile_ = false;
}

void PersonnageOuvert::FinDeSaisie()
{
    ++saisie_;
}

void PersonnageOuvert::Remplace(const FichePersonnage& fiche, Origine origine, const QString& fichier,
                                bool talentsVoleurDeBase)
{
    QString nom;
    switch (origine) {
    case Origine::Nouveau: nom = QStringLiteral("Nouveau"); break;
    case Origine::Ouvrir: nom = QStringLiteral("Ouvrir"); break;
    case Origine::Reprise: nom = QStringLiteral("la reprise du personnage"); break;
    }
    Tout apres{{fiche, talentsVoleurDeBase}, fichier,
                             origine == Origine::Reprise ? std::nullopt : std::optional<FichePersonnage>(fiche)};
    ++Remplacements;
    empile_ = true;
    historique_.push(new Remplacement(*this, nom, std::move(apres)));
    empile_ = false;
    ++saisie_;
}

void PersonnageOuvert::MarqueSauve(const QString& fichier)
{
    fichier_ = fichier;
    nomChoisiDepuis_ = false;
    reference_ = etat_.fiche;
    Q_EMIT Changement();
}

void PersonnageOuvert::fixe(const EtatPersonnage& etat)
{
    etat_ = etat;
    Q_EMIT Changement();
}

PersonnageOuvert::Tout PersonnageOuvert::tout() const
{
    return {etat_, fichier_, reference_};
}

void PersonnageOuvert::remet(const Tout& tout)
{
    etat_ = tout.etat;
    fichier_ = tout.fichier;
    nomChoisiDepuis_ = false;
    reference_ = tout.reference;
    Q_EMIT Changement();
}

void PersonnageOuvert::SuitLesSorts()
{
    if (SortsDesMarques == etat_.fiche.sortsDeMage)
        return;
    Catalogue.marques = MarqueSortsDuPersonnage(Catalogue.catalogue, etat_.fiche.sortsDeMage);
    SortsDesMarques = etat_.fiche.sortsDeMage;
}

QString PersonnageOuvert::FichierDonnees(const QString& nom) const
{
    return QDir(RepertoireDonnees).filePath(nom);
}

namespace {

QStringList lignesAux(const QStringList& lignes, const QList<qsizetype>& positions)
{
    QStringList choisies;
    choisies.reserve(positions.size());
    for (const qsizetype i : positions)
        if (i >= 0 && i < lignes.size())
            choisies.append(lignes.at(i));
    return choisies;
}

}

QStringList PersonnageOuvert::LignesCompetences() const
{
    return lignesAux(Competences.competences, Fiche().competences);
}

QStringList PersonnageOuvert::LignesArmes() const
{
    return lignesAux(Armes, Fiche().armes);
}

int PersonnageOuvert::PointsCompetencesRestants() const
{
    return PointsRestants(BudgetNWP.PointsCompetences, LignesCompetences(), Competences.categories,
                          BudgetNWP.GroupesAutorises);
}

int PersonnageOuvert::PointsArmesRestants() const
{
    return PointsRestants(PointsArmes, Armes, Fiche().armes, Fiche().specialisation);
}

namespace {

ChargeurListe chargeur(const PersonnageOuvert& ouvert, const QString& nom)
{
    return [&ouvert, nom] { return ListeTexte::charge(ouvert.FichierDonnees(nom)); };
}

}

void ReconstruitNotesStandard(PersonnageOuvert& ouvert)
{
    QStringList lignes;
    try {
        ResumeClasseRace(ouvert.Fiche().personnage, ouvert.Fiche().spheres, chargeur(ouvert, QStringLiteral("comprace.dat")),
                         chargeur(ouvert, QStringLiteral("XP.dat")), lignes);
    } catch (...) {
        ouvert.NotesStandard = lignes;
        throw;
    }
    ouvert.NotesStandard = lignes;
}

void ConstruitSortsDeClerc(PersonnageOuvert& ouvert)
{
    ConstruitSortsDePretre(ouvert.Fiche().personnage, ouvert.Fiche().spheres,
                           chargeur(ouvert, QStringLiteral("sorts2.dat")),
                           chargeur(ouvert, QStringLiteral("Clercs5.dat")), ouvert.SortsDeClercParNiveau);
}

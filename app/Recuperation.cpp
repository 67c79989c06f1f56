#include "Recuperation.h"

#include "CommandesFichier.h"
#include "Echec.h"
#include "FichierPersonnage.h"
#include "PersonnageOuvert.h"
#include "Plateforme.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString Motif = QStringLiteral("personnage-*.vdl");
const QString Verrou = QStringLiteral(".verrou");

}

QString Recuperation::DossierParDefaut()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericStateLocation)).filePath(QStringLiteral("vardel"));
#else
    // The freedesktop state folder, as later Qt versions give it.
    QString etat = qEnvironmentVariable("XDG_STATE_HOME");
    if (etat.isEmpty() || QDir::isRelativePath(etat))
        etat = QDir(QStandardPaths::writableLocation(QStandardPaths::HomeLocation)).filePath(QStringLiteral(".local/state"));
    return QDir(etat).filePath(QStringLiteral("vardel"));
#endif
}

Recuperation::Recuperation(const Fenetres& f, const QString& dossier, QObject* parent)
    : QObject(parent), f_(f)
{
    QDir().mkpath(dossier);
    // A name of this copy alone: the process number, and a further number
    // when a file of that name is held by another copy, or left by one that
    // ended under the same number (it is still to be offered).
    const QString base = QStringLiteral("personnage-%1").arg(QCoreApplication::applicationPid());
    for (int n = 0; !verrou_ && n <= 100; ++n) {
        const QString nom = QDir(dossier).filePath(n == 0 ? base + QStringLiteral(".vdl")
                                                          : base + QStringLiteral("-%1.vdl").arg(n));
        if (QFile::exists(nom))
            continue;
        auto verrou = std::make_unique<QLockFile>(nom + Verrou);
        verrou->setStaleLockTime(0);
        if (verrou->tryLock(0)) {
            fichier_ = nom;
            verrou_ = std::move(verrou);
        }
    }
    // A folder where no lock can be taken: nothing is kept.
    minuteur_.setSingleShot(true);
    minuteur_.setInterval(Delai);
    connect(&minuteur_, &QTimer::timeout, this, &Recuperation::Ecrit);
    f_.Ouvert->Change = [this] { Signale(); };
}

Recuperation::~Recuperation()
{
    if (f_.Ouvert)
        f_.Ouvert->Change = nullptr;
}

void Recuperation::Signale()
{
    if (!f_.Ouvert->Modifie)
        Supprime();
    else if (!minuteur_.isActive())
        minuteur_.start();
}

void Recuperation::Ecrit()
{
    minuteur_.stop();
    if (fichier_.isEmpty())
        return;
    if (!f_.Ouvert->Modifie) {
        Supprime();
        return;
    }
    // Written beside, then renamed: a crash while writing leaves the
    // previous file whole. A failure says nothing: the user is typing, and
    // the next change tries again.
    try {
        EcritFichePersonnage(f_.Ouvert->Fiche).sauve(fichier_);
    } catch (const Echec&) {
    }
}

void Recuperation::Supprime()
{
    minuteur_.stop();
    if (!fichier_.isEmpty())
        QFile::remove(fichier_);
}

bool ProposeRecuperations(const Fenetres& f, const QString& dossier)
{
    const QDir d(dossier);
    // The locks that copies ended without a file left behind: gone.
    for (const QString& nom : d.entryList({Motif + Verrou}, QDir::Files | QDir::Hidden)) {
        const QString chemin = d.filePath(nom);
        if (QFile::exists(chemin.chopped(Verrou.size())))
            continue;
        QLockFile verrou(chemin);
        verrou.setStaleLockTime(0);
        if (verrou.tryLock(0))
            verrou.unlock();
    }
    for (const QString& nom : d.entryList({Motif}, QDir::Files, QDir::Name)) {
        const QString chemin = d.filePath(nom);
        QLockFile verrou(chemin + Verrou);
        verrou.setStaleLockTime(0);
        if (!verrou.tryLock(0))
            continue;   // the file of a copy that is running
        const Bouton reponse = boite(GenreBoite::Confirmation,
                                     QStringLiteral("Un personnage non sauvé a été retrouvé. Le reprendre ?"),
                                     {Bouton::Oui, Bouton::Non});
        if (reponse != Bouton::Oui) {
            QFile::remove(chemin);
            continue;
        }
        PersonnageOuvert& ouvert = *f.Ouvert;
        try {
            const FichePersonnage fiche = LitFichePersonnage(
                ListeTexte::charge(chemin), ouvert.Competences.competences.size(), ouvert.Armes.size());
            AppliqueFiche(f, fiche);
        } catch (const Echec& e) {
            const QString aCote = chemin + QStringLiteral(".abime");
            QFile::remove(aCote);
            QFile::rename(chemin, aCote);
            boite(GenreBoite::Erreur,
                  QStringLiteral("Le personnage retrouvé ne peut être repris (") + e.texte()
                      + QStringLiteral(") : il est mis de côté dans ") + aCote,
                  {Bouton::OK});
            continue;
        }
        QFile::remove(chemin);
        ouvert.Noms.sauvegarde.clear();
        ouvert.TalentsVoleurDeBase = false;
        ouvert.Modifie = true;
        ExecuteCommande([&] { ReconstruitNotesStandard(ouvert); });
        ouvert.Signale();
        return true;
    }
    return false;
}

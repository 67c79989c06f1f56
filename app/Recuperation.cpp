#include "Recuperation.h"

#include "CommandesFichier.h"
#include "Echec.h"
#include "ExplicationEchec.h"
#include "FichierPersonnage.h"
#include "PersonnageOuvert.h"
#include "Plateforme.h"
#include "VerrouDeCopie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <cstdio>

namespace {

const QString Motif = QStringLiteral("personnage-*.vdl");
const QString Verrou = QStringLiteral(".verrou");

// The lines after the character: a marker, then what a restore needs.
const QString MarqueReprise = QStringLiteral("Reprise de Vardel");
const QString DebutTalentsDeBase = QStringLiteral("Talents de voleur de base : ");
const QString DebutFichier = QStringLiteral("Fichier : ");

struct Reprise {
    bool talentsVoleurDeBase = false;
    QString fichier;
};

ListeTexte lignesDeSecours(const PersonnageOuvert& ouvert)
{
    const EtatPersonnage etat = ouvert.EtatEnCours();
    ListeTexte lignes = EcritFichePersonnage(etat.fiche);
    lignes.append(MarqueReprise);
    lignes.append(DebutTalentsDeBase + (etat.talentsVoleurDeBase ? QStringLiteral("1") : QStringLiteral("0")));
    // Any name a file may have, in the letters the file can hold.
    lignes.append(DebutFichier + QString::fromLatin1(QUrl::toPercentEncoding(ouvert.Fichier())));
    return lignes;
}

// What follows the character in a recovery file: its last three lines.
// A file written before they were kept has none: its thief values are
// still the bases when they are all 0, as a dialog never opened leaves them.
Reprise repriseDe(const ListeTexte& lignes, const FichePersonnage& fiche)
{
    Reprise r;
    const QStringList& l = lignes.lignes();
    const qsizetype n = l.size();
    if (n >= 3 && l[n - 3] == MarqueReprise && l[n - 2].startsWith(DebutTalentsDeBase)
        && l[n - 1].startsWith(DebutFichier)) {
        r.talentsVoleurDeBase = l[n - 2].mid(DebutTalentsDeBase.size()) == QLatin1String("1");
        r.fichier = QUrl::fromPercentEncoding(l[n - 1].mid(DebutFichier.size()).toLatin1());
    } else {
        r.talentsVoleurDeBase = std::all_of(fiche.talentsVoleur.begin(), fiche.talentsVoleur.end(),
                                            [](int v) { return v == 0; });
    }
    return r;
}

// A file of its own, named at random: no other copy, living or dead, can
// hold that name.
QString nouveauNom(const QDir& dossier)
{
    QString nom;
    do {
        nom = dossier.filePath(QStringLiteral("personnage-%1.vdl")
                                   .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0')));
    } while (QFile::exists(nom) || QFile::exists(nom + Verrou));
    return nom;
}

// A file that cannot be taken back is renamed beside, and the user told
// why, its first line the failure, its second which file.
void metDeCote(const QString& chemin, const QString& raison, const QString& detail)
{
    const QString aCote = chemin + QStringLiteral(".abime");
    QFile::remove(aCote);
    QFile::rename(chemin, aCote);
    boite(GenreBoite::Erreur,
          QStringLiteral("Le personnage retrouvé ne peut être repris (") + raison
              + QStringLiteral(") : il est mis de côté dans ") + aCote + u'\n' + detail,
          {Bouton::OK});
}

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

QString MessageRecuperationImpossible(const QString& dossier)
{
    return QStringLiteral("Le fichier de secours ne peut être écrit dans ") + QDir::toNativeSeparators(dossier)
           + QStringLiteral(" : un arrêt brutal ferait perdre les modifications non sauvées.");
}

Recuperation::Recuperation(const Fenetres& f, const QString& dossier, QObject* parent)
    : QObject(parent), f_(f), dossier_(dossier)
{
    if (QDir().mkpath(dossier)) {
        const QString nom = nouveauNom(QDir(dossier));
        auto verrou = std::make_unique<VerrouDeCopie>(nom + Verrou);
        if (verrou->prend()) {
            fichier_ = nom;
            verrou_ = std::move(verrou);
        }
    }
    // Without a lock, nothing is kept: the program says so once its window
    // is up (AvertitSiIndisponible).
    minuteur_.setSingleShot(true);
    minuteur_.setInterval(Delai);
    connect(&minuteur_, &QTimer::timeout, this, &Recuperation::Ecrit);
    connect(f_.Ouvert.get(), &PersonnageOuvert::Changement, this, &Recuperation::Signale);
}

Recuperation::~Recuperation()
{
    // A copy that ends leaves no lock behind: a file it left is free to be
    // offered.
    if (verrou_)
        verrou_->rend(true);
}

bool Recuperation::Disponible() const
{
    return verrou_ && verrou_->tenu();
}

void Recuperation::AvertitSiIndisponible()
{
    if (!Disponible())
        avertit();
}

void Recuperation::avertit()
{
    if (averti_)
        return;
    averti_ = true;
    const QString message = MessageRecuperationImpossible(dossier_);
    const QByteArray octets = (QStringLiteral("vardel : ") + message + u'\n').toLocal8Bit();
    std::fwrite(octets.constData(), 1, static_cast<std::size_t>(octets.size()), stderr);
    boite(GenreBoite::Avertissement, message, {Bouton::OK});
}

void Recuperation::Signale()
{
    if (!f_.Ouvert->ModifieEnCours())
        Supprime();
    else if (!minuteur_.isActive())
        minuteur_.start();
}

bool Recuperation::Ecrit()
{
    minuteur_.stop();
    if (!Disponible())
        return false;
    if (!f_.Ouvert->ModifieEnCours()) {
        Supprime();
        return true;
    }
    // Written beside, then renamed: a crash while writing leaves the
    // previous file whole.
    try {
        lignesDeSecours(*f_.Ouvert).sauve(fichier_);
    } catch (const Echec&) {
        avertit();
        return false;
    }
    return true;
}

void Recuperation::Supprime()
{
    minuteur_.stop();
    if (!fichier_.isEmpty())
        QFile::remove(fichier_);
}

bool ProposeRecuperations(const Fenetres& f, Recuperation& recuperation, const QString& dossier)
{
    const QDir d(dossier);
    // The locks that copies ended without a file left behind: gone.
    for (const QString& nom : d.entryList({Motif + Verrou}, QDir::Files | QDir::Hidden)) {
        const QString chemin = d.filePath(nom);
        if (QFile::exists(chemin.chopped(Verrou.size())))
            continue;
        VerrouDeCopie verrou(chemin);
        if (verrou.prend())
            verrou.rend(true);
    }
    bool repris = false;
    int enAttente = 0;
    for (const QString& nom : d.entryList({Motif}, QDir::Files, QDir::Time)) {
        const QString chemin = d.filePath(nom);
        if (chemin == recuperation.Fichier())
            continue;
        VerrouDeCopie verrou(chemin + Verrou);
        if (!verrou.prend())
            continue;   // the file of a copy that is running
        if (repris) {
            ++enAttente;
            continue;
        }
        const qint64 taille = QFileInfo(chemin).size();
        if (taille > Recuperation::TailleMaximale) {
            metDeCote(chemin, QStringLiteral("fichier trop grand"),
                      QStringLiteral("« ") + QDir::toNativeSeparators(chemin) + QStringLiteral(" » fait ")
                          + QString::number(taille / (1024 * 1024))
                          + QStringLiteral(" Mo : aucun personnage n'est si grand."));
            verrou.rend(true);
            continue;
        }
        const Bouton reponse = boite(GenreBoite::Confirmation,
                                     QStringLiteral("Un personnage non sauvé a été retrouvé. Le reprendre ?"),
                                     {Bouton::Oui, Bouton::Non});
        if (reponse != Bouton::Oui) {
            QFile::remove(chemin);
            verrou.rend(true);
            continue;
        }
        PersonnageOuvert& ouvert = *f.Ouvert;
        FichePersonnage fiche;
        Reprise reprise;
        try {
            const ListeTexte lignes = ListeTexte::charge(chemin);
            fiche = LitFichePersonnage(lignes, ouvert.Competences.competences.size(), ouvert.Armes.size());
            reprise = repriseDe(lignes, fiche);
        } catch (const Echec& e) {
            const QStringList texte = Explique(e, chemin, QStringLiteral("un personnage Vardel")).texte().split(u'\n');
            metDeCote(chemin, texte.value(0), texte.value(1));
            verrou.rend(true);
            continue;
        }
        AppliqueFiche(f, fiche, PersonnageOuvert::Origine::Reprise, reprise.fichier, reprise.talentsVoleurDeBase);
        ExecuteCommande([&] { ReconstruitNotesStandard(ouvert); });
        // The character lives in this copy's file before the old one goes:
        // a crash now still finds it. When it cannot be written there, the
        // old file stays, to be offered again.
        if (recuperation.Ecrit()) {
            QFile::remove(chemin);
            verrou.rend(true);
        }
        repris = true;
    }
    if (enAttente > 0)
        boite(GenreBoite::Information,
              enAttente == 1 ? QStringLiteral("Un autre personnage non sauvé a été retrouvé : il sera proposé "
                                              "au prochain démarrage de Vardel.")
                             : QString::number(enAttente) + QStringLiteral(" autres personnages non sauvés ont été "
                                                                           "retrouvés : ils seront proposés au "
                                                                           "prochain démarrage de Vardel."),
              {Bouton::OK});
    return repris;
}

#include "Commandes.h"
#include "CommandesFichier.h"
#include "Fenetres.h"
#include "LigneDeCommande.h"
#include "Niveaux.h"
#include "Plateforme.h"
#include "PersonnagesRecents.h"
#include "Polices.h"
#include "Recuperation.h"
#include "RepertoireDonnees.h"
#include "UnitPerso.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <cstdio>

namespace {

void ecrit(std::FILE* flux, const QString& texte)
{
    const QByteArray octets = texte.toLocal8Bit();
    std::fwrite(octets.constData(), 1, static_cast<std::size_t>(octets.size()), flux);
}

}

int main(int argc, char* argv[])
{
    // The command line first: the help and the version need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString programme = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    const LigneDeCommande ligne = LitLigneDeCommande(arguments);
    switch (ligne.demande) {
    case LigneDeCommande::Demande::Aide: ecrit(stdout, TexteAide(programme)); return 0;
    case LigneDeCommande::Demande::Version: ecrit(stdout, TexteVersion()); return 0;
    case LigneDeCommande::Demande::Erreur:
        ecrit(stderr, programme + QStringLiteral(" : ") + ligne.message + QStringLiteral("\n") + TexteAide(programme));
        return 2;
    case LigneDeCommande::Demande::Lancer: break;
    }

    QApplication application(argc, argv);
    // Each run rolls its own dice.
    Hasard::Seme();
    QApplication::setApplicationName(QStringLiteral("Vardel"));
    QApplication::setApplicationVersion(QStringLiteral(VARDEL_VERSION));
    // The desktop links the window to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.vardel.Vardel"));
    InstallePolices();
    // The toolkit's own dialogs (print, files) speak French too, when its
    // translations are installed.
    QTranslator traductionQt;
    if (traductionQt.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    // The data: the working directory when it holds them, else the installed
    // folder beside the program. Without them no sheet could be printed nor
    // any choice made: say where they were looked for, and stop.
    const QString travail = QDir::currentPath();
    const QString donnees = ChoisitRepertoireDonnees(travail, QCoreApplication::applicationDirPath());
    if (donnees.isEmpty()) {
        boite(GenreBoite::Erreur, MessageDonneesIntrouvables(travail, QCoreApplication::applicationDirPath()),
              {Bouton::OK});
        return 1;
    }
    // The file given on the command line, named from where it was given.
    const QString fichier = ligne.fichier.isEmpty() ? QString() : QFileInfo(ligne.fichier).absoluteFilePath();

    // The main window on the data folder; the files read at start are read
    // there ("Mage.mag" there, or the installed one). The working directory
    // stays the user's, where the file dialogs start.
    TPersoForm persoForm(donnees);
    const Fenetres f = CreeFenetres(persoForm);

    // The recent characters, the only settings kept.
    QSettings reglages(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vardel"), QStringLiteral("vardel"));
    GardeRecentsDans(f, reglages);

    // The recovery file of this copy; those that copies ended by a crash
    // left are offered first.
    const QString dossierRecuperation = Recuperation::DossierParDefaut();
    Recuperation recuperation(f, dossierRecuperation);

    persoForm.showMaximized();
    recuperation.AvertitSiIndisponible();
    ProposeRecuperations(f, recuperation, dossierRecuperation);
    // After a character brought back, the question comes first.
    if (!fichier.isEmpty())
        ExecuteCommande([&] { OuvreFichierDonne(f, fichier); });
    const int code = QApplication::exec();
    // Ended by the user: the character was saved, or given up.
    recuperation.Supprime();
    return code;
}

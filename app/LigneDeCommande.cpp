#include "LigneDeCommande.h"

LigneDeCommande LitLigneDeCommande(const QStringList& arguments)
{
    LigneDeCommande l;
    bool finDesOptions = false;
    for (const QString& a : arguments) {
        if (!finDesOptions && a == QLatin1String("--")) {
            finDesOptions = true;
        } else if (!finDesOptions && (a == QLatin1String("--help") || a == QLatin1String("-h") || a == QLatin1String("--aide"))) {
            return {LigneDeCommande::Demande::Aide, {}, {}};
        } else if (!finDesOptions && (a == QLatin1String("--version") || a == QLatin1String("-v"))) {
            return {LigneDeCommande::Demande::Version, {}, {}};
        } else if (!finDesOptions && a.startsWith(u'-') && a.size() > 1) {
            return {LigneDeCommande::Demande::Erreur, {}, QStringLiteral("Option inconnue : ") + a};
        } else if (l.fichier.isEmpty()) {
            l.fichier = a;
        } else {
            return {LigneDeCommande::Demande::Erreur, {}, QStringLiteral("Un seul fichier personnage à la fois : ") + a};
        }
    }
    return l;
}

QString TexteAide(const QString& programme)
{
    return QStringLiteral("Utilisation : ") + programme + QStringLiteral(" [options] [--] [fichier.vdl | fichier.mag]\n"
        "Éditeur et générateur de feuilles de personnage.\n"
        "\n"
        "Arguments :\n"
        "  fichier.vdl     le personnage à ouvrir au démarrage\n"
        "  fichier.mag     un catalogue de sorts de mage à ouvrir au démarrage\n"
        "\n"
        "Options :\n"
        "  -h, --help      affiche cette aide et s'arrête\n"
        "  -v, --version   affiche la version et s'arrête\n"
        "  --              termine les options : ce qui suit est un nom de fichier,\n"
        "                  même s'il commence par un tiret\n"
        "\n"
        "Les fichiers de données sont lus dans le dossier de travail quand il les contient,\n"
        "sinon dans le dossier d'installation (share/vardel).\n");
}

QString TexteVersion()
{
    return QStringLiteral("Vardel ") + QStringLiteral(VARDEL_VERSION) + QLatin1Char('\n');
}

#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

// The thin layer over the platform's message boxes, file dialogs, print
// dialog and printer. Windows never call QMessageBox, QFileDialog or
// QPrintDialog directly: they go through the installed Plateforme, which
// the tests replace by a scripted double.

enum class GenreBoite { Avertissement, Erreur, Information, Confirmation };

enum class Bouton { Oui, Non, OK, Annuler };

using Boutons = std::initializer_list<Bouton>;

QString titreDe(GenreBoite genre);   // "Avertissement", "Erreur", ...
QString libelleDe(Bouton bouton);    // "&Oui", "&Non", "OK", "Annuler"

// An open or save file dialog. The filter is a list of entries, each a
// description and a pattern separated by "|", the entries also separated
// by "|" ("Fichiers Sorts de Mage|*.mag|Tous Fichiers|*.*"); a pattern may
// hold several masks separated by ";". The default extension ("mag", a dot
// before it is allowed) is added to a name typed without one. An empty
// title leaves the platform's own.
struct DialogueFichier {
    QString titre;
    QString filtre;
    QString extensionParDefaut;
    QString nomInitial;
};

// The same filter in the toolkit's form: one "Description (*.a *.b)" per
// entry; "*.*" becomes "*" (every file, with or without an extension).
QStringList filtresDeDialogue(const QString& filtre);

class Plateforme {
public:
    virtual ~Plateforme() = default;

    // Shows a modal box of that kind with those buttons, in that order, and
    // returns the button chosen. Closing the box without a button answers
    // the box's last button (its "cancel" in every box the program shows).
    virtual Bouton boite(GenreBoite genre, const QString& texte, const std::vector<Bouton>& boutons) = 0;

    // Asks for an existing file to open; its full name, or the empty text
    // when the user cancels.
    virtual QString fichierAOuvrir(const DialogueFichier& dialogue) = 0;
    // Asks for the name of a file to write; its full name, or the empty
    // text when the user cancels. An existing file is replaced only after
    // the user said so.
    virtual QString fichierASauver(const DialogueFichier& dialogue) = 0;

    // The print dialog on the printer below: the user picks a printer, or
    // printing to a PDF file, and the paper. True when confirmed.
    virtual bool dialogueImpression() = 0;
    // The printer the pages are drawn on, as the last print dialog left it
    // (A4 until the user chooses another paper).
    virtual QPrinter& imprimante() = 0;
};

// The failure of a printer: "Ne peut créer le fichier " + the file's name
// for printing to a file, "Ne peut imprimer sur " + the printer's name
// otherwise.
QString EchecImpression(const QPrinter& imprimante);

// Sets a printer as Vardel prints: at the printer's own resolution, the
// document "Personnage de Vardel", A4, margins of 5 mm.
void PrepareImprimante(QPrinter& imprimante);

// A PDF file of that name, set up as the printer is when the print dialog
// prints to a file.
std::unique_ptr<QPrinter> ImprimantePDF(const QString& fichier);

// Begins a document with that title on the printer, which also begins its
// first page, with `peintre` drawing on it. A printer that cannot begin
// throws Echec (EchecImpression).
void CommenceDocument(QPainter& peintre, QPrinter& imprimante, const QString& titre);
// Ends the document; a printer that cannot finish it throws the same way.
void FinitDocument(QPainter& peintre, QPrinter& imprimante);

// The installed platform; the real one unless a test installed another.
Plateforme& plateforme();
// Installs another platform (a test double) and returns the previous one.
std::unique_ptr<Plateforme> installePlateforme(std::unique_ptr<Plateforme> p);

// Shortcut for the common case.
inline Bouton boite(GenreBoite genre, const QString& texte, std::vector<Bouton> boutons)
{
    return plateforme().boite(genre, texte, boutons);
}

// Runs one command to its end. A failure it meets (Echec, or any other
// exception) ends the command and is shown in an error box with its text;
// what was done before the failure stays done. Nothing crosses the event
// loop.
void ExecuteCommande(const std::function<void()>& commande);

#include "TravauxImpression.h"

#include "Fenetres.h"
#include "ImpressionFiche.h"
#include "PersonnageOuvert.h"
#include "Plateforme.h"
#include "UnitFormPreview.h"
#include "UnitPerso.h"
#include "Verifications.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <functional>

DonneesImpression DonneesDImpression(const PersonnageOuvert& ouvert)
{
    const FichePersonnage& fiche = ouvert.Fiche();
    DonneesImpression d;
    d.Perso = fiche.personnage;
    d.RepertoireDonnees = ouvert.RepertoireDonnees;
    d.Ajustements = ouvert.Ajustements;
    d.JetsDeProtection = ouvert.JetsDeProtection;
    d.TalentsVoleur = fiche.talentsVoleur;
    d.Competences = ouvert.LignesCompetences();
    d.PointsCompetences = ouvert.PointsCompetencesRestants();
    d.Armes = ouvert.LignesArmes();
    d.PointsArmes = ouvert.PointsArmesRestants();
    d.Specialisation = fiche.specialisation;
    d.Spheres = fiche.spheres;
    d.NotesStandard = ouvert.NotesStandard;
    d.Notes = fiche.notes;
    for (int niveau = 1; niveau <= NombreNiveauxSorts; ++niveau)
        d.SortsDeMage[std::size_t(niveau - 1)] = SortsMarques(ouvert.Catalogue, niveau);
    d.SortsDeMageParNiveau = fiche.sortsDeMage;
    d.ChanceApprentissage = ChanceApprentissageDe(d.Perso);
    d.SortsDeClercParNiveau = ouvert.SortsDeClercParNiveau;
    return d;
}

void RendDonneesImpression(const DonneesImpression& donnees, PersonnageOuvert& ouvert)
{
    ouvert.Ajustements = donnees.Ajustements;
    ouvert.JetsDeProtection = donnees.JetsDeProtection;
    ouvert.SortsDeClercParNiveau = donnees.SortsDeClercParNiveau;
    ouvert.NotesStandard = donnees.NotesStandard;
}

namespace {

// Draws on the print data of the character as it is now; what the drawing
// refreshed goes back to it, also when it fails halfway.
void surLesDonnees(PersonnageOuvert& ouvert, const std::function<void(DonneesImpression&)>& dessine)
{
    DonneesImpression d = DonneesDImpression(ouvert);
    try {
        dessine(d);
    } catch (...) {
        RendDonneesImpression(d, ouvert);
        throw;
    }
    RendDonneesImpression(d, ouvert);
}

void imprime(const Fenetres& f)
{
    surLesDonnees(*f.Ouvert, [&f](DonneesImpression& d) { ImprimeFiche(f.FormChoixImpression(), d); });
}

}

void TravailImpression(const Fenetres& f)
{
    // "Annuler" in the print dialog ends the command: nothing is checked
    // nor printed.
    if (!plateforme().dialogueImpression())
        return;
    if (!f.PersoForm->verifieOuSignale(Verifications::VerifieSaisie))
        return;
    imprime(f);
}

void TravailApercu(const Fenetres& f)
{
    TFormPreview& apercu = f.FormPreview();
    const int resultat = apercu.Montre(DonneesDImpression(*f.Ouvert));
    RendDonneesImpression(apercu.Donnees, *f.Ouvert);
    if (resultat == QDialog::Accepted)
        imprime(f);
}

DialogueFichier DialogueExportPDF(const QString& nom)
{
    return {QStringLiteral("Exporter la fiche en PDF"), QStringLiteral("Fichiers PDF (*.pdf)|*.pdf"),
            QStringLiteral("pdf"), nom};
}

void TravailExportPDF(const Fenetres& f)
{
    PersonnageOuvert& ouvert = *f.Ouvert;
    surLesDonnees(ouvert, [&](DonneesImpression& d) {
        const std::optional<PagesChoisies> pages = ChoisitPages(f.FormChoixImpression(), d.Perso);
        if (!pages)
            return;
        // The character's name, without what a file name cannot hold.
        QString nom = ouvert.Fiche().personnage.nom.trimmed();
        nom.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("-"));
        if (!nom.isEmpty())
            nom += QStringLiteral(".pdf");
        if (!ouvert.Noms.pdf.isEmpty())
            nom = QFileInfo(ouvert.Noms.pdf).dir().filePath(nom.isEmpty() ? QFileInfo(ouvert.Noms.pdf).fileName() : nom);
        const QString fichier = plateforme().fichierASauver(DialogueExportPDF(nom));
        if (fichier.isEmpty())
            return;
        ouvert.Noms.pdf = fichier;
        ImprimeDocument(*ImprimantePDF(fichier), *pages, d);
    });
}

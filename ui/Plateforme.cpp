#include "Plateforme.h"

#include "Echec.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

QString titreDe(GenreBoite genre)
{
    switch (genre) {
    case GenreBoite::Avertissement: return QStringLiteral("Avertissement");
    case GenreBoite::Erreur: return QStringLiteral("Erreur");
    case GenreBoite::Information: return QStringLiteral("Information");
    case GenreBoite::Confirmation: return QStringLiteral("Confirmation");
    }
    return {};
}

QString libelleDe(Bouton bouton)
{
    switch (bouton) {
    case Bouton::Oui: return QStringLiteral("&Oui");
    case Bouton::Non: return QStringLiteral("&Non");
    case Bouton::OK: return QStringLiteral("OK");
    case Bouton::Annuler: return QStringLiteral("Annuler");
    }
    return {};
}

QStringList filtresDeDialogue(const QString& filtre)
{
    QStringList filtres;
    const QStringList morceaux = filtre.split(u'|');
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2) {
        QStringList masques;
        for (const QString& m : morceaux[i + 1].split(u';', Qt::SkipEmptyParts))
            masques.append(m.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : m.trimmed());
        const QString motifs = masques.join(u' ');
        QString description = morceaux[i].trimmed();
        // A description that already shows its masks keeps its own words.
        if (!description.endsWith(QLatin1Char('(') + motifs + QLatin1Char(')')))
            description += QStringLiteral(" (") + motifs + QLatin1Char(')');
        filtres.append(description);
    }
    return filtres;
}

namespace {

QString sansPoint(const QString& extension)
{
    return extension.startsWith(u'.') ? extension.mid(1) : extension;
}

// The name typed, with the default extension when it has none.
QString avecExtension(const QString& nom, const QString& extension)
{
    const QString e = sansPoint(extension);
    if (nom.isEmpty() || e.isEmpty() || QFileInfo(nom).fileName().contains(u'.'))
        return nom;
    return nom + QLatin1Char('.') + e;
}

void prepareDialogue(QFileDialog& d, const DialogueFichier& dialogue)
{
    const QStringList filtres = filtresDeDialogue(dialogue.filtre);
    if (!filtres.isEmpty())
        d.setNameFilters(filtres);
    d.setDefaultSuffix(sansPoint(dialogue.extensionParDefaut));
    if (!dialogue.nomInitial.isEmpty())
        d.selectFile(dialogue.nomInitial);
}

class PlateformeQt : public Plateforme {
public:
    Bouton boite(GenreBoite genre, const QString& texte, const std::vector<Bouton>& boutons) override
    {
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        switch (genre) {
        case GenreBoite::Avertissement: icone = QMessageBox::Warning; break;
        case GenreBoite::Erreur: icone = QMessageBox::Critical; break;
        case GenreBoite::Information: icone = QMessageBox::Information; break;
        case GenreBoite::Confirmation: icone = QMessageBox::Question; break;
        }
        QMessageBox box(icone, titreDe(genre), texte, QMessageBox::NoButton, QApplication::activeWindow());
        std::vector<std::pair<QPushButton*, Bouton>> poussoirs;
        for (Bouton b : boutons) {
            const auto role = (b == Bouton::Annuler) ? QMessageBox::RejectRole
                            : (b == Bouton::Non)     ? QMessageBox::NoRole
                                                     : QMessageBox::AcceptRole;
            poussoirs.emplace_back(box.addButton(libelleDe(b), role), b);
        }
        if (!poussoirs.empty()) {
            box.setDefaultButton(poussoirs.front().first);
            box.setEscapeButton(poussoirs.back().first);
        }
        box.exec();
        for (const auto& [poussoir, b] : poussoirs)
            if (box.clickedButton() == poussoir)
                return b;
        return boutons.empty() ? Bouton::OK : boutons.back();
    }

    QString fichierAOuvrir(const DialogueFichier& dialogue) override
    {
        QFileDialog d(QApplication::activeWindow(),
                      dialogue.titre.isEmpty() ? QStringLiteral("Ouvrir") : dialogue.titre);
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(QFileDialog::ExistingFile);
        prepareDialogue(d, dialogue);
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
            return {};
        return d.selectedFiles().constFirst();
    }

    QString fichierASauver(const DialogueFichier& dialogue) override
    {
        QFileDialog d(QApplication::activeWindow(),
                      dialogue.titre.isEmpty() ? QStringLiteral("Enregistrer sous") : dialogue.titre);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        // The question before replacing a file is asked here, in French.
        d.setOption(QFileDialog::DontConfirmOverwrite, true);
        prepareDialogue(d, dialogue);
        for (;;) {
            if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
                return {};
            const QString nom = avecExtension(d.selectedFiles().constFirst(), dialogue.extensionParDefaut);
            if (!QFileInfo::exists(nom))
                return nom;
            const QString question = QDir::toNativeSeparators(nom)
                                   + QStringLiteral(" existe déjà.\nVoulez-vous le remplacer ?");
            if (boite(GenreBoite::Confirmation, question, {Bouton::Oui, Bouton::Non}) == Bouton::Oui)
                return nom;
            d.selectFile(nom);
        }
    }

    bool dialogueImpression() override
    {
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            boite(GenreBoite::Avertissement,
                  QStringLiteral("Aucune imprimante n'est installée : seule l'impression dans un fichier PDF est possible."),
                  {Bouton::OK});
        QPrintDialog d(&imprimante(), QApplication::activeWindow());
        // The document is made of whole page kinds, chosen afterwards: no
        // range, selection or current page to pick here.
        d.setOption(QAbstractPrintDialog::PrintPageRange, false);
        d.setOption(QAbstractPrintDialog::PrintSelection, false);
        d.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        d.setOption(QAbstractPrintDialog::PrintToFile, true);
        return d.exec() == QDialog::Accepted;
    }

    QPrinter& imprimante() override
    {
        auto& p = imprimanteQt();
        if (!p) {
            // At the printer's own resolution, on A4 until the user chooses
            // otherwise; a file gets margins about those of a printer.
            p = std::make_unique<QPrinter>(QPrinter::HighResolution);
            PrepareImprimante(*p);
            // The printer goes with the application, not after it.
            qAddPostRoutine([] { imprimanteQt().reset(); });
        }
        return *p;
    }

private:
    static std::unique_ptr<QPrinter>& imprimanteQt()
    {
        static std::unique_ptr<QPrinter> p;
        return p;
    }
};

std::unique_ptr<Plateforme>& installee()
{
    static std::unique_ptr<Plateforme> p = std::make_unique<PlateformeQt>();
    return p;
}

}

Plateforme& plateforme()
{
    return *installee();
}

std::unique_ptr<Plateforme> installePlateforme(std::unique_ptr<Plateforme> p)
{
    std::swap(installee(), p);
    return p;
}

void PrepareImprimante(QPrinter& imprimante)
{
    imprimante.setDocName(QStringLiteral("Personnage de Vardel"));
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    imprimante.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
}

std::unique_ptr<QPrinter> ImprimantePDF(const QString& fichier)
{
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrepareImprimante(*pdf);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(fichier);
    return pdf;
}

QString EchecImpression(const QPrinter& imprimante)
{
    if (imprimante.outputFormat() == QPrinter::PdfFormat)
        return Messages::nePeutCreer(QDir::toNativeSeparators(imprimante.outputFileName()));
    return QStringLiteral("Ne peut imprimer sur ") + imprimante.printerName();
}

void CommenceDocument(QPainter& peintre, QPrinter& imprimante, const QString& titre)
{
    imprimante.setDocName(titre);
    if (!peintre.begin(&imprimante))
        throw Echec(EchecImpression(imprimante));
}

void FinitDocument(QPainter& peintre, QPrinter& imprimante)
{
    if (!peintre.end() || imprimante.printerState() == QPrinter::Error)
        throw Echec(EchecImpression(imprimante));
}

void ExecuteCommande(const std::function<void()>& commande)
{
    try {
        commande();
    } catch (const Echec& e) {
        boite(GenreBoite::Erreur, e.texte(), {Bouton::OK});
    } catch (const std::exception& e) {
        boite(GenreBoite::Erreur, QString::fromUtf8(e.what()), {Bouton::OK});
    }
}

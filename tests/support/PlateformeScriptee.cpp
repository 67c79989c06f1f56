#include "PlateformeScriptee.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>

namespace {

// The printer of the tests: a PDF file, which can be made to refuse its
// new pages from a given one on, as a printer out of paper does.
class ImprimanteScriptee : public QPrinter {
public:
    explicit ImprimanteScriptee(const int& pagesAccordees)
        : QPrinter(QPrinter::HighResolution), pagesAccordees_(pagesAccordees) {}
    bool newPage() override
    {
        if (pagesAccordees_ >= 0 && ++nouvelles_ > pagesAccordees_)
            return false;
        return QPrinter::newPage();
    }
    void recommence() { nouvelles_ = 0; }

private:
    const int& pagesAccordees_;
    int nouvelles_ = 0;
};

}

PlateformeScriptee::PlateformeScriptee() = default;
PlateformeScriptee::~PlateformeScriptee() = default;

Bouton PlateformeScriptee::boite(GenreBoite genre, const QString& texte, const std::vector<Bouton>& boutons)
{
    boites.push_back({genre, texte, boutons});
    if (!reponses.empty()) {
        const Bouton b = reponses.front();
        reponses.pop_front();
        return b;
    }
    return boutons.empty() ? Bouton::OK : boutons.front();
}

namespace {

QString prochain(std::deque<QString>& fichiers)
{
    if (fichiers.empty())
        return {};
    QString nom = fichiers.front();
    fichiers.pop_front();
    return nom;
}

}

QString PlateformeScriptee::fichierAOuvrir(const DialogueFichier& dialogue)
{
    dialogues.push_back({false, dialogue});
    return prochain(fichiers);
}

QString PlateformeScriptee::fichierASauver(const DialogueFichier& dialogue)
{
    dialogues.push_back({true, dialogue});
    return prochain(fichiers);
}

bool PlateformeScriptee::dialogueImpression()
{
    ++dialoguesImpression;
    if (reponsesImpression.empty())
        return true;
    const bool confirme = reponsesImpression.front();
    reponsesImpression.pop_front();
    return confirme;
}

QString PlateformeScriptee::fichierImprime() const
{
    return dossierImpression_.filePath(QStringLiteral("impression.pdf"));
}

QPrinter& PlateformeScriptee::imprimante()
{
    if (!imprimante_) {
        // Set up as the real printer is, printing to a file.
        imprimante_ = std::make_unique<ImprimanteScriptee>(nouvellesPagesAccordees);
        imprimante_->setOutputFormat(QPrinter::PdfFormat);
        imprimante_->setOutputFileName(fichierImprime());
        imprimante_->setPageSize(QPageSize(QPageSize::A4));
        imprimante_->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        qAddPostRoutine([] { courante().imprimante_.reset(); });
    }
    return *imprimante_;
}

PlateformeScriptee& PlateformeScriptee::courante()
{
    return static_cast<PlateformeScriptee&>(plateforme());
}

PlateformeScriptee& PlateformeScriptee::remiseAZero()
{
    auto& p = courante();
    p.reponses.clear();
    p.boites.clear();
    p.fichiers.clear();
    p.dialogues.clear();
    p.reponsesImpression.clear();
    p.dialoguesImpression = 0;
    p.nouvellesPagesAccordees = -1;
    if (p.imprimante_)
        static_cast<ImprimanteScriptee&>(*p.imprimante_).recommence();
    QFile::remove(p.fichierImprime());
    return p;
}

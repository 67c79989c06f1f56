#include "UnitFormPreview.h"

#include "CanevasPeintre.h"
#include "Echec.h"
#include "Plateforme.h"
#include "PreparationFenetre.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The paint box: a white page of the preview's size that the window paints.
class PaintBox : public QWidget {
public:
    PaintBox(TFormPreview& fenetre, QWidget* parent) : QWidget(parent), fenetre_(fenetre)
    {
        setObjectName("PaintBoxPreview");
        setFixedSize(LargeurApercu, HauteurApercu);
        setAutoFillBackground(true);
        QPalette blanc = palette();
        blanc.setColor(QPalette::Window, Qt::white);
        setPalette(blanc);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter peintre(this);
        fenetre_.PaintBoxPreviewPaint(peintre);
    }

private:
    TFormPreview& fenetre_;
};

QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte, const QString& bulle)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setToolTip(bulle);
    b->setAutoDefault(false);
    b->setMinimumSize(89, 27);
    return b;
}

// A canvas that measures text as the paint box does (same resolution) and
// whose drawing nobody sees: the pages are counted on it.
class CanevasDeMesure {
public:
    explicit CanevasDeMesure(const QWidget& modele) : image_(image(modele)), peintre_(&image_), canevas_(peintre_) {}
    Canevas& canevas() { return canevas_; }

private:
    static QImage image(const QWidget& modele)
    {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(qRound(modele.logicalDpiX() / 0.0254));
        i.setDotsPerMeterY(qRound(modele.logicalDpiY() / 0.0254));
        return i;
    }
    QImage image_;
    QPainter peintre_;
    CanevasPeintre canevas_;
};

}

TFormPreview::TFormPreview(QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormPreview", QStringLiteral("Aperçu avant impression"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);

    ButtonPrecedent = bouton(this, "ButtonPrecedent", QStringLiteral("&Précédent"), QStringLiteral("Page précédente"));
    BitBtn2 = bouton(this, "BitBtn2", QStringLiteral("OK"), QStringLiteral("Retour au personnage"));
    // The default button, and the one Escape stands for.
    BitBtn2->setDefault(true);
    BitBtn3 = bouton(this, "BitBtn3", QStringLiteral("&Imprimer"), QStringLiteral("Impression du personnage"));
    BitBtn3->setIcon(QIcon(QStringLiteral(":/images/imprimer.png")));
    ButtonSuivant = bouton(this, "ButtonSuivant", QStringLiteral("&Suivant"), QStringLiteral("Page suivante"));
    connect(ButtonPrecedent, &QPushButton::clicked, this, &TFormPreview::ButtonPrecedentClick);
    connect(ButtonSuivant, &QPushButton::clicked, this, &TFormPreview::ButtonSuivantClick);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::accept);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PaintBoxPreview = new PaintBox(*this, ScrollBox1);
    ScrollBox1->setWidget(PaintBoxPreview);
    // The box scrolls over the paint box's height, 10 pixels a step.
    ScrollBox1->verticalScrollBar()->setSingleStep(10);

    auto* boutons = new QHBoxLayout;
    boutons->setSpacing(24);
    boutons->addStretch(1);
    for (QPushButton* b : {ButtonPrecedent, BitBtn2, BitBtn3, ButtonSuivant})
        boutons->addWidget(b);
    boutons->addStretch(1);
    auto* tout = new QVBoxLayout(this);
    tout->setContentsMargins(8, 8, 8, 8);
    tout->addLayout(boutons);
    tout->addWidget(ScrollBox1, 1);
    resize(LargeurApercu + 60, 700);

    PageCourante = 1;
    NombreDePages = 2;
    ButtonPrecedent->setEnabled(false);
    setWindowTitle(Titre());
}

int TFormPreview::Montre(const DonneesImpression& donnees)
{
    FormShow(donnees);
    return exec();
}

void TFormPreview::FormShow(const DonneesImpression& donnees)
{
    QWidget* principale = parentWidget();
    struct Sablier {
        QWidget* fenetre;
        explicit Sablier(QWidget* f) : fenetre(f)
        {
            if (fenetre)
                fenetre->setCursor(Qt::WaitCursor);
        }
        ~Sablier()
        {
            if (fenetre)
                fenetre->unsetCursor();
        }
    } sablier(principale);
    ButtonPrecedent->setEnabled(false);
    ButtonSuivant->setEnabled(true);
    echecMontre_ = false;
    CanevasDeMesure mesure(*PaintBoxPreview);
    Ouvre(donnees, mesure.canevas());
    setWindowTitle(Titre());
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void TFormPreview::setVisible(bool visible)
{
    // Every opening is maximised, also after the user restored the window.
    if (visible && !isVisible())
        setWindowState(windowState() | Qt::WindowMaximized);
    QDialog::setVisible(visible);
}

void TFormPreview::PaintBoxPreviewPaint(QPainter& peintre)
{
    setWindowTitle(Titre());
    CanevasPeintre canevas(peintre);
    try {
        DessinePage(canevas);
    } catch (const Echec& e) {
        signaleEchec(e.texte());
    } catch (const std::exception& e) {
        signaleEchec(QString::fromUtf8(e.what()));
    }
}

// A rule file gone since the opening: the page stays as far as it was drawn,
// and the failure is told once, after the paint (never from inside it).
void TFormPreview::signaleEchec(const QString& texte)
{
    if (echecMontre_)
        return;
    echecMontre_ = true;
    QTimer::singleShot(0, this, [texte] { boite(GenreBoite::Erreur, texte, {Bouton::OK}); });
}

void TFormPreview::ButtonPrecedentClick()
{
    PageCourante -= 1;
    if (PageCourante == 1)
        ButtonPrecedent->setEnabled(false);
    ButtonSuivant->setEnabled(true);
    PaintBoxPreview->repaint();
}

void TFormPreview::ButtonSuivantClick()
{
    PageCourante += 1;
    ButtonPrecedent->setEnabled(true);
    if (PageCourante == NombreDePages)
        ButtonSuivant->setEnabled(false);
    PaintBoxPreview->repaint();
}

#include "ControlesTalents.h"

#include "PanelReste.h"

#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int LargeurUpDown = 17;
constexpr int HauteurLigne = 25;
constexpr int LargeurPanel = 57;

}

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    auto fleche = [this](Qt::ArrowType sens, const char* nom) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(nom));
        b->setArrowType(sens);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(b, &QToolButton::clicked, this, [this, sens] { Pas(sens == Qt::UpArrow); });
        return b;
    };
    BoutonHaut = fleche(Qt::UpArrow, "BoutonHaut");
    BoutonBas = fleche(Qt::DownArrow, "BoutonBas");
    auto* colonne = new QVBoxLayout(this);
    // Room for the focus frame around the arrows.
    colonne->setContentsMargins(1, 1, 1, 1);
    colonne->setSpacing(0);
    colonne->addWidget(BoutonHaut);
    colonne->addWidget(BoutonBas);
    setFixedSize(LargeurUpDown, HauteurLigne);
}

void UpDown::FixeBornes(int min, int max)
{
    min_ = min;
    max_ = max;
}

bool UpDown::Pas(bool haut)
{
    if (haut ? position_ >= max_ : position_ <= min_)
        return false;
    position_ += haut ? 1 : -1;
    Q_EMIT Click(haut);
    return true;
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        Pas(event->key() == Qt::Key_Up);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void UpDown::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QStylePainter peintre(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    peintre.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void UpDown::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void UpDown::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

LigneTalent CreeLigneTalent(QWidget& fenetre, const QString& libelle, const QString& nomLabel,
                            const QString& nomPanel, const QString& nomUpDown)
{
    LigneTalent ligne;
    ligne.Label = new QLabel(libelle, &fenetre);
    ligne.Label->setObjectName(nomLabel);

    ligne.PanelEtSpinner = new QWidget(&fenetre);
    ligne.Panel = new QLabel(ligne.PanelEtSpinner);
    ligne.Panel->setObjectName(nomPanel);
    ligne.Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ligne.Panel->setAlignment(Qt::AlignCenter);
    ligne.Panel->setFixedSize(LargeurPanel, HauteurLigne);
    ligne.Spinner = new UpDown(ligne.PanelEtSpinner);
    ligne.Spinner->setObjectName(nomUpDown);
    ligne.Spinner->FixeBornes(MinTalent, MaxTalent);
    auto* rangee = new QHBoxLayout(ligne.PanelEtSpinner);
    rangee->setContentsMargins(0, 0, 0, 0);
    rangee->setSpacing(0);
    rangee->addWidget(ligne.Panel);
    rangee->addWidget(ligne.Spinner);

    ligne.Label->setBuddy(ligne.Spinner);
    return ligne;
}

QString TextePourcentage(int valeur)
{
    return QString::number(valeur) + QLatin1Char('%');
}

QLabel* PanelResteDesTalents(QWidget& fenetre)
{
    QLabel* panel = CreePanelReste(fenetre);
    panel->setMinimumSize(209, 41);
    return panel;
}

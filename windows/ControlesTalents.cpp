#include "ControlesTalents.h"

#include "PanelReste.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
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

// What a screen reader reads of a spinner: a spin box with its value.
class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownAccessible(UpDown* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

    UpDown* upDown() const { return static_cast<UpDown*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return TextePourcentage(upDown()->Position());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return upDown()->Position(); }
    void setCurrentValue(const QVariant& valeur) override
    {
        // Step by step, so that the points left follow.
        const int cible = valeur.toInt();
        while (upDown()->Position() != cible && upDown()->Pas(cible > upDown()->Position())) {
        }
    }
    QVariant maximumValue() const override { return upDown()->Max(); }
    QVariant minimumValue() const override { return upDown()->Min(); }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface* fabriqueUpDown(const QString& classe, QObject* objet)
{
    if (classe == QLatin1String("UpDown") && objet && objet->isWidgetType())
        return new UpDownAccessible(static_cast<UpDown*>(objet));
    return nullptr;
}

void annonceValeur(UpDown& upDown)
{
    QAccessibleValueChangeEvent evenement(&upDown, upDown.Position());
    QAccessible::updateAccessibility(&evenement);
}

}

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    static const bool fabriqueInstallee = [] {
        QAccessible::installFactory(fabriqueUpDown);
        return true;
    }();
    Q_UNUSED(fabriqueInstallee);
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
    annonceValeur(*this);
    Q_EMIT Click(haut);
    return true;
}

void UpDown::FixePosition(int position)
{
    if (position_ == position)
        return;
    position_ = position;
    annonceValeur(*this);
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
    // The label is no sibling of the spinner: it names it here.
    ligne.Spinner->setAccessibleName(libelle);
    ligne.Spinner->BoutonHaut->setAccessibleName(QStringLiteral("Augmenter ") + libelle);
    ligne.Spinner->BoutonBas->setAccessibleName(QStringLiteral("Diminuer ") + libelle);
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

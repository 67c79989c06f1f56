// The controls of the spell catalogue: its menu, its nine tabs of spell
// lists drawn by the dialog, its picture, its buttons, where the design
// places them.
#include "UnitFormSortsDeMage.h"

#include "Accessibilite.h"

#include "FichierSorts.h"

#include "Images.h"

#include "Champs.h"
#include "Collation.h"
#include "Echec.h"
#include "ListeTexte.h"
#include "PreparationFenetre.h"
#include "Selection.h"
#include "SortsDeMage.h"
#include "UnitFormPourcentage.h"
#include "UnitNouveauSortDeMage.h"

#include <QCheckBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The design: 763 x 560 with its frame and menu; the controls where the
// design puts them, below the menu.
constexpr int LargeurFond = 755;
constexpr int HauteurFond = 506;
constexpr int HauteurEntree = HauteurEntreeSort;
constexpr int TailleImage = 153;


// Each entry of a level's list is drawn by the dialog, with the current
// entry framed when the list has the focus.
class DelegueSort : public QStyledItemDelegate {
public:
    DelegueSort(const TFormSortsDeMage& form, ListeSorts* liste)
        : QStyledItemDelegate(liste), form_(form), liste_(liste)
    {
    }

    void paint(QPainter* peintre, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        peintre->save();
        peintre->setClipRect(option.rect);
        form_.DessineSort(*peintre, option.rect, liste_->niveau(), index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus) {
            peintre->setPen(QPen(liste_->palette().color(QPalette::WindowText), 1, Qt::DotLine));
            peintre->setBrush(Qt::NoBrush);
            peintre->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        peintre->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        const QSize grille = liste_->gridSize();
        return grille.isValid() ? grille : QSize(100, HauteurEntree);
    }

    // No check box of its own: the mark is the list's.
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&) override
    {
        return false;
    }

private:
    const TFormSortsDeMage& form_;
    ListeSorts* liste_;
};

}

TFormSortsDeMage::TFormSortsDeMage(QWidget* parent) : QDialog(parent)
{
    PrepareFenetre(*this, "FormSortsDeMage", QStringLiteral("Choix des sorts de Mage"));
    // Only the system menu among the title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    move(13, 10);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName("MainMenu1");
    Ouvrir1 = MainMenu1->addAction(QStringLiteral("&Ouvrir"));
    Ouvrir1->setObjectName("Ouvrir1");
    Sauver1 = MainMenu1->addAction(QStringLiteral("&Sauver"));
    Sauver1->setObjectName("Sauver1");
    connect(Ouvrir1, &QAction::triggered, this, &TFormSortsDeMage::Ouvrir1Click);
    connect(Sauver1, &QAction::triggered, this, &TFormSortsDeMage::Sauver1Click);

    auto* fond = new QWidget(this);
    fond->setObjectName("Fond");
    fond->setFixedSize(LargeurFond, HauteurFond);
    auto* mise = new QVBoxLayout(this);
    mise->setContentsMargins(0, 0, 0, 0);
    mise->setMenuBar(MainMenu1);
    mise->addWidget(fond);
    mise->setSizeConstraint(QLayout::SetFixedSize);

    PageControl1 = new QTabWidget(fond);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(8, 8, 569, 473);
    // The nine tabs side by side, without scroll arrows.
    PageControl1->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 5px; margin-right: -1px; border: 1px solid palette(mid);"
        " border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px;"
        " background: palette(button); }"
        "QTabBar::tab:selected { background: palette(window); padding-bottom: 5px; margin-bottom: -1px; }"
        "QTabBar::tab:!selected { margin-top: 2px; }"));
    for (int n = 1; n <= NombreNiveauxSorts; ++n) {
        auto* liste = new ListeSorts(n, nullptr);
        liste->setItemDelegate(new DelegueSort(*this, liste));
        liste->setAccessibleName(QStringLiteral("Niveau %1").arg(n));
        liste->TexteLu = [this, liste](int ligne) {
            const QListWidgetItem* entree = liste->item(ligne);
            return entree ? TexteLuDuSort(liste->niveau(), entree->text()) : QString();
        };
        PageControl1->addTab(liste, QStringLiteral("Niveau %1").arg(n));
        connect(liste, &ListeSorts::Relache, this, &TFormSortsDeMage::ValideATrue);
        connect(liste, &ListeSorts::Touche, this, &TFormSortsDeMage::FormKeyPress);
        ListBoxes[static_cast<std::size_t>(n - 1)] = liste;
    }

    Image1 = new QLabel(fond);
    Image1->setObjectName("Image1");
    Image1->setPixmap(Image("sorts_mage_grand"));
    Image1->setGeometry(593, 13, TailleImage, TailleImage);

    ButtonRetour = BoutonRetour(*fond);
    ButtonRetour->setAutoDefault(false);
    ButtonRetour->setGeometry(624, 231, 89, 27);
    connect(ButtonRetour, &QPushButton::clicked, this, &TFormSortsDeMage::ButtonRetourClick);

    BitBtnNouveauSort = new QPushButton(Icone("nouveau"), QStringLiteral("&Nouveau"), fond);
    BitBtnNouveauSort->setObjectName("BitBtnNouveauSort");
    BitBtnNouveauSort->setToolTip(QStringLiteral("Introduire un nouveau sort"));
    BitBtnNouveauSort->setAutoDefault(false);
    BitBtnNouveauSort->setGeometry(624, 336, 89, 27);
    connect(BitBtnNouveauSort, &QPushButton::clicked, this, &TFormSortsDeMage::BitBtnNouveauSortClick);

    CheckBoxPourcent = new QCheckBox(QStringLiteral("Conserver les poucentages"), fond);
    CheckBoxPourcent->setObjectName("CheckBoxPourcent");
    CheckBoxPourcent->setToolTip(
        QStringLiteral("Non coché : un simple click sélectionne le sort (avec un pourcentage de 1%)"));
    CheckBoxPourcent->move(592, 456);
    connect(CheckBoxPourcent, &QCheckBox::toggled, this, &TFormSortsDeMage::CheckBoxPourcentClick);

    LabelAide = new QLabel(
        QStringLiteral("Sélectionnez un sort en appuyant la touche <Espace> ou avec un click de mulot"), fond);
    LabelAide->setObjectName("Label1");
    LabelAide->setTextFormat(Qt::PlainText);
    LabelAide->move(8, 486);
    fond->setFixedWidth(LargeurFond);
    AuPremierAffichage(*this, [this, fond] {
        CheckBoxPourcent->adjustSize();
        LabelAide->adjustSize();
        // Room for the whole caption, whatever the font.
        fond->setFixedWidth(std::max(LargeurFond, CheckBoxPourcent->geometry().right() + 9));
    });

    NommeParBulle(*this);

    setTabOrder(PageControl1, ButtonRetour);
    setTabOrder(ButtonRetour, BitBtnNouveauSort);
    setTabOrder(BitBtnNouveauSort, CheckBoxPourcent);
}

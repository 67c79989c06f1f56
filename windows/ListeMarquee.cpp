#include "ListeMarquee.h"

#include "Accessibilite.h"

#include "Collation.h"
#include "Colonnes.h"
#include "Echec.h"
#include "Selection.h"

#include <QFontMetrics>
#include <algorithm>
#include <climits>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Draws one entry: the background of a marked or unmarked entry, then the
// columns of its texts at the measured offsets, vertically centred on the
// height of a "D"; a focus frame around the current entry when the list has
// the focus.
class DelegueColonnes : public QStyledItemDelegate {
public:
    explicit DelegueColonnes(ListeMarquee* liste) : QStyledItemDelegate(liste), liste_(liste) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool marquee = option.state.testFlag(QStyle::State_Selected);
        // Marks stay as visible when the list has not the focus.
        const QPalette& palette = liste_->palette();
        const QColor fond = palette.color(QPalette::Active, marquee ? QPalette::Highlight : QPalette::Base);
        const QColor encre = palette.color(QPalette::Active, marquee ? QPalette::HighlightedText : QPalette::Text);

        painter->save();
        painter->fillRect(option.rect, fond);
        painter->setPen(encre);
        painter->setFont(liste_->font());
        const QFontMetrics mesure(liste_->font());
        const int haut = option.rect.top() + (option.rect.height() - mesure.height()) / 2;
        const int ligneDeBase = haut + mesure.ascent();
        const int ligne = index.row();
        const QStringList textes = liste_->TextesAffiches ? liste_->TextesAffiches(ligne)
                                                          : DecoupeColonnes(liste_->Lignes().value(ligne), liste_->NombreColonnes());
        const int n = std::min<int>(static_cast<int>(textes.size()), liste_->NombreColonnes());
        for (int k = 0; k < n; ++k)
            painter->drawText(option.rect.left() + DebutColonne(liste_->LargeursColonnes, k), ligneDeBase, textes[k]);

        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect cadre;
            cadre.initFrom(liste_);
            cadre.rect = option.rect;
            cadre.backgroundColor = fond;
            liste_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &cadre, painter, liste_);
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return {1, liste_->HauteurEntree()};
    }

    // No check box of its own: the mark is the list's.
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&) override
    {
        return false;
    }

private:
    ListeMarquee* liste_;
};

}

QFont PoliceDesListes()
{
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPointSize(8);
    return police;
}

ListeMarquee::ListeMarquee(int colonnes, int hauteurEntree, QWidget* parent)
    : QListWidget(parent), LargeursColonnes(static_cast<std::size_t>(std::max(colonnes, 0)), 0),
      colonnes_(std::max(colonnes, 0)), hauteurEntree_(hauteurEntree)
{
    setSelectionMode(QAbstractItemView::MultiSelection);
    setUniformItemSizes(true);
    setSpacing(0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new DelegueColonnes(this));
    setFont(PoliceDesListes());
    // Black text on the list's background, whatever the platform's theme.
    QPalette p = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::Text, Qt::black);
    setPalette(p);
    TexteLu = [this](int i) {
        const QStringList textes = TextesAffiches ? TextesAffiches(i) : DecoupeColonnes(lignes_.value(i), colonnes_);
        QStringList lus;
        for (const QString& t : textes)
            if (!t.isEmpty())
                lus.append(t);
        return lus.join(QStringLiteral(", "));
    };
}

void ListeMarquee::FixeLignes(QStringList lignes)
{
    Collation::trie(lignes);
    clear();
    lignes_ = std::move(lignes);
    for (const QString& l : lignes_)
        addItem(new EntreeMarquable(l, &TexteLu));

    std::fill(LargeursColonnes.begin(), LargeursColonnes.end(), 0);
    const QFontMetrics mesure(font());
    for (const QString& l : lignes_) {
        const QStringList champs = DecoupeColonnes(l, colonnes_);
        for (int k = 0; k < colonnes_; ++k)
            LargeursColonnes[static_cast<std::size_t>(k)] =
                std::max(LargeursColonnes[static_cast<std::size_t>(k)], mesure.horizontalAdvance(champs[k]));
    }
    // As in a platform list, the first entry is the current one until a
    // click moves it.
    if (!lignes_.isEmpty())
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

int ListeMarquee::Nombre() const
{
    return static_cast<int>(lignes_.size());
}

void ListeMarquee::verifieIndex(int i) const
{
    if (i < 0 || i >= Nombre())
        throw Echec(Messages::indexHorsBornes());
}

QString ListeMarquee::Texte(int i) const
{
    verifieIndex(i);
    return lignes_[i];
}

bool ListeMarquee::EstMarquee(int i) const
{
    verifieIndex(i);
    return item(i)->isSelected();
}

void ListeMarquee::DemarqueTout()
{
    clearSelection();
}

void ListeMarquee::FixeMarques(const QList<qsizetype>& positions)
{
    QList<int> rangees;
    rangees.reserve(positions.size());
    for (qsizetype i : positions) {
        const int r = i < 0 || i > INT_MAX ? -1 : static_cast<int>(i);
        verifieIndex(r);
        rangees.append(r);
    }
    SelectionneExactement(*this, rangees);
}

void ListeMarquee::Marque(int i)
{
    verifieIndex(i);
    item(i)->setSelected(true);
}

void ListeMarquee::Demarque(int i)
{
    verifieIndex(i);
    item(i)->setSelected(false);
}

QList<qsizetype> ListeMarquee::Marquees() const
{
    QList<qsizetype> positions;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            positions.append(i);
    return positions;
}

QStringList ListeMarquee::LignesMarquees() const
{
    QStringList lignes;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            lignes.append(lignes_[i]);
    return lignes;
}

int ListeMarquee::Courante() const
{
    return currentRow();
}

void ListeMarquee::PlaceEnEntreesEntieres(int x, int y, int largeur, int hauteur)
{
    const int cadre = frameWidth();
    const int entrees = std::max(1, (hauteur - 2 * cadre) / hauteurEntree_);
    setGeometry(x, y, largeur, 2 * cadre + entrees * hauteurEntree_);
}

QItemSelectionModel::SelectionFlags ListeMarquee::selectionCommand(const QModelIndex&, const QEvent*) const
{
    // The view never changes the marks by itself (no drag, no select-all,
    // no selection that follows the current entry): only bascule does.
    return QItemSelectionModel::NoUpdate;
}

void ListeMarquee::bascule(const QModelIndex& index)
{
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    selectionModel()->select(index, QItemSelectionModel::Toggle);
    Q_EMIT Clic();
}

void ListeMarquee::mousePressEvent(QMouseEvent* event)
{
    // Only the left button clicks. The view's own handling of the other
    // buttons would make the entry under the pointer current, and the
    // current entry is the one that an over-budget count unmarks.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        bascule(index);
    event->accept();
}

void ListeMarquee::mouseMoveEvent(QMouseEvent* event)
{
    // A drag marks nothing, and neither does it carry the current entry
    // along with the pointer: it stays the one the press clicked.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void ListeMarquee::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click toggles again, like any click.
    mousePressEvent(event);
}

void ListeMarquee::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        const QModelIndex index = currentIndex();
        if (index.isValid())
            bascule(index);
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

QSize FaitPlaceAuxColonnes(ListeMarquee& liste, const std::vector<QLabel*>& titres)
{
    constexpr int Ecart = 8;
    // At the design's resolution the titles keep the design's places; at a
    // larger one each column is at least as wide as its title, so that no
    // title pushes the next one off its column.
    const bool plusGrande = liste.logicalDpiY() > 96;
    for (std::size_t k = 0; k < titres.size(); ++k) {
        titres[k]->adjustSize();
        if (plusGrande && k < liste.LargeursColonnes.size())
            liste.LargeursColonnes[k] = std::max(liste.LargeursColonnes[k], titres[k]->width() + Ecart);
    }
    // The list as wide as its columns.
    const int n = liste.NombreColonnes();
    int ajout = 0;
    if (n > 0) {
        const int colonnes = DebutColonne(liste.LargeursColonnes, n - 1) + liste.LargeursColonnes[static_cast<std::size_t>(n - 1)];
        const int besoin = colonnes + 2 * liste.frameWidth() + liste.verticalScrollBar()->sizeHint().width() + 4;
        ajout = std::max(0, besoin - liste.width());
        liste.resize(liste.width() + ajout, liste.height());
    }
    // The titles over their columns, clear of each other.
    const int debut = liste.x() + liste.frameWidth();
    int libre = 0;
    int bas = 0;
    for (std::size_t k = 0; k < titres.size(); ++k) {
        QLabel* t = titres[k];
        t->adjustSize();
        const int colonne = plusGrande ? debut + DebutColonne(liste.LargeursColonnes, static_cast<int>(k)) : 0;
        const int x = std::max({t->x(), colonne, libre});
        t->move(x, t->y());
        libre = x + t->width() + Ecart;
        bas = std::max(bas, t->y() + t->height());
    }
    // The list below them.
    const int descente = std::max(0, bas - liste.y());
    liste.move(liste.x(), liste.y() + descente);
    return {ajout, descente};
}

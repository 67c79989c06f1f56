#include "ListeSorts.h"

#include "Accessibilite.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

ListeSorts::ListeSorts(int niveau, QWidget* parent) : QListWidget(parent), niveau_(niveau)
{
    setObjectName(QStringLiteral("ListBox%1").arg(niveau));
    setSelectionMode(QAbstractItemView::MultiSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    // Two columns: the entries run down the first, then the second; more
    // entries than both can hold scroll sideways.
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setSpacing(0);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setGridSize(QSize(100, HauteurEntreeSort));
    QPalette p = palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    setPalette(p);
}

void ListeSorts::AjouteEntrees(const QStringList& enregistrements)
{
    for (const QString& e : enregistrements)
        addItem(new EntreeMarquable(e, &TexteLu));
}

void ListeSorts::InsereEntree(int place, const QString& enregistrement)
{
    insertItem(place, new EntreeMarquable(enregistrement, &TexteLu));
}

QItemSelectionModel::SelectionFlags ListeSorts::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    // Only a left press on an entry and the space bar change a mark; moving
    // (keys, a drag, the program setting the current entry) never does.
    if (!event || !index.isValid())
        return QItemSelectionModel::NoUpdate;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton)
            return QItemSelectionModel::Toggle;
        break;
    case QEvent::KeyPress:
        if (static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Space)
            return QItemSelectionModel::Toggle;
        break;
    default:
        break;
    }
    return QItemSelectionModel::NoUpdate;
}

void ListeSorts::mousePressEvent(QMouseEvent* event)
{
    appuye_ = event->button() == Qt::LeftButton ? QPersistentModelIndex(indexAt(event->position().toPoint()))
                                                : QPersistentModelIndex();
    QListWidget::mousePressEvent(event);
}

void ListeSorts::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second click of a double click is a click of its own.
    mousePressEvent(event);
}

void ListeSorts::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool clic = event->button() == Qt::LeftButton && appuye_.isValid() && viewport()->rect().contains(pos)
                   && indexAt(pos) == QModelIndex(appuye_);
    appuye_ = QPersistentModelIndex();
    QListWidget::mouseReleaseEvent(event);
    if (clic)
        Q_EMIT Relache();
}

void ListeSorts::keyPressEvent(QKeyEvent* event)
{
    const int touche = event->key();
    if (event->matches(QKeySequence::SelectAll)) {
        event->accept();   // marks follow the character's spells only
    } else if (touche == Qt::Key_Space) {
        // Toggle the current entry, and nothing else: the view's own
        // handling would also search the entries for a blank.
        if (QListWidgetItem* entree = currentItem())
            entree->setSelected(!entree->isSelected());
        event->accept();
    } else {
        QListWidget::keyPressEvent(event);
    }
    Q_EMIT Touche(touche);
}

void ListeSorts::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    setGridSize(QSize(std::max(1, viewport()->width() / 2), HauteurEntreeSort));
}

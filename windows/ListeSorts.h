#pragma once

#include <QListWidget>
#include <QPersistentModelIndex>
#include <functional>

// The height of an entry of a level's list, in pixels.
inline constexpr int HauteurEntreeSort = 18;

// One level of the spell catalogue: a two-column list of records, kept
// sorted, whose marks are the character's chosen spells. A left click marks
// or unmarks the entry pressed, the space bar the current entry; the other
// keys only move. `Relache` follows a left click released over the entry
// it pressed, `Touche` every key the list has handled.
class ListeSorts : public QListWidget {
    Q_OBJECT
public:
    ListeSorts(int niveau, QWidget* parent);
    int niveau() const { return niveau_; }

    // Entries whose mark reads as checked and whose text reads as TexteLu
    // says (what the dialog draws), never as the raw record.
    void AjouteEntrees(const QStringList& enregistrements);
    void InsereEntree(int place, const QString& enregistrement);
    std::function<QString(int ligne)> TexteLu;

Q_SIGNALS:
    void Relache();
    void Touche(int touche);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int niveau_;
    QPersistentModelIndex appuye_;
};

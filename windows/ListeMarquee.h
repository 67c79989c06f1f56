#pragma once

#include <QFont>
#include <QListWidget>
#include <QSize>
#include <QStringList>
#include <functional>
#include <vector>

// The font of the choice dialogs and of their lists: "MS Sans Serif" 8
// points; the column offsets and the titles above them are laid out for it.
QFont PoliceDesListes();

class QLabel;
class ListeMarquee;

// A list and the titles of its columns at a font larger than the design's
// (a larger system font makes the points of the lists' font larger): the
// list widened to hold all its columns without cutting one, each title
// where the design puts it or (at a resolution above the design's) further
// right over its column, and clear of the title before it, the list lower when the titles grew taller.
// `titres` are in column order. Returns by how much the list grew wider and
// moved down, for the dialog to make room; at the design's font nothing
// moves and it returns (0, 0).
QSize FaitPlaceAuxColonnes(ListeMarquee& liste, const std::vector<QLabel*>& titres);

// The list of a choice dialog (proficiencies, weapons): the lines of a data
// file in the one order of the sorted lists, each drawn in columns, several
// of them marked. The marks are the list's selection: a click of the left
// button on an entry (or the space bar on the current entry) toggles its
// mark, makes it the current entry and then signals Clic. Nothing else
// changes the marks but the calls below. The other buttons do nothing at
// all, and a drag nothing beyond its press: neither moves the current entry.
class ListeMarquee : public QListWidget {
    Q_OBJECT
public:
    // `colonnes`: how many columns a line is cut into; `hauteurEntree`: the
    // height of an entry in pixels.
    ListeMarquee(int colonnes, int hauteurEntree, QWidget* parent = nullptr);

    // Replaces the entries by these lines, sorted, unmarked, the first one
    // current; measures LargeursColonnes.
    void FixeLignes(QStringList lignes);

    // What the character file and the printout read and set. Texte, EstMarquee
    // and Marque throw Echec "Index liste hors bornes" outside 0..Nombre()-1.
    int Nombre() const;
    QString Texte(int i) const;
    bool EstMarquee(int i) const;
    void DemarqueTout();
    void Marque(int i);
    // Exactly these entries marked, in one change; a position that is no
    // entry throws Echec "Index liste hors bornes" and changes nothing.
    void FixeMarques(const QList<qsizetype>& positions);
    void Demarque(int i);

    // The positions of the marked entries, ascending, and their lines.
    QList<qsizetype> Marquees() const;
    QStringList LignesMarquees() const;
    // Every line, in list order.
    const QStringList& Lignes() const { return lignes_; }

    // The current entry (the last one clicked), -1 in an empty list.
    int Courante() const;

    // Places the list at (x, y) with that width and with the height that
    // holds a whole number of entries, at most `hauteur`.
    void PlaceEnEntreesEntieres(int x, int y, int largeur, int hauteur);

    // The widest text in pixels of each column over all entries, in the
    // list's font, measured by FixeLignes.
    std::vector<int> LargeursColonnes;

    // The texts drawn in the columns of entry i; by default the line cut
    // into its columns. A dialog replaces it to draw what its rules say.
    std::function<QStringList(int i)> TextesAffiches;

    // What a screen reader hears of entry i: by default the texts drawn,
    // one after the other. A dialog replaces it to say what each is.
    std::function<QString(int i)> TexteLu;

    int NombreColonnes() const { return colonnes_; }
    int HauteurEntree() const { return hauteurEntree_; }

Q_SIGNALS:
    // After a click (mouse or keyboard) toggled the current entry.
    void Clic();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void bascule(const QModelIndex& index);
    void verifieIndex(int i) const;

    int colonnes_;
    int hauteurEntree_;
    QStringList lignes_;
};

#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class ListeMarquee;

// Reads the weapon file once at start, in the order of the list (the
// positions a character file holds); when it cannot be read an error box
// says so and the list is empty.
QStringList ChargeListeArmes(const QString& fichierArmes);
class QCheckBox;
class QLabel;
class QPushButton;

// The dialog "Choix des armes": the weapons of "Vardel.Arm" in five
// columns, the marked ones being the weapons the character is proficient
// in, within the slots the class groups and levels give; a single-class
// Guerrier may specialise in one of them. It is created at its first
// showing, on the list read at start; the command that shows it gives it the
// character's marks and specialisation and takes them back.
class TFormArmes : public QDialog {
    Q_OBJECT
public:
    explicit TFormArmes(const QStringList& armes, QWidget* parent = nullptr);

    int PointsRestants() const;

    // The marks as plain values (zero-based positions, ascending), as for
    // the proficiencies; and the specialisation, the whole line of the
    // specialised weapon or empty.
    QList<qsizetype> Marques() const;
    void FixeMarques(const QList<qsizetype>& positions);
    const QString& Specialisation() const { return specialisation_; }
    void FixeSpecialisation(const QString& ligne);

    // Shows the slots left in PanelReste.
    void AfficheReste();

    // Handlers.
    void ListBoxArmesClick();
    void ButtonRetourClick();

    // State beyond the controls.
    int PointsArmes = 0;
    const std::vector<int>& LargeursColonnes() const;

    // The controls, named as the system names them.
    ListeMarquee* ListBoxArmes = nullptr;
    QLabel* PanelReste = nullptr;
    QCheckBox* CheckBoxSpecialiste = nullptr;
    QPushButton* ButtonRetour = nullptr;
    QLabel* Image1 = nullptr;
    QLabel *LabelArme = nullptr, *LabelFacteurVitesse = nullptr, *LabelPM = nullptr, *LabelG = nullptr,
           *LabelCadence = nullptr;

Q_SIGNALS:
    // The user changed what the dialog shows (never when a command fills
    // it): the open character's recovery file follows while it is open.
    void Change();

private:
    QStringList textesAffiches(int i) const;

    QString specialisation_;
};

#pragma once

#include "Exigences.h"
#include "Niveaux.h"
#include "Tirage.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

// The dialog "Tirage des caractéristiques": rolls the abilities with the
// method picked, lets the player give the values to the abilities (methods
// III to VI) from the keyboard, shows the races the rolled scores allow and,
// for the race picked, the adjusted scores and the classes they allow. It
// reads "Exigences.dat" when it is first shown; a file that cannot be read
// is told in the error box, and the dialog rolls without races or classes.
class TFormTirage : public QDialog {
    Q_OBJECT
public:
    // `fichierExigences`: the full name of the requirements file; `lance`:
    // the dice (n -> 1..n).
    explicit TFormTirage(QString fichierExigences, std::function<int(int)> lance = Hasard::Lance,
                         QWidget* parent = nullptr);

    // Shows the dialog modally with a new roll for the sheet `actuel` (whose
    // race and class it proposes when the roll allows them). The roll
    // applied ("&Appliquer"), or nothing ("Annuler", Escape, the close box).
    // The method picked stays for the next time.
    std::optional<Tirage> Tire(const Personnage& actuel);

private:
    struct Ligne {
        QLabel* legende = nullptr;
        QLabel* jet = nullptr;        // the roll, or the dice given (VI)
        QComboBox* valeur = nullptr;  // the value given (III to V)
        QLabel* tire = nullptr;
        QLabel* ajuste = nullptr;
    };

    void Relance();
    void MethodeChoisie();
    void ValeurChoisie(int caracteristique);
    void DeChoisi(int de);
    void RaceChoisie();
    void ClasseChoisie();
    void Actualise();
    void RemplitRepartition();
    void RemplitRaceEtClasse(const std::optional<Scores>& tires);
    QString RaceEffective() const;
    QString ClasseEffective() const;
    std::optional<int> ForceExceptionnelleActuelle(const std::optional<Scores>& ajustes);
    std::optional<Scores> ScoresAjustes() const;
    void Applique();

    QString fichierExigences_;
    std::function<int(int)> lance_;
    bool exigencesLues_ = false;
    std::optional<Exigences> exigences_;

    Personnage actuel_;
    JetsDeMethode jets_;
    QList<int> destinations_;
    std::optional<int> pourcentage_;          // rolled once per roll, when first needed
    std::optional<QString> raceVoulue_, classeVoulue_;   // the player's pick ("" for none)
    std::optional<Tirage> resultat_;

    QComboBox* ComboMethode = nullptr;
    QPushButton* ButtonTirer = nullptr;
    std::array<Ligne, NombreCaracteristiques + 1> lignes_;   // the six, then Beauté
    QLabel* LabelJets = nullptr;
    std::array<QLabel*, 7> legendesDes_{};
    std::array<QComboBox*, 7> combosDes_{};
    QComboBox* ComboRaceTirage = nullptr;
    QComboBox* ComboClasseTirage = nullptr;
    QPushButton* ButtonAppliquer = nullptr;
    QPushButton* ButtonAnnuler = nullptr;
};

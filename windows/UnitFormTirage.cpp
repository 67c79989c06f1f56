#include "UnitFormTirage.h"

#include "Plateforme.h"
#include "PreparationFenetre.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

// The item of a pick list that gives nothing (no value, no ability, no
// race, no class).
const QString Aucun = QStringLiteral("—");

// The rows: the six abilities, then the Beauté; their captions (with the
// mnemonic that reaches the value's pick list) and the names of their
// controls.
const char* const NomsLignes[] = {"Force", "Dexterite", "Constitution", "Intelligence", "Sagesse", "Charisme",
                                  "Beaute"};
const QString Legendes[] = {QStringLiteral("&Force"), QStringLiteral("&Dextérité"), QStringLiteral("C&onstitution"),
                            QStringLiteral("&Intelligence"), QStringLiteral("&Sagesse"),
                            QStringLiteral("C&harisme"), QStringLiteral("Beauté")};
constexpr int LigneBeaute = NombreCaracteristiques;

QString nomDe(const char* prefixe, const char* nom)
{
    return QString::fromLatin1(prefixe) + QString::fromLatin1(nom);
}

QLabel* etiquette(QWidget* parent, const QString& nom, const QString& nomAccessible)
{
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setAccessibleName(nomAccessible);
    return l;
}

// Puts the item whose data is `donnee` as the current one (the first item,
// the "none", when there is none).
void placeSur(QComboBox* b, const QVariant& donnee)
{
    const int i = b->findData(donnee);
    b->setCurrentIndex(i < 0 ? 0 : i);
}

QString texteScore(int score) { return QString::number(score); }

}

TFormTirage::TFormTirage(QString fichierExigences, std::function<int(int)> lance, QWidget* parent)
    : QDialog(parent), fichierExigences_(std::move(fichierExigences)), lance_(std::move(lance))
{
    PrepareFenetre(*this, "FormTirage", QStringLiteral("Tirage des caractéristiques"));

    auto* principal = new QVBoxLayout(this);

    // The method and the button that rolls again.
    auto* haut = new QHBoxLayout;
    auto* labelMethode = new QLabel(QStringLiteral("&Méthode"), this);
    labelMethode->setObjectName("LabelMethode");
    ComboMethode = new QComboBox(this);
    ComboMethode->setObjectName("ComboMethode");
    ComboMethode->addItems(NomsDesMethodes());
    labelMethode->setBuddy(ComboMethode);
    ButtonTirer = new QPushButton(QStringLiteral("&Tirer"), this);
    ButtonTirer->setObjectName("ButtonTirer");
    ButtonTirer->setToolTip(QStringLiteral("Tirer les caractéristiques avec cette méthode"));
    ButtonTirer->setAutoDefault(false);
    haut->addWidget(labelMethode);
    haut->addWidget(ComboMethode, 1);
    haut->addWidget(ButtonTirer);
    principal->addLayout(haut);

    // The rolls of the methods that give their values (III to V).
    LabelJets = etiquette(this, "LabelJets", QStringLiteral("Jets"));
    LabelJets->setWordWrap(true);
    principal->addWidget(LabelJets);

    // One row per ability: caption, roll (or pick list of the values),
    // score rolled, score adjusted.
    auto* grille = new QGridLayout;
    grille->addWidget(new QLabel(QStringLiteral("Tiré"), this), 0, 2);
    grille->addWidget(new QLabel(QStringLiteral("Ajusté"), this), 0, 3);
    for (int c = 0; c <= LigneBeaute; ++c) {
        Ligne& l = lignes_[c];
        const QString accessible = QString(Legendes[c]).remove(u'&');
        l.legende = new QLabel(Legendes[c], this);
        l.legende->setObjectName(nomDe("Label", NomsLignes[c]));
        l.jet = etiquette(this, nomDe("LabelJet", NomsLignes[c]), QStringLiteral("Jet : ") + accessible);
        l.tire = etiquette(this, nomDe("LabelTire", NomsLignes[c]), accessible + QStringLiteral(" tirée"));
        l.ajuste = etiquette(this, nomDe("LabelAjuste", NomsLignes[c]), accessible + QStringLiteral(" ajustée"));
        grille->addWidget(l.legende, c + 1, 0);
        grille->addWidget(l.jet, c + 1, 1);
        if (c < NombreCaracteristiques) {
            l.valeur = new QComboBox(this);
            l.valeur->setObjectName(nomDe("Combo", NomsLignes[c]));
            l.valeur->setToolTip(QStringLiteral("Valeur donnée à ") + accessible);
            l.legende->setBuddy(l.valeur);
            grille->addWidget(l.valeur, c + 1, 1);
            connect(l.valeur, &QComboBox::activated, this, [this, c] { ValeurChoisie(c); });
        }
        grille->addWidget(l.tire, c + 1, 2);
        grille->addWidget(l.ajuste, c + 1, 3);
    }
    principal->addLayout(grille);

    // Method VI: each die and the ability it goes to.
    auto* grilleDes = new QGridLayout;
    for (int d = 0; d < 7; ++d) {
        legendesDes_[d] = new QLabel(this);
        legendesDes_[d]->setObjectName(QStringLiteral("LabelDe%1").arg(d + 1));
        combosDes_[d] = new QComboBox(this);
        combosDes_[d]->setObjectName(QStringLiteral("ComboDe%1").arg(d + 1));
        combosDes_[d]->setToolTip(QStringLiteral("Caractéristique qui reçoit ce dé"));
        legendesDes_[d]->setBuddy(combosDes_[d]);
        grilleDes->addWidget(legendesDes_[d], d, 0);
        grilleDes->addWidget(combosDes_[d], d, 1);
        connect(combosDes_[d], &QComboBox::activated, this, [this, d] { DeChoisi(d); });
    }
    principal->addLayout(grilleDes);

    // The race and the class.
    auto* choix = new QGridLayout;
    auto* labelRace = new QLabel(QStringLiteral("&Race"), this);
    labelRace->setObjectName("LabelRaceTirage");
    ComboRaceTirage = new QComboBox(this);
    ComboRaceTirage->setObjectName("ComboRaceTirage");
    ComboRaceTirage->setToolTip(QStringLiteral("Les races que permettent les scores tirés"));
    labelRace->setBuddy(ComboRaceTirage);
    auto* labelClasse = new QLabel(QStringLiteral("C&lasse"), this);
    labelClasse->setObjectName("LabelClasseTirage");
    ComboClasseTirage = new QComboBox(this);
    ComboClasseTirage->setObjectName("ComboClasseTirage");
    ComboClasseTirage->setToolTip(QStringLiteral("Les classes que permettent la race et les scores ajustés"));
    labelClasse->setBuddy(ComboClasseTirage);
    choix->addWidget(labelRace, 0, 0);
    choix->addWidget(ComboRaceTirage, 0, 1);
    choix->addWidget(labelClasse, 1, 0);
    choix->addWidget(ComboClasseTirage, 1, 1);
    choix->setColumnStretch(1, 1);
    principal->addLayout(choix);
    connect(ComboRaceTirage, &QComboBox::activated, this, &TFormTirage::RaceChoisie);
    connect(ComboClasseTirage, &QComboBox::activated, this, &TFormTirage::ClasseChoisie);

    auto* bas = new QHBoxLayout;
    ButtonAppliquer = new QPushButton(QStringLiteral("&Appliquer"), this);
    ButtonAppliquer->setObjectName("ButtonAppliquer");
    ButtonAppliquer->setToolTip(QStringLiteral("Donner ces caractéristiques au personnage"));
    ButtonAppliquer->setDefault(true);
    ButtonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    ButtonAnnuler->setObjectName("ButtonAnnuler");
    ButtonAnnuler->setToolTip(QStringLiteral("Fermer sans rien changer"));
    ButtonAnnuler->setAutoDefault(false);
    bas->addStretch(1);
    bas->addWidget(ButtonAppliquer);
    bas->addWidget(ButtonAnnuler);
    principal->addLayout(bas);

    connect(ComboMethode, &QComboBox::activated, this, &TFormTirage::MethodeChoisie);
    connect(ButtonTirer, &QPushButton::clicked, this, &TFormTirage::Relance);
    connect(ButtonAppliquer, &QPushButton::clicked, this, &TFormTirage::Applique);
    connect(ButtonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<Tirage> TFormTirage::Tire(const Personnage& actuel)
{
    if (!exigencesLues_) {
        exigencesLues_ = true;
        ExecuteCommande([this] { exigences_ = ChargeExigences(fichierExigences_); });
    }
    actuel_ = actuel;
    resultat_.reset();
    Relance();
    ComboMethode->setFocus();
    exec();
    return resultat_;
}

void TFormTirage::MethodeChoisie()
{
    Relance();
}

void TFormTirage::Relance()
{
    jets_ = LanceMethode(static_cast<MethodeTirage>(ComboMethode->currentIndex()), lance_);
    destinations_ = DestinationsDansLOrdre(jets_);
    pourcentage_.reset();
    raceVoulue_.reset();
    classeVoulue_.reset();

    const bool repartir = EstARepartir(jets_.methode);
    const bool sixieme = jets_.methode == MethodeTirage::VI;
    QStringList jets;
    for (qsizetype i = 0; i < jets_.lancers.size() && repartir && !sixieme; ++i)
        jets.append(jets_.Texte(i));
    LabelJets->setText(QStringLiteral("Jets : ") + jets.join(QStringLiteral("   ")));
    LabelJets->setVisible(repartir && !sixieme);
    for (int c = 0; c < NombreCaracteristiques; ++c) {
        lignes_[c].valeur->setVisible(repartir && !sixieme);
        lignes_[c].jet->setVisible(!repartir || sixieme);
    }
    for (int d = 0; d < 7; ++d) {
        legendesDes_[d]->setVisible(sixieme);
        combosDes_[d]->setVisible(sixieme);
        if (sixieme)
            legendesDes_[d]->setText(QStringLiteral("Dé &%1 : %2").arg(d + 1).arg(jets_.Texte(d)));
    }
    lignes_[LigneBeaute].jet->setText(jets_.beaute.Texte());
    Actualise();
}

void TFormTirage::ValeurChoisie(int c)
{
    const QVariant donnee = lignes_[c].valeur->currentData();
    // The value the ability held is free again; the one picked is the first
    // free value of that figure.
    const qsizetype avant = destinations_.indexOf(c);
    if (avant >= 0)
        destinations_[avant] = -1;
    if (donnee.isValid()) {
        const QList<int> valeurs = jets_.Valeurs();
        for (qsizetype i = 0; i < valeurs.size(); ++i)
            if (destinations_[i] == -1 && valeurs[i] == donnee.toInt()) {
                destinations_[i] = c;
                break;
            }
    }
    Actualise();
}

void TFormTirage::DeChoisi(int d)
{
    const QVariant donnee = combosDes_[d]->currentData();
    const int c = donnee.isValid() ? donnee.toInt() : -1;
    if (PeutRecevoir(jets_, destinations_, d, c))
        destinations_[d] = c;
    Actualise();
}

void TFormTirage::RaceChoisie()
{
    raceVoulue_ = ComboRaceTirage->currentData().toString();
    Actualise();
}

void TFormTirage::ClasseChoisie()
{
    classeVoulue_ = ComboClasseTirage->currentData().toString();
    Actualise();
}

// The pick lists of the arrangement, from the values given so far: for III
// to V, each ability offers the values still free and its own; for VI, each
// die offers the abilities it may go to.
void TFormTirage::RemplitRepartition()
{
    const QList<int> valeurs = jets_.Valeurs();
    if (jets_.methode == MethodeTirage::VI) {
        for (int d = 0; d < 7; ++d) {
            QComboBox* b = combosDes_[d];
            const QSignalBlocker bloque(b);
            b->clear();
            b->addItem(Aucun);
            for (int c = 0; c < NombreCaracteristiques; ++c)
                if (PeutRecevoir(jets_, destinations_, d, c))
                    b->addItem(NomsDesCaracteristiques()[c], c);
            placeSur(b, destinations_[d] >= 0 ? QVariant(destinations_[d]) : QVariant());
        }
        return;
    }
    if (!EstARepartir(jets_.methode))
        return;
    for (int c = 0; c < NombreCaracteristiques; ++c) {
        QComboBox* b = lignes_[c].valeur;
        const QSignalBlocker bloque(b);
        b->clear();
        b->addItem(Aucun);
        QList<int> offertes;
        for (qsizetype i = 0; i < valeurs.size(); ++i)
            if ((destinations_[i] == -1 || destinations_[i] == c) && !offertes.contains(valeurs[i]))
                offertes.append(valeurs[i]);
        std::sort(offertes.begin(), offertes.end(), std::greater<>());
        for (int v : offertes)
            b->addItem(QString::number(v), v);
        const qsizetype tenue = destinations_.indexOf(c);
        placeSur(b, tenue >= 0 ? QVariant(valeurs[tenue]) : QVariant());
    }
}

void TFormTirage::RemplitRaceEtClasse(const std::optional<Scores>& tires)
{
    const QSignalBlocker bloqueRace(ComboRaceTirage);
    const QSignalBlocker bloqueClasse(ComboClasseTirage);
    ComboRaceTirage->clear();
    ComboRaceTirage->addItem(Aucun, QString());
    ComboClasseTirage->clear();
    ComboClasseTirage->addItem(Aucun, QString());
    const bool possible = exigences_ && tires;
    ComboRaceTirage->setEnabled(possible);
    ComboClasseTirage->setEnabled(possible);
    if (!possible)
        return;

    // The player's pick while the scores allow it, else the sheet's race.
    for (const QString& race : RacesPermises(*exigences_, *tires))
        ComboRaceTirage->addItem(race, race);
    placeSur(ComboRaceTirage, raceVoulue_.value_or(actuel_.race));
    const QString race = ComboRaceTirage->currentData().toString();
    if (race.isEmpty())
        return;
    for (const QString& classe : ClassesPermises(*exigences_, race, ::ScoresAjustes(*exigences_, race, *tires)))
        ComboClasseTirage->addItem(classe, classe);
    placeSur(ComboClasseTirage, classeVoulue_.value_or(actuel_.classe));
}

QString TFormTirage::RaceEffective() const
{
    const QString choisie = ComboRaceTirage->currentData().toString();
    return choisie.isEmpty() ? actuel_.race : choisie;
}

QString TFormTirage::ClasseEffective() const
{
    const QString choisie = ComboClasseTirage->currentData().toString();
    return choisie.isEmpty() ? actuel_.classe : choisie;
}

std::optional<Scores> TFormTirage::ScoresAjustes() const
{
    const std::optional<Scores> tires = ScoresComplets(jets_, destinations_);
    const QString race = ComboRaceTirage->currentData().toString();
    if (!tires || !exigences_ || race.isEmpty())
        return tires;
    return ::ScoresAjustes(*exigences_, race, *tires);
}

// The percentage of exceptional strength, rolled the first time the scores,
// the race and the class call for it, and kept until the next roll.
std::optional<int> TFormTirage::ForceExceptionnelleActuelle(const std::optional<Scores>& ajustes)
{
    if (!ajustes || !TireForceExceptionnelle((*ajustes)[Force], ClasseEffective(), RaceEffective()))
        return std::nullopt;
    if (!pourcentage_)
        pourcentage_ = LancePourcentage(lance_);
    return pourcentage_;
}

void TFormTirage::Actualise()
{
    RemplitRepartition();
    const std::optional<Scores> tires = ScoresComplets(jets_, destinations_);
    RemplitRaceEtClasse(tires);
    const std::optional<Scores> ajustes = ScoresAjustes();
    const std::optional<int> pourcentage = ForceExceptionnelleActuelle(ajustes);

    const Scores partiels = ScoresRepartis(jets_, destinations_);
    const bool sixieme = jets_.methode == MethodeTirage::VI;
    const QList<int> valeurs = jets_.Valeurs();
    for (int c = 0; c < NombreCaracteristiques; ++c) {
        Ligne& l = lignes_[c];
        if (sixieme) {
            QString texte = texteScore(ScoreDeDepartMethodeVI);
            for (qsizetype d = 0; d < destinations_.size(); ++d)
                if (destinations_[d] == c)
                    texte += QStringLiteral(" + ") + texteScore(valeurs[d]);
            l.jet->setText(texte);
        } else if (!EstARepartir(jets_.methode)) {
            // II: both rolls of the ability, the one not kept in brackets.
            l.jet->setText(jets_.methode == MethodeTirage::I
                               ? jets_.Texte(c)
                               : jets_.Texte(2 * c) + QStringLiteral("   ") + jets_.Texte(2 * c + 1));
        }
        const bool donne = sixieme || destinations_.contains(c);
        l.tire->setText(donne ? texteScore(partiels[c]) : QString());
        QString ajuste;
        if (ajustes)
            ajuste = c == Force && pourcentage ? TexteForceExceptionnelle(*pourcentage) : texteScore((*ajustes)[c]);
        l.ajuste->setText(ajuste);
    }
    lignes_[LigneBeaute].tire->setText(texteScore(jets_.beaute.Total()));
    lignes_[LigneBeaute].ajuste->setText(texteScore(jets_.beaute.Total()));
    ButtonAppliquer->setEnabled(ajustes.has_value());
}

void TFormTirage::Applique()
{
    const std::optional<Scores> ajustes = ScoresAjustes();
    if (!ajustes)
        return;
    const std::optional<int> pourcentage = ForceExceptionnelleActuelle(ajustes);
    const Scores& s = *ajustes;
    Tirage t{texteScore(s[Force]), texteScore(s[Dexterite]), texteScore(s[Constitution]),
             texteScore(s[Intelligence]), texteScore(s[Sagesse]), texteScore(s[Charisme]),
             texteScore(jets_.beaute.Total()), pourcentage ? QString::number(*pourcentage) : QString(),
             std::nullopt, std::nullopt};
    const QString race = ComboRaceTirage->currentData().toString();
    const QString classe = ComboClasseTirage->currentData().toString();
    if (!race.isEmpty())
        t.race = race;
    if (!classe.isEmpty())
        t.classe = classe;
    resultat_ = t;
    accept();
}

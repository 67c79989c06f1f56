#include "PreparationFenetre.h"

#include <QEvent>
#include <QFont>
#include <QPushButton>
#include <QString>
#include <QWidget>

void PrepareFenetre(QWidget& fenetre, const char* nom, const QString& titre)
{
    fenetre.setObjectName(QString::fromLatin1(nom));
    fenetre.setWindowTitle(titre);
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPixelSize(13);
    fenetre.setFont(police);
}

namespace {

class PremierAffichage : public QObject {
public:
    PremierAffichage(QWidget& fenetre, std::function<void()> dispose)
        : QObject(&fenetre), dispose_(std::move(dispose))
    {
        fenetre.installEventFilter(this);
    }

    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (objet == parent() && evenement->type() == QEvent::Show) {
            objet->removeEventFilter(this);
            const std::function<void()> dispose = std::move(dispose_);
            deleteLater();
            dispose();
        }
        return false;
    }

private:
    std::function<void()> dispose_;
};

}

void AuPremierAffichage(QWidget& fenetre, std::function<void()> dispose)
{
    new PremierAffichage(fenetre, std::move(dispose));
}

QPushButton* BoutonRetour(QWidget& fenetre)
{
    auto* bouton = new QPushButton(QStringLiteral("OK"), &fenetre);
    bouton->setObjectName(QStringLiteral("ButtonRetour"));
    bouton->setToolTip(QStringLiteral("Retour au personnage"));
    return bouton;
}

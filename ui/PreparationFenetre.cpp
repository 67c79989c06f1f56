#include "PreparationFenetre.h"

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

QPushButton* BoutonRetour(QWidget& fenetre)
{
    auto* bouton = new QPushButton(QStringLiteral("OK"), &fenetre);
    bouton->setObjectName(QStringLiteral("ButtonRetour"));
    bouton->setToolTip(QStringLiteral("Retour au personnage"));
    return bouton;
}

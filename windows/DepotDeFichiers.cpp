#include "DepotDeFichiers.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

DepotDeFichiers::DepotDeFichiers(QWidget& fenetre, std::function<void(const QString&)> depose)
    : QObject(&fenetre), depose_(std::move(depose))
{
    fenetre.setAcceptDrops(true);
    fenetre.installEventFilter(this);
    for (QLineEdit* champ : fenetre.findChildren<QLineEdit*>())
        champ->installEventFilter(this);
}

QString DepotDeFichiers::PremierFichier(const QMimeData* donnees)
{
    if (!donnees || !donnees->hasUrls())
        return {};
    for (const QUrl& url : donnees->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

bool DepotDeFichiers::eventFilter(QObject* objet, QEvent* evenement)
{
    switch (evenement->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDropEvent*>(evenement);
        if (PremierFichier(e->mimeData()).isEmpty())
            break;
        e->setDropAction(Qt::CopyAction);
        e->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(evenement);
        const QString fichier = PremierFichier(e->mimeData());
        if (fichier.isEmpty())
            break;
        e->setDropAction(Qt::CopyAction);
        e->accept();
        depose_(fichier);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(objet, evenement);
}

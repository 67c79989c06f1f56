#include "MenuRecents.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

MenuRecents::MenuRecents(QWidget* parent) : QMenu(QStringLiteral("Personnages &récents"), parent)
{
    setObjectName("PersonnagesRecents1");
    setToolTipsVisible(true);
    FixeFichiers({});
}

void MenuRecents::FixeFichiers(const QStringList& fichiers)
{
    clear();
    int n = 0;
    for (const QString& fichier : fichiers) {
        // "&" in a name is shown as it is, not taken for a shortcut.
        const QString nom = QFileInfo(fichier).fileName().replace(u'&', QStringLiteral("&&"));
        QAction* a = addAction(QStringLiteral("&%1 %2").arg(++n).arg(nom));
        const QString chemin = QDir::toNativeSeparators(fichier);
        a->setToolTip(chemin);
        a->setStatusTip(chemin);
        connect(a, &QAction::triggered, this, [this, fichier] { Q_EMIT Choisi(fichier); });
    }
    setEnabled(!fichiers.isEmpty());
}

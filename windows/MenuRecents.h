#pragma once

#include <QMenu>
#include <QStringList>

// The menu "Personnages récents": one entry per file, newest first, each
// named "&1 name.vdl" with its whole path as tip; greyed when empty.
class MenuRecents : public QMenu {
    Q_OBJECT
public:
    explicit MenuRecents(QWidget* parent = nullptr);
    void FixeFichiers(const QStringList& fichiers);

Q_SIGNALS:
    void Choisi(const QString& fichier);
};

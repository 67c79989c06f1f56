#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

// Files dropped onto a window: a drag that brings a local file is taken by
// the window and its fields alike (a field would otherwise write the
// file's path into itself), and the first file dropped goes to `depose`.
class DepotDeFichiers : public QObject {
public:
    DepotDeFichiers(QWidget& fenetre, std::function<void(const QString&)> depose);

    // The first local file a drag brings; empty when it brings none.
    static QString PremierFichier(const QMimeData* donnees);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    std::function<void(const QString&)> depose_;
};

#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

// The window's shortcuts win over the fields' own keys: a field that has
// the focus would otherwise take some of them for itself (Ctrl+E moves to
// the end of a line).
class RaccourcisAvantLesChamps : public QObject {
public:
    RaccourcisAvantLesChamps(QWidget& fenetre, QList<QKeySequence> raccourcis);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QList<QKeySequence> raccourcis_;
};

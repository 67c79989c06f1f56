#include "Accessibilite.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QWidget>

QVariant EntreeMarquable::data(int role) const
{
    if (role == Qt::CheckStateRole)
        return isSelected() ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::AccessibleTextRole && texteLu_ && *texteLu_ && listWidget())
        return (*texteLu_)(listWidget()->row(this));
    return QListWidgetItem::data(role);
}

void EntreeMarquable::setData(int role, const QVariant& valeur)
{
    // The mark is the selection: only the list's own gestures change it.
    if (role == Qt::CheckStateRole)
        return;
    QListWidgetItem::setData(role, valeur);
}

void NommeParBulle(QWidget& fenetre)
{
    for (QAbstractButton* b : fenetre.findChildren<QAbstractButton*>())
        if (b->text().isEmpty() && b->accessibleName().isEmpty() && !b->toolTip().isEmpty())
            b->setAccessibleName(b->toolTip());
}

namespace {

// The controls that follow a panel, kept by the panel.
class SuiviReste : public QObject {
public:
    explicit SuiviReste(QLabel& panel) : QObject(&panel) { setObjectName(QStringLiteral("SuiviReste")); }
    QList<QPointer<QWidget>> controles;
};

void decrit(QWidget& controle, const QString& texte)
{
    if (controle.accessibleDescription() == texte)
        return;
    controle.setAccessibleDescription(texte);
    QAccessibleEvent evenement(&controle, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&evenement);
}

}

void SuitLeReste(QLabel& panel, QWidget& controle)
{
    auto* suivi = panel.findChild<SuiviReste*>(QString(), Qt::FindDirectChildrenOnly);
    if (!suivi)
        suivi = new SuiviReste(panel);
    suivi->controles.append(&controle);
    decrit(controle, panel.text());
}

void FixeTexteReste(QLabel& panel, const QString& texte)
{
    if (panel.text() != texte) {
        panel.setText(texte);
        QAccessibleEvent evenement(&panel, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&evenement);
    }
    if (auto* suivi = panel.findChild<SuiviReste*>(QString(), Qt::FindDirectChildrenOnly))
        for (const QPointer<QWidget>& c : suivi->controles)
            if (c)
                decrit(*c, texte);
}

#include "PanelReste.h"

#include <QFont>
#include <QLabel>
#include <QPalette>

QLabel* CreePanelReste(QWidget& parent)
{
    auto* panel = new QLabel(&parent);
    panel->setObjectName(QStringLiteral("PanelReste"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setAlignment(Qt::AlignCenter);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(16);
    arial.setBold(true);
    arial.setItalic(true);
    panel->setFont(arial);
    QPalette p = panel->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::WindowText, Qt::red);
    panel->setPalette(p);
    return panel;
}

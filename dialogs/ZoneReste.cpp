#include "ZoneReste.h"

#include "Champs.h"

#include <QLabel>

QLabel* CreeZoneReste(QWidget& parent, const QRect& place)
{
    auto* zone = new QLabel(&parent);
    zone->setObjectName("PanelReste");
    zone->setGeometry(place);
    zone->setFrameStyle(QFrame::Panel | QFrame::Raised);
    zone->setLineWidth(1);
    zone->setAlignment(Qt::AlignCenter);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(16);
    arial.setBold(true);
    arial.setItalic(true);
    zone->setFont(arial);
    QPalette p = zone->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::WindowText, Qt::red);
    zone->setPalette(p);
    return zone;
}

void AfficheReste(QLabel& zone, int points)
{
    zone.setText(TexteIlReste(points));
    zone.repaint();
}

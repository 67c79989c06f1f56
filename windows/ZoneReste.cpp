#include "ZoneReste.h"

#include "Accessibilite.h"

#include "Champs.h"
#include "PanelReste.h"

#include <QLabel>

QLabel* CreeZoneReste(QWidget& parent, const QRect& place)
{
    QLabel* zone = CreePanelReste(parent);
    zone->setGeometry(place);
    return zone;
}

void AfficheReste(QLabel& zone, int points)
{
    FixeTexteReste(zone, TexteIlReste(points));
    zone.repaint();
}

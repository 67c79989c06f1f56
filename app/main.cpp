#include "Plateforme.h"
#include "Polices.h"
#include "UnitPerso.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vardel"));
    InstallePolices();

    // The main window first: it fixes the data directory.
    TPersoForm persoForm;

    persoForm.showMaximized();
    return QApplication::exec();
}

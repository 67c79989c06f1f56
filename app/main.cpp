#include "Fenetres.h"
#include "Polices.h"
#include "UnitPerso.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vardel"));
    InstallePolices();

    // The main window first: it fixes the data directory. Then the dialogs,
    // its children, which live for the whole run.
    TPersoForm persoForm;
    CreeFenetres(persoForm);

    persoForm.showMaximized();
    return QApplication::exec();
}

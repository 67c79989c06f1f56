#include "Fenetres.h"
#include "Polices.h"
#include "UnitPerso.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vardel"));
    InstallePolices();
    // The toolkit's own dialogs (print, files) speak French too, when its
    // translations are installed.
    QTranslator traductionQt;
    if (traductionQt.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    // The main window first: it fixes the data directory. Then the dialogs,
    // its children, which live for the whole run.
    TPersoForm persoForm;
    CreeFenetres(persoForm);

    persoForm.showMaximized();
    return QApplication::exec();
}

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
    // The toolkit's own words (the file dialogs' buttons and columns) in
    // French, when the toolkit's translations are installed.
    QTranslator traduction;
    if (traduction.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    // The main window first: it fixes the data directory. Then the dialogs,
    // its children, which live for the whole run.
    TPersoForm persoForm;
    CreeFenetres(persoForm);

    persoForm.showMaximized();
    return QApplication::exec();
}

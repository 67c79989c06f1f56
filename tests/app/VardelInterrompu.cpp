// Vardel in the middle of an edit, to be killed: the program on the shipped
// data (first argument) with its recovery file in a folder (second), the
// name typed (third). Prints "pret" once the recovery file is written, then
// waits to be killed.
#include "Fenetres.h"
#include "Recuperation.h"
#include "UnitPerso.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 4)
        return 2;
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    TPersoForm persoForm;
    const Fenetres f = CreeFenetres(persoForm);
    Recuperation recuperation(f, QString::fromLocal8Bit(argv[2]));
    persoForm.show();
    persoForm.EditNom->setText(QString::fromLocal8Bit(argv[3]));
    QTimer attente;
    QObject::connect(&attente, &QTimer::timeout, [&] {
        if (QFile::exists(recuperation.Fichier())) {
            attente.stop();
            std::puts("pret");
            std::fflush(stdout);
        }
    });
    attente.start(50);
    return QApplication::exec();
}

#include "ProgrammeDeMesure.h"

#include "Polices.h"

#include <QDir>
#include <benchmark/benchmark.h>

int& ProgrammeDeMesure::sansAffichage(int& argc)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

ProgrammeDeMesure::ProgrammeDeMesure(int& argc, char** argv)
    : argc_(argc), argv_(argv), application_(sansAffichage(argc), argv)
{
    InstallePolices();
    QDir::setCurrent(QStringLiteral(VARDEL_DONNEES));
}

int ProgrammeDeMesure::lance()
{
    benchmark::Initialize(&argc_, argv_);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

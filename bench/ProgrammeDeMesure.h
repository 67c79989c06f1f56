#pragma once

#include <QApplication>

// What every benchmark program starts with: no display needed (offscreen
// unless told otherwise), the application and its fonts, and the shipped
// data as working directory, as when Vardel runs. `lance` runs the
// benchmarks chosen on the command line.
class ProgrammeDeMesure {
public:
    ProgrammeDeMesure(int& argc, char** argv);
    int lance();

private:
    static int& sansAffichage(int& argc);

    int& argc_;
    char** argv_;
    QApplication application_;
};

#include "PlateformeScriptee.h"
#include "Polices.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a QApplication (offscreen unless told
// otherwise) and the scripted platform in place of the real boxes.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallePolices();
    installePlateforme(std::make_unique<PlateformeScriptee>());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

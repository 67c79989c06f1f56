#include <QCoreApplication>
#include <gtest/gtest.h>

// The test programs of the rules run without any window.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

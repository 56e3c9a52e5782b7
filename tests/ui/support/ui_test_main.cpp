#include <gtest/gtest.h>

#include <QApplication>

#include "ui/widgets/ProgramStyle.h"

int main(int argc, char* argv[]) {
    // Test discovery runs this binary at build time, where there is no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    stapelwerk::applyProgramStyle(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

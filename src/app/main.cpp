#include <QApplication>
#include <QScreen>

#include "app/Artwork.h"
#include "app/MainWindow.h"
#include "app/ProgramStyle.h"
#include "app/WindowPlacement.h"
#include "platform/QtPlatform.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    stapelwerk::applyProgramStyle(application);
    QApplication::setWindowIcon(stapelwerk::artwork::programIcon());
    QGuiApplication::setDesktopFileName("org.example.stapelwerk");
    stapelwerk::QtPlatform platform;
    stapelwerk::MainWindow window(platform);
    platform.setMessageParent(&window);
    stapelwerk::centreOn(&window, window.screen()->availableGeometry());
    window.show();
    return QApplication::exec();
}

#include <QApplication>

#include "app/MainWindow.h"
#include "app/ProgramStyle.h"
#include "platform/QtPlatform.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    stapelwerk::applyProgramStyle(application);
    stapelwerk::QtPlatform platform;
    stapelwerk::MainWindow window(platform);
    platform.setMessageParent(&window);
    window.show();
    return QApplication::exec();
}

#include <QApplication>
#include <QScreen>

#include "app/MainWindow.h"
#include "core/job.h"
#include "core/texts.h"
#include "platform/QtPlatform.h"
#include "widgets/Artwork.h"
#include "widgets/ProgramStyle.h"
#include "widgets/QtText.h"
#include "widgets/WindowPlacement.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    stapelwerk::applyProgramStyle(application);
    QApplication::setWindowIcon(stapelwerk::artwork::programIcon());
    QGuiApplication::setDesktopFileName("stapelwerk");
    stapelwerk::QtPlatform platform(stapelwerk::qt(stapelwerk::texts::kMessageTitle));
    stapelwerk::Job job;
    stapelwerk::MainWindow window(platform, job);
    platform.setMessageParent(&window);
    stapelwerk::centreOn(&window, window.screen()->availableGeometry());
    window.show();
    return QApplication::exec();
}

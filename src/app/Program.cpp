#include "app/Program.h"

#include <QApplication>
#include <QScreen>

#include "app/GuardedApplication.h"
#include "app/MainWindow.h"
#include "core/job.h"
#include "core/texts.h"
#include "platform/QtPlatform.h"
#include "widgets/Artwork.h"
#include "widgets/ProgramStyle.h"
#include "widgets/QtText.h"
#include "widgets/QtWords.h"
#include "widgets/WindowPlacement.h"

namespace stapelwerk {

int runProgram(int& argc, char** argv, const std::function<void()>& shown) {
    GuardedApplication application(argc, argv);
    applyProgramStyle(application);
    loadQtGermanWords(application);
    QApplication::setWindowIcon(artwork::programIcon());
    QGuiApplication::setDesktopFileName("org.example.stapelwerk");
    QtPlatform platform(qt(texts::kMessageTitle));
    Job job;
    MainWindow window(platform, job);
    platform.setMessageParent(&window);
    centreOn(&window, window.screen()->availableGeometry());
    window.show();
    if (shown) shown();
    return QApplication::exec();
}

}  // namespace stapelwerk

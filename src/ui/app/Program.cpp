#include "ui/app/Program.h"

#include <QApplication>
#include <QScreen>

#include "core/job.h"
#include "core/texts.h"
#include "platform/os.h"
#include "ui/app/GuardedApplication.h"
#include "ui/app/MainWindow.h"
#include "ui/platform/QtPlatform.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/ProgramStyle.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/QtWords.h"
#include "ui/widgets/WindowPlacement.h"

namespace stapelwerk {

int runProgram(int& argc, char** argv, const std::function<void()>& shown) {
    os::returnLargeBlocksWhenFreed();
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

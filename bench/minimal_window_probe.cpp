// The yardstick for start-up: a minimal Qt window that quits once it is up and prints
// the memory it then holds.

#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char* argv[]) {
    int status = 0;
    {
        QApplication application(argc, argv);
        QWidget window;
        window.show();
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
        status = QApplication::exec();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_kB=%ld\n", usage.ru_maxrss);
    return status;
}

// Starts the program as a user would and quits once its window is up, printing the
// memory it then holds: the start-up, measured from outside by scripts/bench.sh.

#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "ui/app/Program.h"

int main(int argc, char* argv[]) {
    const int status = stapelwerk::runProgram(
        argc, argv, [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_kB=%ld\n", usage.ru_maxrss);
    return status;
}

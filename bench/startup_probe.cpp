// Starts the program as a user would and quits once its window is up: the start-up
// time and the memory after start, measured from outside by scripts/bench.sh.

#include <QApplication>
#include <QTimer>

#include "app/Program.h"

int main(int argc, char* argv[]) {
    return stapelwerk::runProgram(argc, argv,
                                  [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
}

// The yardstick for start-up: a minimal Qt window that quits once it is up and prints
// the memory it then holds. With --text it shows one line of text, which makes Qt load the
// system's font database as every window with a word on it must.

#include <sys/resource.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <optional>
#include <string_view>

int main(int argc, char* argv[]) {
    int status = 0;
    {
        QApplication application(argc, argv);
        QWidget window;
        std::optional<QLabel> text;
        if (argc > 1 && std::string_view(argv[1]) == "--text") text.emplace("Stapelwerk", &window);
        window.show();
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
        status = QApplication::exec();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_kB=%ld\n", usage.ru_maxrss);
    return status;
}

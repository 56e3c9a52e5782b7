#pragma once

#include <QApplication>

namespace stapelwerk {

// The program's application object. Memory that runs out in an event handler ends the
// program with a German message and exit status 1: an exception left to pass through
// Qt's event loop, which is not built for it, would end in an abort. By the time the
// exception arrives here the handler's temporary files have been removed on the way.
class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

// Says that memory ran out, on the terminal and in a message box when one can still be
// shown, and ends the program with status 1.
[[noreturn]] void endOutOfMemory();

}  // namespace stapelwerk

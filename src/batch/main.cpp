// stapelwerk-batch: the command line on the core. Everything it does lies in runBatch.

#include <clocale>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "batch/batch_command_line.h"
#include "batch/run_batch.h"
#include "batch/standard_input.h"
#include "core/texts.h"
#include "platform/os.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <filesystem>

#include "platform/paths.h"
#else
#include <unistd.h>
#endif

namespace {

// The arguments after the program's name, in UTF-8.
std::vector<std::string> argumentsOf(int argc, char* argv[]) {
#ifdef _WIN32
    // argv holds the ANSI code page, which loses every character outside it.
    static_cast<void>(argc);
    static_cast<void>(argv);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(stapelwerk::fromPath(std::filesystem::path(wide[i])));
    }
    LocalFree(wide);
    return arguments;
#else
    return {argv + 1, argv + argc};
#endif
}

// Whether a person types standard input at a console (not a pipe, not a file).
bool inputIsConsole() {
#ifdef _WIN32
    return _isatty(_fileno(stdin)) != 0;
#else
    return isatty(STDIN_FILENO) != 0;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // doit.pro's CR LF must leave unchanged, and a 0x1A in the input is a character.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    // The messages are UTF-8; the console shows them so for the run, then as before.
    const UINT consolePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
#endif
#ifndef _WIN32
    // A reason the program does not word itself comes in the system's words, which follow the
    // user's language as far as the system has it (the window gets this from Qt).
    std::setlocale(LC_MESSAGES, "");
    std::setlocale(LC_CTYPE, "");
#endif
    stapelwerk::os::returnLargeBlocksWhenFreed();
    stapelwerk::StdioInputBuffer input(stdin);
    std::istream in(&input);
    int status = stapelwerk::kExitRefused;
    try {
        status = stapelwerk::runBatch(argumentsOf(argc, argv), in, std::cout, std::cerr,
                                      inputIsConsole());
    } catch (const std::bad_alloc&) {
        // Every file being written has been put back on the way here.
        std::cerr << stapelwerk::texts::kMessageOutOfMemory << '\n';
    }
#ifdef _WIN32
    SetConsoleOutputCP(consolePage);
#endif
    return status;
}

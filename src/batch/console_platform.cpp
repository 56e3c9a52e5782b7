#include "batch/console_platform.h"

#include <filesystem>
#include <system_error>

#include "platform/os.h"
#include "platform/paths.h"

namespace stapelwerk {

std::string ConsolePlatform::readSetting(const std::string&, const std::string&, const std::string&,
                                         const std::string& fallback) {
    return fallback;
}

void ConsolePlatform::writeSetting(const std::string&, const std::string&, const std::string&,
                                   const std::string&) {}

std::string ConsolePlatform::loginName() { return os::loginName(); }

std::string ConsolePlatform::programDirectory() { return currentDirectory(); }

std::string ConsolePlatform::currentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : fromPath(current);
}

void ConsolePlatform::showMessage(const std::string& text) { messages_ << text << '\n'; }

bool ConsolePlatform::ask(const std::string& question) {
    messages_ << question << " Ja\n";
    return true;
}

}  // namespace stapelwerk

#pragma once

#include <string>
#include <vector>

namespace stapelwerk {

// Everything the program needs of the operating system beyond plain files.
// The Qt-backed implementation serves the program; tests use a recording fake.
class Platform {
public:
    virtual ~Platform() = default;

    // Per-user settings addressed by application, section and key; a missing key
    // reads as `fallback`. Keys may contain dots and must read back exactly.
    virtual std::string readSetting(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& fallback) = 0;
    virtual void writeSetting(const std::string& application, const std::string& section,
                              const std::string& key, const std::string& value) = 0;

    // Login name of the current user; empty when it cannot be determined.
    virtual std::string loginName() = 0;
    // Directory of the executable, without a trailing separator except for a root; where
    // the executable's directory cannot be written (an installed program), the user's
    // data directory for the program.
    virtual std::string programDirectory() = 0;
    virtual std::string currentDirectory() = 0;

    // Plain text of the clipboard; empty when it holds no text or cannot be read.
    virtual std::string clipboardText() = 0;

    // Root paths of the available drives (drive letters on Windows, mount points elsewhere).
    virtual std::vector<std::string> drives() = 0;

    // Opens a document or address with the system's default action; false on failure.
    virtual bool shellOpen(const std::string& pathOrAddress) = 0;
    // Starts playing a wave file and returns at once; a missing file is silently ignored.
    // A bare name is looked for in the current directory, then among the program's files.
    virtual void playSound(const std::string& fileName) = 0;
    virtual void pause(int milliseconds) = 0;

    // Modal message with the program's title and a single OK button.
    virtual void showMessage(const std::string& text) = 0;
    // Modal question with the program's title and the buttons Yes and No, Yes the
    // default; true when the user answers Yes.
    virtual bool ask(const std::string& question) = 0;
    // The same question with No the default, where Yes replaces a file.
    virtual bool askDefaultNo(const std::string& question) = 0;
};

}  // namespace stapelwerk

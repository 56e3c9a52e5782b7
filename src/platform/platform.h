#pragma once

#include <string>
#include <vector>

namespace stapelwerk {

// What a file chooser asks: its title, the directory it starts in, the files it offers
// ("Aufträge (*.stapel)"), and whether the file is to be saved rather than opened.
struct FileQuestion {
    std::string title;
    std::string directory;
    std::string filter;
    bool toSave = false;
};

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
    // Directory of the executable, without a trailing separator except for a root.
    virtual std::string programDirectory() = 0;
    // Whether that directory is an installation rather than a folder of the user's own
    // (isInstallation in app/program_place.h).
    virtual bool programInstalled() = 0;
    // The user's documents folder (the home directory where there is none).
    virtual std::string documentsDirectory() = 0;
    // The user's data folder for the program, made when it is not there.
    virtual std::string dataDirectory() = 0;
    virtual std::string currentDirectory() = 0;

    // Plain text of the clipboard; empty when it holds no text or cannot be read.
    virtual std::string clipboardText() = 0;

    // Root paths of the available drives (drive letters on Windows, mount points elsewhere).
    virtual std::vector<std::string> drives() = 0;

    // Opens a document or address with the system's default action; false on failure.
    virtual bool shellOpen(const std::string& pathOrAddress) = 0;
    // Opens a text file in the system's plain text editor (Notepad on Windows, the
    // desktop's editor elsewhere), for a file type no program is set up for; false when
    // none started.
    virtual bool openInTextEditor(const std::string& path) = 0;
    // Starts playing a wave file and returns at once; a missing file is silently ignored.
    // A bare name is looked for in the current directory, then among the program's files.
    virtual void playSound(const std::string& fileName) = 0;
    virtual void pause(int milliseconds) = 0;

    // Modal message with the program's title and a single OK button.
    virtual void showMessage(const std::string& text) = 0;
    // Modal question with the program's title and the buttons Yes and No; No is the
    // default, and Escape answers No: every question's Yes changes a file of the user's or
    // builds what may not be meant. True when the user answers Yes.
    virtual bool ask(const std::string& question) = 0;
    // Modal choice of a file to open, titled `title`, starting where the last choice
    // ended; empty when the user chose none.
    virtual std::string chooseFileToOpen(const std::string& title) = 0;
    // Modal choice of a file to open, or of where to save one (a file there is replaced
    // once the user agrees), starting in `question.directory` and offering the files that
    // `question.filter` names; empty when the user chose none.
    virtual std::string chooseFileIn(const FileQuestion& question) = 0;
};

}  // namespace stapelwerk

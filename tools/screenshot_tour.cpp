// Renders the program's windows, in the states a user meets them, to PNG files.
// Usage: stapelwerk_screenshots OUTPUT_DIRECTORY (run on the offscreen platform).

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>

#include "app/MainWindow.h"
#include "app/ProgramStyle.h"
#include "platform/QtPlatform.h"

namespace {

// A platform that never blocks on a message box and pastes a fixed column of names.
class TourPlatform : public stapelwerk::QtPlatform {
public:
    using QtPlatform::QtPlatform;
    std::string clipboardText() override {
        return "Name\r\nwelle.drw.3\r\nflansch.drw\r\ngehaeuse.prt.12\r\ndeckel.prt\r\n";
    }
    void showMessage(const std::string&) override {}
};

void save(QWidget* window, const QDir& directory, const QString& name) {
    window->grab().save(directory.filePath(name + ".png"));
    QTextStream(stdout) << directory.filePath(name + ".png") << "\n";
}

template <typename T = QPushButton>
T* find(QWidget* root, const char* name) {
    T* found = root->findChild<T*>(name);
    if (found == nullptr) {
        QTextStream(stderr) << "missing control " << name << "\n";
        std::exit(2);
    }
    return found;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    stapelwerk::applyProgramStyle(application);
    const QDir output(argc > 1 ? argv[1] : "screenshots");
    QDir().mkpath(output.path());
    QTemporaryDir settings;
    TourPlatform platform(settings.path());

    stapelwerk::MainWindow window(platform);
    find<QLineEdit>(&window, "txt_pro")->setText(settings.path());
    window.show();
    save(&window, output, "main-worklist");

    find(&window, "cmd_paste")->click();
    find<QWidget>(&window, "kontextmenue")->show();
    save(&window, output, "main-worklist-menu");

    find(&window, "cmd_file")->click();
    find(&window, "cmd_SaveAs")->click();
    save(&window, output, "main-functions");
    return 0;
}

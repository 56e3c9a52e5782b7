// Renders the program's windows, in the states a user meets them, to PNG files.
// Usage: stapelwerk_screenshots OUTPUT_DIRECTORY (run on the offscreen platform).

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>

#include "app/MainWindow.h"
#include "app/PictureButton.h"
#include "app/ProgramStyle.h"
#include "platform/QtPlatform.h"

namespace {

// A platform that never blocks on a message box and pastes a fixed column of names.
class TourPlatform : public stapelwerk::QtPlatform {
public:
    // Settings and the parameter value list go to `directory`.
    explicit TourPlatform(const QString& directory)
        : QtPlatform(directory), directory_(directory.toStdString()) {}
    std::string programDirectory() override { return directory_; }
    std::string clipboardText() override {
        return "Name\r\nwelle.drw.3\r\nflansch.drw\r\ngehaeuse.prt.12\r\ndeckel.prt\r\n";
    }
    void showMessage(const std::string&) override {}

private:
    std::string directory_;
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

    QWidget* functions = find<QWidget>(&window, "Frame2");
    find(functions, "cmd_mapkey")->click();
    save(find<QDialog>(&window, "frm_mapkeyneu"), output, "dialog-mapkey-chain");

    find(functions, "cmd_ploesch")->click();
    save(find<QDialog>(&window, "frm_ploesch"), output, "dialog-parameter-deletion");

    find(functions, "cmd_param")->click();
    auto* param = find<QDialog>(&window, "frm_param");
    auto* entry = find<QLineEdit>(param, "Text1");
    for (const char* value : {"STAHL", "ALU", "STAHL"}) {
        entry->setText(value);
        find(param, "cmd_hinzu")->click();
    }
    save(param, output, "dialog-parameter-list-menu");
    entry->setText("MESSING");
    find(param, "cmd_hinzu")->click();
    emit find<stapelwerk::PictureButton>(param, "save")->clicked();  // shows the list file's path
    save(param, output, "dialog-parameter-list");
    return 0;
}

// Renders the program's windows, in the states a user meets them, to PNG files.
// Usage: stapelwerk_screenshots OUTPUT_DIRECTORY (run on the offscreen platform).

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>

#include "app/MainWindow.h"
#include "app/PictureButton.h"
#include "app/ProgramStyle.h"
#include "app/startup.h"
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

// A small drawing office: drawings and parts, a hidden file and two folders.
QString makeDrawingDirectory(const QString& root) {
    const QDir directory(root + "/Projekt_4711");
    for (const char* folder : {"Baugruppen", "Normteile"}) directory.mkpath(folder);
    for (const char* name : {"welle.drw.3", "Flansch.drw", "deckel.drw.1", "welle.prt.2",
                             "gehaeuse.asm.4", ".cache.drw", "Achse.DRW.2"}) {
        QFile file(directory.filePath(name));
        file.open(QIODevice::WriteOnly);
    }
    return directory.path();
}

void clickLabel(QWidget* label) {
    const QPointF inside(5, 5);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, label->mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &release);
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

    stapelwerk::storeOutputDirectory(platform, settings.path().toStdString());
    {
        stapelwerk::MainWindow window(platform);
        window.show();
        save(&window, output, "main-worklist");

        find(&window, "cmd_paste")->click();
        find<QWidget>(&window, "kontextmenue")->show();
        save(&window, output, "main-worklist-menu");

        find(&window, "cmd_file")->click();
        find(&window, "cmd_SaveAs")->click();
        save(&window, output, "main-functions");
    }
    {
        stapelwerk::MainWindow window(platform);
        window.show();
        find<QWidget>(&window, "kontextmenue")->show();
        emit find<stapelwerk::PictureButton>(&window, "filebrowser")->clicked();
        find<QLineEdit>(&window, "txt_path")->setText(makeDrawingDirectory(settings.path()));
        save(&window, output, "main-browser");

        auto* filter = find<QComboBox>(&window, "Combo1");
        filter->setCurrentIndex(1);
        emit filter->activated(1);
        find<QWidget>(&window, "kontextmenue")->hide();
        save(&window, output, "main-browser-parts");

        find<QPushButton>(&window, "cmd_okfiles")->click();
        clickLabel(find<QLabel>(&window, "Label7"));
        save(&window, output, "main-chooser");
    }
    const QString missing = settings.path() + "/gibt-es-nicht";
    stapelwerk::storeOutputDirectory(platform, missing.toStdString());
    {
        stapelwerk::MainWindow window(platform);
        window.show();
        save(&window, output, "startup-chooser");
    }
    return 0;
}

// Renders the program's windows, in the states a user meets them, to PNG files.
// Usage: stapelwerk_screenshots OUTPUT_DIRECTORY (run on the offscreen platform).

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>

#include "app/startup.h"
#include "core/job.h"
#include "ui/app/MainWindow.h"
#include "ui/platform/QtPlatform.h"
#include "ui/widgets/Artwork.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/ProgramStyle.h"

namespace {

void save(const QPixmap& picture, const QDir& directory, const QString& name) {
    picture.save(directory.filePath(name + ".png"));
    QTextStream(stdout) << directory.filePath(name + ".png") << "\n";
}

void save(QWidget* window, const QDir& directory, const QString& name) {
    save(window->grab(), directory, name);
}

// A platform that never blocks on a message box, pastes a fixed column of names, has a
// fixed user, and neither sounds nor opens anything: the pictures come out the same each time.
class TourPlatform : public stapelwerk::QtPlatform {
public:
    // Settings, the parameter value list and the kept work list go to `directory`.
    explicit TourPlatform(const QString& directory)
        : QtPlatform("Zinkhorn", directory), directory_(directory.toStdString()) {}
    std::string programDirectory() override { return directory_; }
    std::string dataDirectory() override { return directory_; }
    std::string loginName() override { return "mueller"; }
    std::string clipboardText() override { return clipboard; }
    void showMessage(const std::string&) override {}
    // A question is pictured as it would stand, under `nextQuestion`, and answered Yes.
    bool ask(const std::string& question) override {
        const std::unique_ptr<QMessageBox> box = questionBox(question);
        box->show();
        save(box.get(), shots_, nextQuestion);
        return true;
    }
    void setShotsDirectory(const QDir& shots) { shots_ = shots; }

    std::string clipboard =
        "Name\r\nwelle.drw.3\r\nTRÄGER.drw\r\ngehaeuse.prt.12\r\ndeckel.prt\r\n";
    QString nextQuestion = "question";
    void playSound(const std::string&) override {}
    bool shellOpen(const std::string&) override { return true; }
    void pause(int) override {}

private:
    std::string directory_;
    QDir shots_;
};

// The window as a user sees it with `dialog` standing over it.
QPixmap grabWith(QWidget* window, QWidget* dialog) {
    QPixmap picture = window->grab();
    QPainter painter(&picture);
    painter.drawPixmap(dialog->geometry().topLeft() - window->geometry().topLeft(), dialog->grab());
    return picture;
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

// Moves the pointer onto `control`, as a user's hand would.
void pointAt(QWidget* control) {
    QCursor::setPos(control->mapToGlobal(control->rect().center()));
    QApplication::processEvents();
}

// The pictures and pointers side by side, four times enlarged, to judge them.
QPixmap artworkSheet() {
    namespace art = stapelwerk::artwork;
    const QPixmap pictures[] = {
        art::filesPicture({58, 65}),   art::infoPicture({32, 32}),
        art::exitPicture({40, 41}),    art::closePicture({20, 20}),
        art::browserPicture({32, 32}), art::finishedPicture({149, 109}),
        art::okPicture({16, 16}),      art::programPicture(48),
        art::savePicture({34, 33}),    art::tagPicture({32, 32}),
        art::handCursor().pixmap(),    art::directoryCursor().pixmap(),
    };
    constexpr int kZoom = 4;
    int width = 0;
    for (const QPixmap& picture : pictures) width += picture.width() * kZoom + 16;
    QPixmap sheet(width, 109 * kZoom + 16);
    sheet.fill(QColor(224, 224, 224));
    QPainter painter(&sheet);
    int left = 8;
    for (const QPixmap& picture : pictures) {
        painter.drawPixmap(QRect(left, 8, picture.width() * kZoom, picture.height() * kZoom),
                           picture);
        left += picture.width() * kZoom + 16;
    }
    return sheet;
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
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    stapelwerk::applyProgramStyle(application);
    const QDir output(argc > 1 ? argv[1] : "screenshots");
    QDir().mkpath(output.path());
    QTemporaryDir settings;
    TourPlatform platform(settings.path());
    platform.setShotsDirectory(output);

    // A fixed place for doit.pro, so that the output directory reads the same in every run.
    const QDir work("/tmp/stapelwerk-tour/ProEWildfire3");
    work.mkpath(".");
    stapelwerk::storeOutputDirectory(platform, (work.path() + "/").toStdString());
    // The user's mapkeys, which the chain dialog lists and the check looks for.
    QFile config(work.filePath("config.pro"));
    config.open(QIODevice::WriteOnly);
    config.write(
        "mapkey ds @MAPKEY_NAMEZeichnung speichern;~ Command `ProCmdDwgSave`;\r\n"
        "mapkey bb @MAPKEY_LABELBemassung ausblenden;\\\r\n"
        "mapkey(continued) ~ Command `ProCmdDwgHideDim`;\r\n"
        "mapkey 00 @MAPKEY_NAMESpeichern und schliessen;~ Command `ProCmdModelSave`;\r\n");
    config.close();
    {
        stapelwerk::Job job;
        stapelwerk::MainWindow window(platform, job);
        window.show();
        save(&window, output, "main-worklist");
        // The focus on the empty list and on a picture button, as Tab puts it there.
        window.activateWindow();
        for (const char* control : {"List_File1", "img_files", "Label7"}) {
            find<QWidget>(&window, control)->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            save(&window, output, QString("focus-") + control);
        }

        find(&window, "cmd_paste")->click();
        find<QWidget>(&window, "kontextmenue")->show();
        save(&window, output, "main-worklist-menu");

        find(&window, "cmd_file")->click();
        find(&window, "cmd_SaveAs")->click();
        pointAt(find(&window, "cmd_SaveAs"));
        save(&window, output, "main-functions");

        pointAt(find(&window, "cmd_auto"));
        save(&window, output, "main-explanation-auto");

        find(&window, "cmd_preview")->click();
        auto* preview = find<QDialog>(&window, "frm_preview");
        find<QLineEdit>(preview, "txt_search")->setText("flansch");
        find(preview, "cmd_findnext")->click();
        save(preview, output, "dialog-preview");
        preview->close();

        // Back to the work list: the function panel, which stands in the same place, goes.
        emit find<stapelwerk::PictureButton>(&window, "img_files")->clicked();
        save(&window, output, "main-worklist-back");
        find(&window, "cmd_file")->click();
        find(&window, "cmd_SaveAs")->click();

        find(&window, "cmd_fcreate")->click();
        auto* completion = find<QWidget>(&window, "frm_ok");
        save(grabWith(&window, completion), output, "main-written");
        save(completion, output, "completion-dialog");
        completion->close();

        emit find<stapelwerk::PictureButton>(&window, "Image1")->clicked();
        save(find<QWidget>(&window, "frm_help"), output, "info-dialog");

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
        emit find<stapelwerk::PictureButton>(param, "save")->clicked();  // shows the file's path
        save(param, output, "dialog-parameter-list");

        // Values by name from a spreadsheet: one part has none, one name no part.
        platform.clipboard =
            "FLANSCH.drw\tALU\nwelle.drw\tSTAHL\ndeckel.prt\tMESSING\n"
            "achse.prt\tSTAHL\n";
        find(param, "clear")->click();
        find(param, "paste")->click();
        save(param, output, "dialog-parameter-list-keyed");
        platform.nextQuestion = "question-keyed-values";
        find(param, "cmd_ok")->click();
    }
    {
        // The check before writing: a name with a blank, and a chain with a mapkey that no
        // config.pro defines, marked while it is typed.
        stapelwerk::Job job;
        stapelwerk::MainWindow window(platform, job);
        window.show();
        platform.clipboard = "Name\r\nwelle.drw\r\nmeine welle.drw\r\nflansch.drw\r\n";
        find(&window, "cmd_paste")->click();
        find(&window, "cmd_file")->click();
        find(find<QWidget>(&window, "Frame2"), "cmd_mapkey")->click();
        auto* chain = find<QDialog>(&window, "frm_mapkeyneu");
        find<QLineEdit>(chain, "txt_mapkeyname")->setText("ds;%bb;%xx;%00;");
        save(chain, output, "dialog-mapkey-chain-undefined");
        find(chain, "cmd_mapkeyok")->click();
        find(&window, "cmd_fcreate")->click();
        save(find<QDialog>(&window, "frm_pruefung"), output, "dialog-findings");
    }
    {
        stapelwerk::Job job;
        stapelwerk::MainWindow window(platform, job);
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
        stapelwerk::Job job;
        stapelwerk::MainWindow window(platform, job);
        window.show();
        save(&window, output, "startup-chooser");
    }

    save(artworkSheet(), output, "artwork");
    QDir("/tmp/stapelwerk-tour").removeRecursively();
    return 0;
}

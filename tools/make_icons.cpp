// Writes the program's icon in the sizes of the freedesktop icon theme:
// OUTPUT/<n>x<n>/apps/stapelwerk.png. Usage: stapelwerk_make_icons OUTPUT (offscreen).

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>

#include "ui/widgets/Artwork.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: stapelwerk_make_icons OUTPUT\n";
        return 2;
    }
    for (const int size : stapelwerk::artwork::kProgramIconSizes) {
        const QString directory = QString("%1/%2x%2/apps").arg(argv[1]).arg(size);
        QDir().mkpath(directory);
        QPixmap picture = stapelwerk::artwork::programPicture(size);
        if (!picture.save(directory + "/stapelwerk.png")) {
            QTextStream(stderr) << "cannot write " << directory << "/stapelwerk.png\n";
            return 1;
        }
    }
    return 0;
}

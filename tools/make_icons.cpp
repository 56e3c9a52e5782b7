// Writes the program's icon in the sizes of the freedesktop icon theme:
// OUTPUT/<n>x<n>/apps/stapelwerk.png; with --ico, one Windows icon file of every size.
// Usage: stapelwerk_make_icons OUTPUT | --ico FILE (offscreen).

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>

#include "ui/widgets/Artwork.h"

namespace {

bool writeThemeIcons(const QString& output) {
    for (const int size : stapelwerk::artwork::kProgramIconSizes) {
        const QString directory = QString("%1/%2x%2/apps").arg(output).arg(size);
        QDir().mkpath(directory);
        if (!stapelwerk::artwork::programPicture(size).save(directory + "/stapelwerk.png")) {
            QTextStream(stderr) << "cannot write " << directory << "/stapelwerk.png\n";
            return false;
        }
    }
    return true;
}

// An ICO file whose images are PNGs, as Windows reads them since Vista: the header, one
// directory entry a size, then the images.
bool writeWindowsIcon(const QString& path) {
    const auto& sizes = stapelwerk::artwork::kProgramIconSizes;
    QByteArray images;
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());
    const quint32 firstImage = 6 + 16 * static_cast<quint32>(sizes.size());
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        stapelwerk::artwork::programPicture(size).save(&buffer, "PNG");
        // A side of 256 is written as 0.
        out << quint8(size % 256) << quint8(size % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(png.size()) << quint32(firstImage + images.size());
        images += png;
    }
    QFile icon(path);
    if (!icon.open(QIODevice::WriteOnly) ||
        icon.write(file + images) != file.size() + images.size()) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == "--ico") {
        return writeWindowsIcon(arguments[1]) ? 0 : 1;
    }
    if (arguments.size() != 1 || arguments[0].startsWith("-")) {
        QTextStream(stderr) << "usage: stapelwerk_make_icons OUTPUT | --ico FILE\n";
        return 2;
    }
    return writeThemeIcons(arguments[0]) ? 0 : 1;
}

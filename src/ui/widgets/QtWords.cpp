#include "ui/widgets/QtWords.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace stapelwerk {

QTranslator* loadQtGermanWords(QCoreApplication& application) {
    // Lives with the application, which removes it on its end.
    auto* words = new QTranslator(&application);
    for (const QString& directory : {QCoreApplication::applicationDirPath() + "/translations",
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (words->load("qtbase_de", directory) && QCoreApplication::installTranslator(words)) {
            return words;
        }
    }
    delete words;
    return nullptr;
}

}  // namespace stapelwerk

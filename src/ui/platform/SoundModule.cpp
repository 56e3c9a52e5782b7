// The sound player, in a module of its own: the program loads it (and with it Qt
// Multimedia and the system's audio libraries) when it first plays a sound, so that
// starting the program costs neither their time nor their memory.

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include "ui/platform/SoundModule.h"

extern "C" Q_DECL_EXPORT void stapelwerkPlaySound(const char* utf8Path) {
    // The last sound stays alive while it plays; the application takes it down at the end.
    static QPointer<QSoundEffect> sound;
    delete sound;
    sound = new QSoundEffect(QCoreApplication::instance());
    sound->setSource(QUrl::fromLocalFile(QString::fromUtf8(utf8Path)));
    sound->play();
}

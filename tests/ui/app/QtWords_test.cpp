#include "ui/widgets/QtWords.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

namespace stapelwerk {
namespace {

// Qt's dialogs name their buttons through these words.
TEST(QtGermanWords, QtsOwnButtonsSpeakGerman) {
    QTranslator* words = loadQtGermanWords(*QCoreApplication::instance());
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    // The other tests see Qt's own words.
    QCoreApplication::removeTranslator(words);
    delete words;
}

}  // namespace
}  // namespace stapelwerk

#pragma once

class QCoreApplication;
class QTranslator;

namespace stapelwerk {

// Gives Qt's own words (the buttons and menus of its dialogs) in German: qtbase_de.qm
// from the translations folder beside the program (the Windows program carries it), else
// from where the system's Qt keeps its translations. The installed translator, owned by
// the application; null when neither place has it.
QTranslator* loadQtGermanWords(QCoreApplication& application);

}  // namespace stapelwerk

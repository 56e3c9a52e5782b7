#include "widgets/ProgramStyle.h"

#include <QApplication>
#include <QFont>

namespace stapelwerk {

void applyProgramStyle(QApplication& application) {
    QFont font = QApplication::font();
    font.setPointSizeF(7.5);
    application.setFont(font);
}

}  // namespace stapelwerk

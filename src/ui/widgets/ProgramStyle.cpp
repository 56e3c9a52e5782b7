#include "ui/widgets/ProgramStyle.h"

#include <QApplication>
#include <QFont>

#include "ui/widgets/EnterPressesButtons.h"
#include "ui/widgets/LabelFit.h"

namespace stapelwerk {

void applyProgramStyle(QApplication& application) {
    QFont font = QApplication::font();
    font.setPointSizeF(7.5);
    application.setFont(font);
    application.installEventFilter(new EnterPressesButtons(&application));
    application.installEventFilter(new LabelFitter(&application));
}

}  // namespace stapelwerk

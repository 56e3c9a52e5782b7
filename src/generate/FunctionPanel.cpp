#include "generate/FunctionPanel.h"

#include "widgets/Placement.h"
#include "widgets/WrappedButton.h"

namespace stapelwerk {

FunctionPanel::FunctionPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("Frame2");
    setFrameShape(QFrame::Box);
    setAccessibleName("Funktionen");
    placeTwips(this, 1200, 0, 5775, 855);

    constexpr int kLeft = 90;
    constexpr int kGap = 60;
    constexpr int kWidth = (5775 - 2 * kLeft - 3 * kGap) / 4;
    const struct {
        const char* objectName;
        const char* caption;
        void (FunctionPanel::*request)();
    } buttons[] = {
        {"cmd_mapkey", "&Mapkeys eingeben", &FunctionPanel::mapkeyChainRequested},
        {"cmd_param", "Parameter &erzeugen", &FunctionPanel::parameterAssignmentRequested},
        {"cmd_ploesch", "Parameter &löschen", &FunctionPanel::parameterDeletionRequested},
        {"cmd_SaveAs", "Über&speichern/ Erzeugen", &FunctionPanel::saveAsRequested},
    };
    int left = kLeft;
    for (const auto& b : buttons) {
        auto* button = new WrappedButton(b.caption, this);
        button->setObjectName(b.objectName);
        placeTwips(button, left, 150, kWidth, 555);
        connect(button, &QPushButton::clicked, this, b.request);
        if (focusProxy() == nullptr) setFocusProxy(button);  // the keyboard lands on the first
        left += kWidth + kGap;
    }
}

}  // namespace stapelwerk

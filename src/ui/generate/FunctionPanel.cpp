#include "ui/generate/FunctionPanel.h"

#include "core/texts.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/WrappedButton.h"

namespace stapelwerk {

FunctionPanel::FunctionPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("Frame2");
    setFrameShape(QFrame::Box);
    setAccessibleName(qt(texts::kFunctionPanelName));
    placeTwips(this, 1200, 0, 5775, 855);

    constexpr int kLeft = 90;
    constexpr int kGap = 60;
    constexpr int kWidth = (5775 - 2 * kLeft - 3 * kGap) / 4;
    const struct {
        const char* objectName;
        std::string_view caption;
        void (FunctionPanel::*request)();
    } buttons[] = {
        {"cmd_mapkey", texts::kFunctionMapkeys, &FunctionPanel::mapkeyChainRequested},
        {"cmd_param", texts::kFunctionAssignParameter,
         &FunctionPanel::parameterAssignmentRequested},
        {"cmd_ploesch", texts::kFunctionDeleteParameter,
         &FunctionPanel::parameterDeletionRequested},
        {"cmd_SaveAs", texts::kFunctionSaveAs, &FunctionPanel::saveAsRequested},
    };
    int left = kLeft;
    for (const auto& b : buttons) {
        auto* button = new WrappedButton(qt(b.caption), this);
        button->setObjectName(b.objectName);
        placeTwips(button, left, 150, kWidth, 555);
        connect(button, &QPushButton::clicked, this, b.request);
        if (focusProxy() == nullptr) setFocusProxy(button);  // the keyboard lands on the first
        left += kWidth + kGap;
    }
}

}  // namespace stapelwerk

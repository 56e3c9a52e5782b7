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
    constexpr int kCount = static_cast<int>(kFunctionTable.size());
    constexpr int kWidth = (5775 - 2 * kLeft - (kCount - 1) * kGap) / kCount;
    int left = kLeft;
    for (const FunctionRow& row : kFunctionTable) {
        auto* button = new WrappedButton(qt(row.caption), this);
        button->setObjectName(qt(row.button));
        placeTwips(button, left, 150, kWidth, 555);
        connect(button, &QPushButton::clicked, this,
                [this, function = row.function] { emit functionRequested(function); });
        if (focusProxy() == nullptr) setFocusProxy(button);  // the keyboard lands on the first
        left += kWidth + kGap;
    }
}

}  // namespace stapelwerk

#pragma once

#include <QPushButton>

namespace stapelwerk {

// A push button whose caption wraps onto several lines when the button is too
// narrow for it; text() stays the caption as written, "&" marking its mnemonic.
class WrappedButton : public QPushButton {
    Q_OBJECT
public:
    WrappedButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace stapelwerk

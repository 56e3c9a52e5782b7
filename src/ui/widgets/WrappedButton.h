#pragma once

#include <QPushButton>

namespace stapelwerk {

// A push button whose caption wraps onto several lines when the button is too
// narrow for it; text() stays the caption as written, "&" marking its mnemonic. Where the
// lines need more height than the style leaves inside the button, they take the button's
// whole inside; what still does not fit is cut after the last word that does, with "…",
// the whole caption then its tool tip.
class WrappedButton : public QPushButton {
    Q_OBJECT
public:
    WrappedButton(const QString& caption, QWidget* parent);

    // Where the caption is drawn, and the caption as drawn.
    QRect captionArea() const;
    QString shownCaption() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool captionFits(const QString& caption, const QRect& area) const;
    void describe();
};

}  // namespace stapelwerk

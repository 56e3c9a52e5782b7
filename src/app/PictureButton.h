#pragma once

#include <QLabel>

namespace stapelwerk {

// A clickable picture with a tool tip and a name for screen readers.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    PictureButton(const QString& objectName, const QPixmap& picture, const QString& toolTip,
                  const QString& accessibleName, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Places a widget at a design position given in twips (left, top, width, height).
void placeTwips(QWidget* widget, int left, int top, int width, int height);

}  // namespace stapelwerk

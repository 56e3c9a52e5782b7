#pragma once

#include <QWidget>

namespace stapelwerk {

class Platform;

// The info dialog `frm_help`: how the program is used, the mapkey auto, the terms of
// use and a link to the download page. Made, it plays the sound and grows from nothing
// to its full width before the constructor returns.
class InfoDialog : public QWidget {
    Q_OBJECT
public:
    InfoDialog(Platform& platform, QWidget* parent);

protected:
    // Escape closes it, as it closes every dialog of the program.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void growOpen();

    Platform& platform_;
};

}  // namespace stapelwerk

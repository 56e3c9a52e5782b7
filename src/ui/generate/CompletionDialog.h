#pragma once

#include <QWidget>

class QTimer;

namespace stapelwerk {

class Job;
class Platform;

// The completion dialog `frm_ok`, shown after doit.pro has been written: a sound, a
// picture, where to load the file in Pro/E, and a button that opens it in the editor.
// It closes itself four seconds after it opened or the pointer last left it (never while the
// pointer is over it), or on a click on either picture or the button.
class CompletionDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCloseAfterMs = 4000;

    // The file opened for editing is doit.pro in the job's output directory as it
    // stands at that moment.
    // The dialog stands centred on `owner`.
    CompletionDialog(Platform& platform, const Job& job, QWidget* owner);

protected:
    // Escape closes it, as it closes every dialog of the program.
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void editFile();

    Platform& platform_;
    const Job& job_;
    QTimer* timer_ = nullptr;
};

}  // namespace stapelwerk

#pragma once

#include <QWidget>
#include <functional>
#include <string>

namespace stapelwerk {

class Platform;

// The completion dialog `frm_ok`, shown after doit.pro has been written: a sound, a
// picture, where to load the file in Pro/E, and a button that opens it in the editor.
// It closes itself after four seconds, or on a click on either picture or the button.
class CompletionDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCloseAfterMs = 4000;

    // `outputDirectory` gives the text of `txt_pro` at the moment the file is opened.
    // The dialog stands centred on `owner`.
    CompletionDialog(Platform& platform, std::function<std::string()> outputDirectory,
                     QWidget* owner);

private:
    void editFile();

    Platform& platform_;
    std::function<std::string()> outputDirectory_;
};

}  // namespace stapelwerk
